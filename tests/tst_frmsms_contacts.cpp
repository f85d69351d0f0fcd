// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Contacts files through the address book panel: "Import…" and "Export…" on
// the list's context menu, files dropped on the list, the one box that sums
// up an import with its details, and a save that fails.

#include "settings/settingskeys.h"
#include "tests/support/windowfixture.h"

#include <QAction>
#include <QDropEvent>
#include <QFile>
#include <QListWidget>
#include <QMimeData>
#include <QStandardPaths>
#include <QUrl>

using namespace Qt::StringLiterals;

class tst_FrmSmsContacts : public QObject, public WindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup() { tearDownWindowFixture(); }

    void contextMenuOffersImportAndExport();
    void importSumsUpWithDetails_data();
    void importSumsUpWithDetails();
    void droppedFileIsImported_data();
    void droppedFileIsImported();
    void failedSaveLeavesTheBookAsItWas();
    void exportWritesTheWholeBook_data();
    void exportWritesTheWholeBook();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);
    std::unique_ptr<frmSMS> windowAnsweringFiles(const QString &fileName);
    static QStringList listed(const frmSMS &window);

    QStringList m_details;
    QStringList m_fileCaptions;
};

void tst_FrmSmsContacts::init()
{
    setUpWindowFixture();
    m_details.clear();
    m_fileCaptions.clear();
}

QString tst_FrmSmsContacts::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// A window whose file dialogs choose `fileName` and whose boxes with details
// land in m_messages and m_details.
std::unique_ptr<frmSMS> tst_FrmSmsContacts::windowAnsweringFiles(const QString &fileName)
{
    auto window = makeWindow();
    window->setFileHandler([this, fileName](Prompts::FileAction, const QString &caption, const QString &) {
        m_fileCaptions.append(caption);
        return fileName;
    });
    window->setDetailedMessageHandler([this](const QString &text, const QString &details) {
        m_messages.append(text);
        m_details.append(details);
    });
    return window;
}

QStringList tst_FrmSmsContacts::listed(const frmSMS &window)
{
    const auto *list = child<QListWidget>(window, "lstAddressBook");
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        names.append(list->item(row)->text());
    return names;
}

void tst_FrmSmsContacts::contextMenuOffersImportAndExport()
{
    const auto window = makeWindow();
    QStringList captions;
    for (const QAction *action : child<QListWidget>(*window, "lstAddressBook")->actions())
        captions.append(action->text());
    QCOMPARE(captions, (QStringList{u"Remove"_s, u"Import…"_s, u"Export…"_s}));
}

void tst_FrmSmsContacts::importSumsUpWithDetails_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("country"); // the menu item chosen first
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("details");

    QTest::newRow("vCard, one new, one known, one nameless")
        << u"phone.vcf"_s
        << QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Carla Ruiz\r\nTEL;TYPE=cell:+44 (0)7700-900001\r\nEND:VCARD\r\n"
                      "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:ANN\r\nTEL:+44 7700 900999\r\nEND:VCARD\r\n"
                      "BEGIN:VCARD\r\nVERSION:3.0\r\nTEL:+44 7700 900998\r\nEND:VCARD\r\n")
        << u"mnuUK"_s << QStringList{u"Ann"_s, u"Carla Ruiz"_s}
        << u"Imported 1 recipient. 2 contacts were skipped: 1 already in the address book and 1 without a name."_s
        << u"Card 2 (line 6): ANN is already in the address book\nCard 3 (line 11): a contact has no name"_s;
    // A national number takes the calling code of the country in the menu.
    QTest::newRow("CSV of national numbers, Germany chosen")
        << u"kontakte.csv"_s << QByteArray("Name,Number\r\nHans Weber,0170 1234567\r\n") << u"mnuGermany"_s
        << QStringList{u"Ann"_s, u"Hans Weber"_s} << u"Imported 1 recipient."_s << QString();
    QTest::newRow("not a contacts file")
        << u"notes.csv"_s << QByteArray("Colour;Size\r\nred;XL\r\n") << u"mnuUK"_s << QStringList{u"Ann"_s}
        << QString() << QString();
}

void tst_FrmSmsContacts::importSumsUpWithDetails()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, contents);
    QFETCH(QString, country);
    QFETCH(QStringList, listed);
    QFETCH(QString, summary);
    QFETCH(QString, details);
    store(SettingsKeys::addressBookSection(),
          {{u"Count"_s, u"1"_s}, {u"1.Name"_s, u"Ann"_s}, {u"1.Number"_s, u"00441111111111"_s}});
    const QString path = writeFile(file, contents);
    const auto window = windowAnsweringFiles(path);
    child<QAction>(*window, qPrintable(country))->trigger();
    child<QAction>(*window, "mnuImportContacts")->trigger();

    QCOMPARE(m_fileCaptions, QStringList{u"Import Contacts"_s});
    QCOMPARE(this->listed(*window), listed);
    QCOMPARE(m_messages.size(), 1);
    if (summary.isEmpty()) {
        // Nothing read: a message says why, and the book is as it was.
        QVERIFY2(!m_messages.first().startsWith(u"Imported"_s), qPrintable(m_messages.first()));
        return;
    }
    QCOMPARE(m_messages.first(), summary);
    QCOMPARE(m_details, details.isEmpty() ? QStringList() : QStringList{details});
    // The import was saved, and the numbers are in the book's form.
    SettingsStore reread(m_store->fileName());
    QCOMPARE(reread.getSetting(SettingsKeys::addressBookSection(), u"Count"_s), QString::number(listed.size()));
    if (country == u"mnuGermany")
        QCOMPARE(window->AddressBook->Item(u"Hans Weber"_s)->Number, u"00491701234567"_s);
    else
        QCOMPARE(window->AddressBook->Item(u"Carla Ruiz"_s)->Number, u"00447700900001"_s);
}

void tst_FrmSmsContacts::droppedFileIsImported_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("taken");
    QTest::newRow("a vCard file") << u"card.vcf"_s << true;
    QTest::newRow("a CSV file") << u"book.csv"_s << true;
    QTest::newRow("a text file") << u"notes.txt"_s << false;
}

void tst_FrmSmsContacts::droppedFileIsImported()
{
    QFETCH(QString, file);
    QFETCH(bool, taken);
    const QByteArray contents = file.endsWith(u".csv"_s)
        ? QByteArray("Name,Number\nBob Jones,+44 7700 900123\n")
        : QByteArray("BEGIN:VCARD\nVERSION:4.0\nFN:Bob Jones\nTEL:+44 7700 900123\nEND:VCARD\n");
    const QString path = writeFile(file, contents);
    const auto window = windowAnsweringFiles(QString());
    QWidget *viewport = child<QListWidget>(*window, "lstAddressBook")->viewport();

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPoint at = viewport->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &enter);
    QCOMPARE(enter.isAccepted(), taken);
    if (!taken)
        return;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &drop);
    QVERIFY(drop.isAccepted());
    QTRY_COMPARE(m_messages, QStringList{u"Imported 1 recipient."_s});
    QCOMPARE(listed(*window), QStringList{u"Bob Jones"_s});
    QCOMPARE(window->AddressBook->Item(u"Bob Jones"_s)->Number, u"00447700900123"_s);
    QVERIFY(m_fileCaptions.isEmpty());
}

// One save for the whole import: when it fails, nothing is imported and the
// user is told why; once the cause is gone, the same file imports whole.
void tst_FrmSmsContacts::failedSaveLeavesTheBookAsItWas()
{
    const QString path = writeFile(u"two.csv"_s, "Name,Number\nBob,+44 7700 900123\nCy,+44 7700 900124\n");
    QFile blocker(m_dir->filePath(u"KORVANE"_s)); // a file where the settings folder should be
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const auto window = windowAnsweringFiles(path);
    window->importContacts(path);

    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().startsWith(u"Nothing was imported: the address book could not be saved. "_s)
                 && m_messages.first().size() > 70,
             qPrintable(m_messages.first()));
    QCOMPARE(window->AddressBook->Count(), 0);
    QCOMPARE(listed(*window), QStringList());

    QVERIFY(blocker.remove());
    m_messages.clear();
    window->importContacts(path);
    QCOMPARE(m_messages, QStringList{u"Imported 2 recipients."_s});
    QCOMPARE(listed(*window), (QStringList{u"Bob"_s, u"Cy"_s}));
}

void tst_FrmSmsContacts::exportWritesTheWholeBook_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("expected"); // empty: no file written
    QTest::addColumn<QString>("message");
    QTest::newRow("vCard") << u"book.vcf"_s
                           << QByteArray("BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ann\r\nTEL;TYPE=cell:00441111111111\r\n"
                                         "END:VCARD\r\nBEGIN:VCARD\r\nVERSION:4.0\r\nFN:Smith\\, Bob\r\n"
                                         "TEL;TYPE=cell:00442222222222\r\nEND:VCARD\r\n")
                           << QString();
    QTest::newRow("CSV") << u"book.csv"_s
                         << QByteArray("Name,Number\r\nAnn,00441111111111\r\n\"Smith, Bob\",00442222222222\r\n")
                         << QString();
    QTest::newRow("another ending") << u"book.txt"_s << QByteArray()
                                    << u"The address book can be exported as a vCard file (.vcf) or a CSV file "
                                       "(.csv). Please choose a file name that ends in one of these."_s;
    QTest::newRow("cancelled") << QString() << QByteArray() << QString();
}

void tst_FrmSmsContacts::exportWritesTheWholeBook()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, expected);
    QFETCH(QString, message);
    store(SettingsKeys::addressBookSection(),
          {{u"Count"_s, u"2"_s}, {u"1.Name"_s, u"Ann"_s}, {u"1.Number"_s, u"00441111111111"_s},
           {u"2.Name"_s, u"Smith, Bob"_s}, {u"2.Number"_s, u"00442222222222"_s}});
    const QString path = file.isEmpty() ? QString() : m_dir->filePath(file);
    const auto window = windowAnsweringFiles(path);
    child<QAction>(*window, "mnuExportContacts")->trigger();

    QCOMPARE(m_fileCaptions, QStringList{u"Export Address Book"_s});
    QCOMPARE(m_messages, message.isEmpty() ? QStringList() : QStringList{message});
    if (expected.isEmpty()) {
        QVERIFY(path.isEmpty() || !QFile::exists(path));
        return;
    }
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), expected);
}

QTEST_MAIN(tst_FrmSmsContacts)
#include "tst_frmsms_contacts.moc"
