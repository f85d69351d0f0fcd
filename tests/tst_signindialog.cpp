// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sign-in dialog and the clear-text question, driven offscreen, and the window's prompt
// that opens them and hands the answers on.

#include "signin/signindialog.h"
#include "signin/widgetsigninprompt.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

AuthChallenge challenge(const QString &scheme, const QString &host, int port, const QString &realm)
{
    AuthChallenge c;
    c.urlScheme = scheme;
    c.host = host;
    c.port = port;
    c.realm = realm;
    return c;
}

template<typename T>
T *child(QWidget *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    if (!found)
        qFatal("no %s", qPrintable(name));
    return found;
}

} // namespace

class tst_SignInDialog : public QObject
{
    Q_OBJECT

private slots:
    void showsTheServiceAndTheFailure_data();
    void showsTheServiceAndTheFailure();
    void givesWhatWasTyped();
    void namesAndTabOrder();
    void clearTextQuestionDefaultsToNo();
    void promptHandsOnTheAnswers();
};

void tst_SignInDialog::showsTheServiceAndTheFailure_data()
{
    QTest::addColumn<AuthChallenge>("challenge");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("heading");
    QTest::newRow("first time") << challenge(u"https"_s, u"sms.example.org"_s, 443, u"Staff"_s) << QString()
                                << QString() << u"The SMS service at sms.example.org asks you to sign in (Staff)"_s;
    QTest::newRow("asked again") << challenge(u"http"_s, u"127.0.0.1"_s, 47159, u"KORVANE SMS gateway"_s)
                                 << u"ann"_s << u"The user name or password was not accepted."_s
                                 << u"The SMS service at 127.0.0.1:47159 asks you to sign in (KORVANE SMS gateway)"_s;
    QTest::newRow("no realm, markup in none") << challenge(u"https"_s, u"::1"_s, 8443, QString()) << QString()
                                              << QString() << u"The SMS service at [::1]:8443 asks you to sign in"_s;
}

void tst_SignInDialog::showsTheServiceAndTheFailure()
{
    QFETCH(AuthChallenge, challenge);
    QFETCH(QString, user);
    QFETCH(QString, failure);
    SignInDialog dialog({challenge, user, failure});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTEST(child<QLabel>(&dialog, u"lblSignIn"_s)->text(), "heading");
    QLabel *failureLine = child<QLabel>(&dialog, u"lblFailure"_s);
    QCOMPARE(failureLine->isVisible(), !failure.isEmpty());
    QCOMPARE(failureLine->text(), failure);
    // A screen reader hears why, not only that there is a reason.
    QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(failureLine);
    QCOMPARE(heard->text(QAccessible::Name), u"Why you are asked again"_s);
    QCOMPARE(heard->text(QAccessible::Value), failure);
    QCOMPARE(child<QLineEdit>(&dialog, u"tbUser"_s)->text(), user);
    QCOMPARE(child<QLineEdit>(&dialog, u"tbPassword"_s)->echoMode(), QLineEdit::Password);
    QVERIFY(child<QLineEdit>(&dialog, u"tbPassword"_s)->text().isEmpty());
    QVERIFY(child<QCheckBox>(&dialog, u"chkRemember"_s)->isChecked());
    QCOMPARE(child<QCheckBox>(&dialog, u"chkRemember"_s)->text(), u"Remember"_s);
    QCOMPARE(child<QPushButton>(&dialog, u"cmdOK"_s)->isEnabled(), !user.isEmpty());
    QCOMPARE(dialog.windowTitle(), u"KORVANE"_s);
}

void tst_SignInDialog::givesWhatWasTyped()
{
    SignInDialog dialog({challenge(u"https"_s, u"h"_s, 443, u"r"_s), QString(), QString()});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *ok = child<QPushButton>(&dialog, u"cmdOK"_s);
    QVERIFY(!ok->isEnabled());
    // Key clicks carry Latin-1 alone; the rest is typed as an input method would.
    QTest::keyClicks(child<QLineEdit>(&dialog, u"tbUser"_s), u"Zo"_s);
    QVERIFY(ok->isEnabled());
    child<QLineEdit>(&dialog, u"tbUser"_s)->insert(u"ë"_s);
    QTest::keyClicks(child<QLineEdit>(&dialog, u"tbPassword"_s), u"pa:ss w"_s);
    child<QLineEdit>(&dialog, u"tbPassword"_s)->insert(u"örd"_s);
    QTest::mouseClick(child<QCheckBox>(&dialog, u"chkRemember"_s), Qt::LeftButton);
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.credentials(), HttpCredentials({u"Zoë"_s, u"pa:ss wörd"_s}));
    QVERIFY(!dialog.remember());
}

void tst_SignInDialog::namesAndTabOrder()
{
    SignInDialog dialog({challenge(u"https"_s, u"h"_s, 443, u"r"_s), u"ann"_s, u"Failed."_s});
    const QStringList order{u"tbUser"_s, u"tbPassword"_s, u"chkRemember"_s, u"cmdOK"_s, u"cmdCancel"_s};
    QWidget *widget = child<QWidget>(&dialog, order.first());
    for (qsizetype i = 1; i < order.size(); ++i) {
        // Labels take no focus; the next focusable widget in the chain is the next field.
        do
            widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus || !widget->isEnabledTo(&dialog) || widget->isHidden());
        QCOMPARE(widget->objectName(), order.at(i));
    }
    for (const QString &name : order + QStringList{u"lblFailure"_s})
        QVERIFY2(!child<QWidget>(&dialog, name)->accessibleName().isEmpty(), qPrintable(name));
    QCOMPARE(child<QLabel>(&dialog, u"lblSignIn"_s)->textFormat(), Qt::PlainText);
}

void tst_SignInDialog::clearTextQuestionDefaultsToNo()
{
    QWidget window;
    QMessageBox *box =
        WidgetSignInPrompt::clearTextQuestion(challenge(u"http"_s, u"sms.example.org"_s, 80, u"r"_s), &window);
    QVERIFY(box->text().contains(u"sms.example.org"));
    QVERIFY(box->text().contains(u"would travel unencrypted"));
    QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
    QCOMPARE(box->escapeButton(), static_cast<QAbstractButton *>(box->button(QMessageBox::No)));
}

void tst_SignInDialog::promptHandsOnTheAnswers()
{
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    WidgetSignInPrompt prompt(&window);
    const AuthChallenge service = challenge(u"http"_s, u"sms.example.org"_s, 80, u"r"_s);

    std::optional<SignInPrompt::Answer> answer;
    prompt.askForCredentials({service, u"ann"_s, QString()}, [&answer](const auto &given) { answer = given; });
    QVERIFY(prompt.openDialog());
    QVERIFY(!answer);
    QTest::keyClicks(child<QLineEdit>(prompt.openDialog(), u"tbPassword"_s), u"secret"_s);
    QTest::mouseClick(child<QPushButton>(prompt.openDialog(), u"cmdOK"_s), Qt::LeftButton);
    QVERIFY(answer);
    QCOMPARE(answer->choice, SignInPrompt::Answer::Choice::SignIn);
    QCOMPARE(answer->credentials, HttpCredentials({u"ann"_s, u"secret"_s}));
    QVERIFY(answer->remember);
    QTRY_VERIFY(!prompt.openDialog()); // closed and deleted

    answer.reset();
    prompt.askForCredentials({service, QString(), QString()}, [&answer](const auto &given) { answer = given; });
    QTest::mouseClick(child<QPushButton>(prompt.openDialog(), u"cmdCancel"_s), Qt::LeftButton);
    QVERIFY(answer);
    QCOMPARE(answer->choice, SignInPrompt::Answer::Choice::Cancel);

    // No, then Yes; a Yes holds for that service, so it is not asked a third time.
    QList<SignInPrompt::ClearText> answers;
    auto record = [&answers](SignInPrompt::ClearText given) { answers.append(given); };
    prompt.confirmClearText(service, record);
    QVERIFY(prompt.openQuestion());
    QTest::mouseClick(prompt.openQuestion()->button(QMessageBox::No), Qt::LeftButton);
    QTRY_VERIFY(!prompt.openQuestion());
    prompt.confirmClearText(service, record);
    QTest::mouseClick(prompt.openQuestion()->button(QMessageBox::Yes), Qt::LeftButton);
    QTRY_VERIFY(!prompt.openQuestion());
    prompt.confirmClearText(service, record);
    QVERIFY(!prompt.openQuestion());
    QCOMPARE(answers, (QList<SignInPrompt::ClearText>{SignInPrompt::ClearText::DoNotSend,
                                                      SignInPrompt::ClearText::Send, SignInPrompt::ClearText::Send}));
}

QTEST_MAIN(tst_SignInDialog)
#include "tst_signindialog.moc"
