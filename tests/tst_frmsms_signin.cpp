// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Signing in from the main window, against the gateway with --user and a
// secret store of the test's own (tests/with_secret_service.sh): the dialog,
// the keyring (or the notice where there is none), "Forget the saved
// password", and the question before a password would travel unencrypted.

#include "app/frmsms.h"
#include "credentials/credentialstore.h"
#include "signin/signindialog.h"
#include "tests/support/gatewayprocess.h"
#include "tests/support/scriptedhttpserver.h"
#include "tests/support/testdescription.h"
#include "tests/support/windowfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScopeGuard>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

const QString User = u"ann"_s;
const QString Password = u"Window-Password-Marker-9T"_s;

bool keyringServes()
{
    return qgetenv("KORVANE_TEST_SECRET_STORE") == "keyring";
}

// The sign-in dialog once it is open, or null.
SignInDialog *openDialog(const frmSMS &window)
{
    for (SignInDialog *dialog : window.findChildren<SignInDialog *>()) {
        if (dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

} // namespace

class tst_FrmSmsSignIn : public QObject, public WindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { setUpWindowFixture(); }
    void cleanup() { tearDownWindowFixture(); }

    void askedOnceRememberedAndForgotten();
    void clearTextIsAskedFirstWithNoAsDefault();

private:
    // A window ready to send "Hello" to Bob through `description`.
    std::unique_ptr<frmSMS> readyWindow(const QString &description);
    AuthChallenge gatewayService() const;

    GatewayProcess m_gateway;
};

void tst_FrmSmsSignIn::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("KORVANE_TEST_HOME"),
             "run through tests/with_secret_service.sh, never against the user's own keyring");
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY2(m_gateway.startSignedIn(User, Password), qPrintable(m_gateway.errorString()));
}

std::unique_ptr<frmSMS> tst_FrmSmsSignIn::readyWindow(const QString &description)
{
    auto window = makeWindow();
    window->setServiceDescriptionFile(description);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qFatal("window not shown");
    saveDetails(*window, u"Sam Smith"_s, u"00441632960000"_s);
    window->ToName = u"Bob"_s;
    window->ToNumber = u"00447700900123"_s;
    child<QPlainTextEdit>(*window, "tbMessage")->setPlainText(u"Hello"_s);
    return window;
}

AuthChallenge tst_FrmSmsSignIn::gatewayService() const
{
    AuthChallenge service;
    service.urlScheme = u"http"_s;
    service.host = u"127.0.0.1"_s;
    service.port = m_gateway.endpoint().port();
    service.realm = u"KORVANE SMS gateway"_s;
    return service;
}

void tst_FrmSmsSignIn::askedOnceRememberedAndForgotten()
{
    const auto window = readyWindow(m_gateway.wsdlFile());
    QStringList details;
    window->setDetailedMessageHandler([this, &details](const QString &text, const QString &detail) {
        m_messages.append(text);
        details.append(detail);
    });
    const qsizetype before = m_gateway.outbox().size();
    QSignalSpy finished(window.get(), &frmSMS::sendFinished);

    child<QPushButton>(*window, "cmdSend")->click();
    QTRY_VERIFY(openDialog(*window));
    SignInDialog *dialog = openDialog(*window);
    QVERIFY(dialog->findChild<QCheckBox *>(u"chkRemember"_s)->isChecked());
    dialog->findChild<QLineEdit *>(u"tbUser"_s)->setText(User);
    dialog->findChild<QLineEdit *>(u"tbPassword"_s)->setText(Password);
    dialog->findChild<QPushButton *>(u"cmdOK"_s)->click();
    QVERIFY(finished.wait(60000));
    QCOMPARE(m_gateway.outbox().size(), before + 1);
    // Where no keyring answers, the user hears so once, after the send's outcome.
    const QStringList notice = keyringServes() ? QStringList() : QStringList{window->credentialStore()->notice()};
    QCOMPARE(m_messages, notice);
    QVERIFY(window->credentialStore()->notice().isEmpty() == keyringServes());
    // What the secret store said itself is one click away.
    QCOMPARE(details, keyringServes() ? QStringList() : QStringList{window->credentialStore()->noticeDetails()});
    QVERIFY(keyringServes() || !details.constFirst().isEmpty());

    // The next send is not asked, whatever keeps the password.
    child<QPushButton>(*window, "cmdSend")->click();
    QVERIFY(!openDialog(*window));
    QVERIFY(finished.wait(60000));
    QVERIFY(!openDialog(*window));
    QCOMPARE(m_gateway.outbox().size(), before + 2);
    QCOMPARE(m_messages, notice);
    {
        CredentialStore laterRun;
        const auto kept = laterRun.lookUpAndWait(gatewayService(), QDeadlineTimer(60000));
        QCOMPARE(kept, keyringServes() ? std::optional<HttpCredentials>({User, Password}) : std::nullopt);
    }

    // "Forget the saved password" in the country menu, confirmed in words.
    child<QAction>(*window, "mnuForgetPassword")->trigger();
    const QString forgotten = u"KORVANE no longer keeps a password for the SMS service at 127.0.0.1:%1. It asks for "
                              "one the next time the service asks you to sign in."_s.arg(m_gateway.endpoint().port());
    QTRY_COMPARE(m_messages, notice + QStringList{forgotten});
    QCOMPARE(window->credentialStore()->lookUpAndWait(gatewayService(), QDeadlineTimer(60000)), std::nullopt);

    // Asked again; Cancel ends the send as not sent.
    child<QPushButton>(*window, "cmdSend")->click();
    QTRY_VERIFY(openDialog(*window));
    openDialog(*window)->findChild<QPushButton *>(u"cmdCancel"_s)->click();
    QVERIFY(finished.wait(60000));
    QCOMPARE(m_messages.last(), u"Your message was not sent. The SMS service asked you to sign in."_s);
    QCOMPARE(m_gateway.outbox().size(), before + 2);
}

// Basic over http to another computer, reached here through a proxy (the
// scripted server), as a test reaches a name that is not this computer's.
void tst_FrmSmsSignIn::clearTextIsAskedFirstWithNoAsDefault()
{
    ScriptedHttpServer proxy;
    QVERIFY(proxy.listen());
    proxy.setScript({ScriptedHttpServer::response("401 Unauthorized", "", "text/plain",
                                                  "WWW-Authenticate: Basic realm=\"r\"\r\n")});
    const QString description = m_dir->filePath(u"SendSMS.wsdl"_s);
    QVERIFY(TestDescription::write(description,
                                   TestDescription::at(u"rpc-literal.wsdl"_s, "http://sms.example.test/send")));
    qputenv("http_proxy", proxy.url(""));
    const auto restore = qScopeGuard([] { qunsetenv("http_proxy"); });

    const auto window = readyWindow(description);
    QSignalSpy finished(window.get(), &frmSMS::sendFinished);
    child<QPushButton>(*window, "cmdSend")->click();
    QTRY_VERIFY(window->findChild<QMessageBox *>(u"msgClearText"_s));
    QPointer<QMessageBox> question = window->findChild<QMessageBox *>(u"msgClearText"_s);
    QTRY_VERIFY(question->isVisible());
    QVERIFY2(question->text().contains(u"sms.example.test"_s), qPrintable(question->text()));
    QVERIFY2(question->text().contains(u"would travel unencrypted"_s), qPrintable(question->text()));
    QCOMPARE(question->defaultButton(), question->button(QMessageBox::No));
    // Nobody was asked for a password that would not be sent.
    QVERIFY(!openDialog(*window));

    QTest::keyClick(question, Qt::Key_Return);
    QVERIFY(finished.wait(60000));
    QCOMPARE(m_messages, QStringList{u"Your message was not sent. You chose not to send your password unencrypted "
                                     "to the SMS service at sms.example.test."_s});
    QCOMPARE(proxy.posts(), 1);
    QVERIFY(!openDialog(*window));
}

QTEST_MAIN(tst_FrmSmsSignIn)
#include "tst_frmsms_signin.moc"
