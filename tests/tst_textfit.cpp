// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every text of every window, in every language the program speaks, fits
// the place its control gives it: the main window and the About window are
// laid out at fixed places, and German or French runs a third longer than
// English. Measured on a real X server (Xvfb) in the fonts the desktop
// gives, and told all at once, so that a translator sees every text to
// shorten in one run.

#include "about/frmabout.h"
#include "app/frmfinishing.h"
#include "app/sendtracker.h"
#include "i18n/translations.h"
#include "signin/signindialog.h"
#include "signin/signinflow.h"
#include "tests/support/historywindowfixture.h"
#include "tests/support/textfit.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTranslator>

#include <memory>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

// Every text repeated to some 250 characters, wider than the screen, as no
// translation should ever be: what the measures must report.
class LongTranslator final : public QTranslator
{
public:
    bool isEmpty() const override { return false; }

    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        const QString text = QString::fromUtf8(sourceText);
        if (text.isEmpty())
            return {};
        QString longText = text;
        while (longText.size() < 250)
            longText += u' ' + text;
        return longText;
    }
};

} // namespace

class tst_TextFit : public QObject, public HistoryWindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { setUpHistoryWindowFixture(); }
    void cleanup();

    void everyTextFits_data();
    void everyTextFits();

private:
    // Loads the program's catalogue for `language` from the build tree, and
    // Qt's own where Qt has one, as the program does at start.
    void speak(const QString &language);
    // Opens every window and measures it.
    void measureEveryWindow(QList<Misfit> &misfits);
    static void measureShown(QWidget &window, QList<Misfit> &misfits);

    std::vector<std::unique_ptr<QTranslator>> m_translators;
    QLocale m_locale;
};

void tst_TextFit::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    if (QGuiApplication::platformName() != u"xcb"_s)
        QSKIP("Needs an X server: run under xvfb-run with QT_QPA_PLATFORM=xcb.");
}

void tst_TextFit::cleanup()
{
    // A translator leaves the application as it is destroyed.
    m_translators.clear();
    QLocale::setDefault(m_locale);
    tearDownWindowFixture();
}

void tst_TextFit::speak(const QString &language)
{
    QLocale::setDefault(QLocale(language));
    if (language == QStringView(Translations::sourceLanguage))
        return;
    auto program = std::make_unique<QTranslator>();
    const QString folder = Translations::folder();
    QVERIFY2(program->load(u"korvane_"_s + language, folder),
             qPrintable(u"No catalogue korvane_%1.qm in %2: the build makes it."_s.arg(language, folder)));
    QCoreApplication::installTranslator(program.get());
    m_translators.push_back(std::move(program));
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(u"qtbase_"_s + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        m_translators.push_back(std::move(qt));
    }
}

void tst_TextFit::measureShown(QWidget &window, QList<Misfit> &misfits)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    misfits += TextFit::misfitsIn(window);
}

void tst_TextFit::measureEveryWindow(QList<Misfit> &misfits)
{
    // No details saved: the "Your Details" panel is open, with every control
    // of the window visible and the counter saying what a message takes.
    const auto window = makeWindow();
    child<QPlainTextEdit>(*window, "tbMessage")->setPlainText(u"See you at eight"_s);
    measureShown(*window, misfits);

    // The status line, in each of its states.
    auto *status = child<QLabel>(*window, "lblSendStatus");
    const QString recipient = u"Elodie Martin"_s;
    const QDateTime late(QDate(2026, 12, 28), QTime(23, 59));
    for (const QString &text : {SendTracker::sendingText(recipient),
                                SendTracker::outcomeText(MessageSend::Outcome::Sent, recipient, late),
                                SendTracker::outcomeText(MessageSend::Outcome::NotSent, recipient, late),
                                SendTracker::outcomeText(MessageSend::Outcome::NotKnown, recipient, late)}) {
        status->setText(text);
        misfits += TextFit::misfitsOf(*status);
    }

    record(*m_history, recipient, u"0033612345678"_s, u"See you at eight"_s, HistoryRecord::State::NotKnown,
           u"the service did not answer in time"_s);
    frmHistory *history = openHistory(*window);
    select(*history, {0});
    measureShown(*history, misfits);

    frmAbout about(window.get());
    measureShown(about, misfits);

    AuthChallenge challenge;
    challenge.urlScheme = u"https"_s;
    challenge.host = u"sms.example.org"_s;
    challenge.port = 443;
    challenge.realm = u"Staff"_s;
    SignInDialog signIn({challenge, u"ann"_s, SignInFlow::tr("The user name or password was not accepted.")});
    measureShown(signIn, misfits);

    frmFinishing finishing(30s, window.get());
    measureShown(finishing, misfits);
}

void tst_TextFit::everyTextFits_data()
{
    QTest::addColumn<QString>("language");
    // The controls whose texts must be reported; none may be for a language
    // the program speaks.
    QTest::addColumn<QStringList>("reported");
    // English, and every language the build makes a catalogue for.
    const QStringList languages = QString::fromLatin1(KORVANE_LANGUAGES).split(u',');
    for (const QString &language : QStringList{QStringView(Translations::sourceLanguage).toString()} + languages)
        QTest::newRow(qPrintable(language)) << language << QStringList();
    // One control of each kind in the windows laid out at fixed places.
    QTest::newRow("texts far too long") << QString()
                                        << QStringList{u"Label8"_s, u"cmdSend"_s, u"frAddressBook"_s, u"tbTo"_s,
                                                       u"menuBar"_s, u"mnuForgetPassword"_s, u"mnuImportContacts"_s,
                                                       u"lblSendStatus"_s, u"lblDisclaimer"_s};
}

void tst_TextFit::everyTextFits()
{
    QFETCH(QString, language);
    QFETCH(QStringList, reported);
    if (language.isEmpty()) {
        m_translators.push_back(std::make_unique<LongTranslator>());
        QCoreApplication::installTranslator(m_translators.back().get());
    } else {
        speak(language);
    }
    QList<Misfit> misfits;
    if (!QTest::currentTestFailed())
        measureEveryWindow(misfits);
    if (QTest::currentTestFailed())
        return;

    if (!reported.isEmpty()) {
        for (const Misfit &misfit : std::as_const(misfits))
            reported.removeAll(misfit.control);
        QVERIFY2(reported.isEmpty(), qPrintable(u"Not reported: "_s + reported.join(u", "_s)));
        return;
    }
    // Every misfit on a line of its own: a failure's message has room for a few.
    for (const Misfit &misfit : std::as_const(misfits))
        qWarning().noquote() << misfit.line(language);
    QVERIFY2(misfits.isEmpty(), qPrintable(u"%1 texts do not fit their places: see above"_s.arg(misfits.size())));
}

QTEST_MAIN(tst_TextFit)
#include "tst_textfit.moc"
