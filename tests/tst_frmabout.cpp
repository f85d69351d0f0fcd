// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/frmabout.h"
#include "common/serviceinfo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::function<void(frmAbout &)>)

class tst_frmAbout : public QObject
{
    Q_OBJECT

private slots:
    void iconResourceIsLinked();
    void controls_data();
    void controls();
    void separatorPixels_data();
    void separatorPixels();
    void windowFrame();
    void tabOrderAndInitialFocus();
    void execDismissedBy_data();
    void execDismissedBy();
    void closedWindowShowsAgainUnchanged();

private:
    // Runs a real modal exec() and applies `dismiss` once the dialog is the active modal widget.
    static bool execAndDismiss(frmAbout &dialog, const std::function<void(frmAbout &)> &dismiss);
};

bool tst_frmAbout::execAndDismiss(frmAbout &dialog, const std::function<void(frmAbout &)> &dismiss)
{
    bool sawModal = false;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, &dialog, [&] {
        if (QApplication::activeModalWidget() == &dialog) {
            poll.stop();
            sawModal = true;
            dismiss(dialog);
        } else if (clock.elapsed() > 5000) {
            poll.stop();
            dialog.done(QDialog::Rejected); // the dialog never became modal: end exec() anyway
        }
    });
    poll.start();
    dialog.exec();
    return sawModal && !dialog.isVisible();
}

void tst_frmAbout::iconResourceIsLinked()
{
    const QImage image(u":/korvane.png"_s);
    QCOMPARE(image.size(), QSize(32, 32));
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    QVERIFY2(colours.size() <= 16, qPrintable(u"%1 colours"_s.arg(colours.size())));

    // The picture shows that image, framed so that the box is the image plus its border.
    frmAbout dialog;
    const auto *picIcon = dialog.findChild<QLabel *>(u"picIcon"_s);
    QVERIFY(picIcon);
    QCOMPARE(picIcon->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
             image.convertToFormat(QImage::Format_ARGB32));
    QCOMPARE(picIcon->contentsRect().size(), QSize(32, 32));
}

void tst_frmAbout::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("black");

    const QString address = ServiceInfo::webAddress();
    QTest::newRow("picIcon") << u"picIcon"_s << QRect(16, 16, 36, 36) << QString() << 8.25 << false << false;
    QTest::newRow("cmdOK") << u"cmdOK"_s << QRect(283, 175, 84, 23) << u"OK"_s << 8.25 << false << false;
    QTest::newRow("lblDescription") << u"lblDescription"_s << QRect(70, 75, 259, 78)
                                    << u"Definitive terms and conditions are available at "_s + address + u"."_s
                                    << 9.75 << false << true;
    QTest::newRow("lblTitle") << u"lblTitle"_s << QRect(70, 16, 259, 32) << u"KORVANE"_s << 8.25 << true << true;
    QTest::newRow("lblVersion") << u"lblVersion"_s << QRect(70, 52, 259, 15) << u"Version 1.0"_s << 8.25 << false
                                << false;
    QTest::newRow("lblDisclaimer")
        << u"lblDisclaimer"_s << QRect(17, 175, 258, 55)
        << u"Warning: Outgoing messages are free, users must be 16+ to use service. This is a non subscription "
           "service. Recipients may be charged according to the most recent rates published on "_s + address
        << 8.25 << false << true;
}

void tst_frmAbout::controls()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(qreal, pointSize);
    QFETCH(bool, bold);
    QFETCH(bool, black);

    frmAbout dialog;
    auto *widget = dialog.findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->font().family(), u"MS Sans Serif"_s);
    QCOMPARE(widget->font().pointSizeF(), pointSize);
    QCOMPARE(widget->font().bold(), bold);
    if (black)
        QCOMPARE(widget->palette().color(QPalette::WindowText), QColor(Qt::black));
    if (auto *button = qobject_cast<QPushButton *>(widget)) {
        QCOMPARE(button->text(), text);
        QVERIFY(button->isDefault());
    } else if (!text.isEmpty()) {
        auto *label = qobject_cast<QLabel *>(widget);
        QVERIFY(label);
        QCOMPARE(label->text(), text);
        QVERIFY(label->wordWrap());
        QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
        // The whole text fits its rectangle, so nothing is lost to clipping.
        QVERIFY(label->heightForWidth(geometry.width()) <= geometry.height());
    }
    // No control overlaps another.
    for (const QWidget *other : dialog.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        QVERIFY2(other == widget || !other->geometry().intersects(geometry), qPrintable(other->objectName()));
}

void tst_frmAbout::separatorPixels_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("grey start") << QPoint(6, 163) << QColor(128, 128, 128);
    QTest::newRow("grey end") << QPoint(376, 163) << QColor(128, 128, 128);
    QTest::newRow("white start upper") << QPoint(7, 164) << QColor(Qt::white);
    QTest::newRow("white end lower") << QPoint(376, 165) << QColor(Qt::white);
}

void tst_frmAbout::separatorPixels()
{
    QFETCH(QPoint, point);
    QFETCH(QColor, colour);

    frmAbout dialog;
    const QImage image = dialog.grab().toImage();
    QCOMPARE(image.pixelColor(point), colour);
    // The lines end where they are drawn to: the pixels just outside are the background.
    const QColor background = dialog.palette().color(QPalette::Window);
    const int outside = point.x() < 100 ? point.x() - 1 : point.x() + 1;
    QCOMPARE(image.pixelColor(outside, point.y()), background);
}

void tst_frmAbout::windowFrame()
{
    // Even with an application icon set, the About window's title bar shows none.
    QApplication::setWindowIcon(QIcon(u":/korvane.png"_s));
    QWidget mainWindow;
    mainWindow.setGeometry(500, 400, 600, 400);
    mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));

    frmAbout dialog(&mainWindow);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), u"About KORVANE"_s);
    QCOMPARE(dialog.geometry(), QRect(156, 129, 382, 237)); // not centred over the main window
    QCOMPARE(dialog.minimumSize(), QSize(382, 237));
    QCOMPARE(dialog.maximumSize(), QSize(382, 237));

    const Qt::WindowFlags flags = dialog.windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint)));
    QCOMPARE(dialog.windowHandle()->transientParent(), mainWindow.windowHandle());

    const QImage icon = dialog.windowIcon().pixmap(16, 16).toImage();
    QVERIFY(!icon.isNull());
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            QCOMPARE(qAlpha(icon.pixel(x, y)), 0);
    QApplication::setWindowIcon(QIcon());
}

void tst_frmAbout::tabOrderAndInitialFocus()
{
    frmAbout dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    const QWidget *cmdOK = dialog.findChild<QWidget *>(u"cmdOK"_s);
    const QWidget *picIcon = dialog.findChild<QWidget *>(u"picIcon"_s);
    QTRY_COMPARE(QApplication::focusWidget(), cmdOK);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), picIcon);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), cmdOK);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), picIcon);
}

void tst_frmAbout::execDismissedBy_data()
{
    QTest::addColumn<std::function<void(frmAbout &)>>("dismiss");

    const auto key = [](const char *focusName, Qt::Key k) {
        return std::function<void(frmAbout &)>([=](frmAbout &d) {
            auto *focus = d.findChild<QWidget *>(QLatin1String(focusName));
            focus->setFocus();
            QTest::keyClick(focus, k);
        });
    };
    QTest::newRow("OK clicked") << std::function<void(frmAbout &)>([](frmAbout &d) {
        QTest::mouseClick(d.findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton);
    });
    QTest::newRow("Enter on OK") << key("cmdOK", Qt::Key_Return);
    QTest::newRow("Enter on picture") << key("picIcon", Qt::Key_Return);
    QTest::newRow("keypad Enter on picture") << key("picIcon", Qt::Key_Enter);
    QTest::newRow("Escape on OK") << key("cmdOK", Qt::Key_Escape);
    QTest::newRow("Escape on picture") << key("picIcon", Qt::Key_Escape);
    QTest::newRow("title-bar close") << std::function<void(frmAbout &)>([](frmAbout &d) { d.close(); });
}

void tst_frmAbout::execDismissedBy()
{
    QFETCH(std::function<void(frmAbout &)>, dismiss);

    QWidget mainWindow;
    auto *dialog = new frmAbout(&mainWindow);
    const QPointer<frmAbout> guard(dialog);
    QVERIFY(execAndDismiss(*dialog, dismiss));
    QVERIFY(guard); // hidden, not destroyed
}

void tst_frmAbout::closedWindowShowsAgainUnchanged()
{
    frmAbout dialog;
    const auto snapshot = [&dialog] {
        QStringList state;
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            state << label->objectName() + u'=' + label->text();
        return state;
    };
    const QStringList before = snapshot();
    QVERIFY(execAndDismiss(dialog, [](frmAbout &d) { d.close(); }));
    QVERIFY(execAndDismiss(dialog, [](frmAbout &d) { d.cmdOK_Click(); }));
    QCOMPARE(snapshot(), before);
    QCOMPARE(dialog.geometry(), QRect(156, 129, 382, 237));
}

QTEST_MAIN(tst_frmAbout)
#include "tst_frmabout.moc"
