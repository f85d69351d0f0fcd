// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the main window's suites share: a window over a settings store and a
// history of its own in a fresh temporary folder, with every message to the
// user captured rather than shown in a box. A suite derives from QObject and
// from this, and calls setUpWindowFixture() in init() and
// tearDownWindowFixture() in cleanup().

#include "app/frmsms.h"
#include "history/historystore.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using StoredValues = QList<SettingsStore::KeyValue>;

// Presses "Send" and waits until the outcome is known and told; false when no
// send started (a check stopped it) or it did not end in time.
[[nodiscard]] inline bool pressSendAndWait(frmSMS &window)
{
    QSignalSpy finished(&window, &frmSMS::sendFinished);
    auto *send = window.findChild<QPushButton *>(QStringLiteral("cmdSend"));
    if (!send)
        qFatal("no control cmdSend");
    send->click();
    return window.isSending() ? finished.wait(60000) : !finished.isEmpty();
}

// Closes the window from within the application's own loop and runs that
// loop: true when the loop ended by itself, as it must when the main window
// closes; false when a backstop had to end it.
[[nodiscard]] inline bool closingEndsTheApplication(QWidget &window)
{
    bool endedByItself = true;
    QTimer::singleShot(0, &window, [&window] { window.close(); });
    QTimer failsafe;
    failsafe.setSingleShot(true);
    QObject::connect(&failsafe, &QTimer::timeout, &failsafe, [&endedByItself] {
        endedByItself = false;
        QCoreApplication::quit();
    });
    failsafe.start(10000);
    QApplication::exec();
    return endedByItself;
}

class WindowFixture
{
protected:
    void setUpWindowFixture()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_store = std::make_unique<SettingsStore>(m_dir->filePath(QStringLiteral("KORVANE/KORVANE.conf")));
        m_history = std::make_unique<HistoryStore>(historyFileName());
        m_messages.clear();
    }

    void tearDownWindowFixture()
    {
        m_history.reset();
        m_store.reset();
        m_dir.reset();
    }

    QString historyFileName() const { return m_dir->filePath(QStringLiteral("data/KORVANE/history.sqlite")); }

    // A window over the fixture's stores whose messages land in m_messages.
    std::unique_ptr<frmSMS> makeWindow()
    {
        auto window = std::make_unique<frmSMS>(*m_store, *m_history);
        window->setMessageHandler([this](const QString &text) { m_messages.append(text); });
        return window;
    }

    void store(const QString &section, const StoredValues &values)
    {
        QVERIFY(m_store->saveSettings(section, values));
    }

    // A control of the window by its name; a missing one ends the suite.
    template <typename T>
    static T *child(const QWidget &window, const char *name)
    {
        auto *found = window.findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    static void saveDetails(frmSMS &window, const QString &name, const QString &number)
    {
        child<QLineEdit>(window, "tbFromName")->setText(name);
        child<QLineEdit>(window, "tbFromNumber")->setText(number);
        window.cmdSave_Click();
    }

    static void addRecipientTo(frmSMS &window, const QString &name, const QString &number)
    {
        child<QLineEdit>(window, "tbToName")->setText(name);
        child<QLineEdit>(window, "tbToNumber")->setText(number);
        window.cmdAdd_Click();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<HistoryStore> m_history;
    QStringList m_messages;
};
