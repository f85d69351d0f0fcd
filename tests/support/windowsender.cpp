// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window sending one message and waiting for its outcome, so that
// tests can kill the program mid-send as a crash or a kill would.
//   windowsender SETTINGS HISTORY DESCRIPTION
// Prints "sending" once "Send" was pressed and the message is on its way,
// then runs until it is killed or the outcome comes ("finished").

#include "app/frmsms.h"
#include "history/historystore.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QPlainTextEdit>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: windowsender SETTINGS HISTORY DESCRIPTION\n");
        return 64;
    }
    SettingsStore store(QString::fromLocal8Bit(argv[1]));
    HistoryStore history(QString::fromLocal8Bit(argv[2]));
    frmSMS window(store, history);
    window.setServiceDescriptionFile(QString::fromLocal8Bit(argv[3]));
    window.setMessageHandler([](const QString &text) { std::fprintf(stderr, "%s\n", qPrintable(text)); });
    window.FromName = u"Ann Smith"_s;
    window.FromNumber = u"00441632960000"_s;
    window.ToName = u"Bob Jones"_s;
    window.ToNumber = u"00447700900123"_s;
    window.findChild<QPlainTextEdit *>(u"tbMessage"_s)->setPlainText(u"Killed mid-send"_s);
    QObject::connect(&window, &frmSMS::sendFinished, &app, [] {
        std::printf("finished\n");
        std::fflush(stdout);
    });
    window.cmdSend_Click();
    if (!window.isSending())
        return 1;
    std::printf("sending\n");
    std::fflush(stdout);
    return app.exec();
}
