// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/contactstransfer.h"

#include "addressbook/addressbookentries.h"
#include "app/prompts.h"
#include "contacts/contactsfile.h"
#include "contacts/contactsimport.h"
#include "settings/settingsstore.h"

#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace {

// The local files of a drag when every one of them is a contacts file by
// its name; nothing otherwise.
QStringList contactsFilesOf(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return {};
    QStringList files;
    for (const QUrl &url : data->urls()) {
        const QString file = url.toLocalFile();
        if (file.isEmpty() || !ContactsFile::formatForFileName(file))
            return {};
        files.append(file);
    }
    return files;
}

// One line per contact left out: where it was, who, and why.
QString skippedDetails(const ContactsImport &import)
{
    QStringList lines;
    for (const SkippedContact &skipped : import.skipped()) {
        const QString who = skipped.name.isEmpty() ? ContactsTransfer::tr("a contact") : skipped.name;
        //: Where a contact was in the file, who it is, and why it was left out:
        //: "line 4: Ann has no phone number".
        lines.append(ContactsTransfer::tr("%1: %2 %3").arg(skipped.origin.text(), who, skipped.reasonText()));
    }
    return lines.join(u'\n');
}

} // namespace

ContactsTransfer::ContactsTransfer(AddressBookEntries &book, QListWidget &list, const QString &culture,
                                   const SettingsStore &store, const Prompts &prompts, QWidget *window)
    : QObject(window)
    , m_book(book)
    , m_list(list)
    , m_culture(culture)
    , m_store(store)
    , m_prompts(prompts)
    , m_window(window)
{
    // vCard and CSV files dropped on the list are imported.
    m_list.viewport()->setAcceptDrops(true);
    m_list.viewport()->installEventFilter(this);
}

ContactsTransfer::~ContactsTransfer() = default;

void ContactsTransfer::chooseAndImport()
{
    const QString fileName = m_prompts.chooseFile(m_window, Prompts::FileAction::Open, tr("Import Contacts"),
                                                  tr("Contacts files (*.vcf *.vcard *.csv);;All files (*)"));
    if (!fileName.isEmpty())
        importFile(fileName);
}

void ContactsTransfer::importFile(const QString &fileName)
{
    const ContactsImport import
        = ContactsImport::fromFile(fileName, {m_book.foldedNames(), m_book.room()}, m_culture);
    if (!import.error().isEmpty()) {
        m_prompts.showMessage(m_window, import.error());
        return;
    }
    if (!m_book.AddAll(import.accepted())) {
        m_prompts.showMessage(m_window, tr("Nothing was imported: the address book could not be saved. %1")
                                            .arg(m_store.errorString()));
        return;
    }
    m_book.UpdateScreen(&m_list);
    m_prompts.showMessage(m_window, import.summary(), skippedDetails(import));
}

void ContactsTransfer::chooseAndExport()
{
    const QString fileName = m_prompts.chooseFile(m_window, Prompts::FileAction::Save, tr("Export Address Book"),
                                                  tr("vCard files (*.vcf);;CSV files (*.csv)"));
    if (fileName.isEmpty())
        return;
    if (!ContactsFile::formatForFileName(fileName)) {
        m_prompts.showMessage(m_window, tr("The address book can be exported as a vCard file (.vcf) or a CSV file "
                                           "(.csv). Please choose a file name that ends in one of these."));
        return;
    }
    if (const std::optional<QString> error = ContactsFile::write(fileName, m_book.NewEnum()))
        m_prompts.showMessage(m_window, tr("The address book could not be exported. %1").arg(*error));
}

bool ContactsTransfer::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (contactsFilesOf(drag->mimeData()).isEmpty())
            break;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList files = contactsFilesOf(drop->mimeData());
        if (files.isEmpty())
            break;
        drop->acceptProposedAction();
        // The drag ends first: the summary box must not hold up the program
        // that the file was dragged from.
        QTimer::singleShot(0, this, [this, files] {
            for (const QString &file : files)
                importFile(file);
        });
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
