// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The address book's contacts files: "Import…" and "Export…" on the list's
// context menu, and vCard or CSV files dropped on the list. Reading and
// writing the files is the contacts layer's; the window only asks for a file
// and tells what happened.

#include "app/frmsms.h"

#include "contacts/contactsfile.h"
#include "contacts/contactsimport.h"
#include "settings/settingsstore.h"

#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

using namespace Qt::StringLiterals;

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
        lines.append(u"%1: %2 %3"_s.arg(skipped.origin.text(), skipped.name.isEmpty() ? u"a contact"_s : skipped.name,
                                        skipped.reasonText()));
    }
    return lines.join(u'\n');
}

} // namespace

void frmSMS::mnuImportContacts_Click()
{
    const QString fileName = m_prompts.chooseFile(this, Prompts::FileAction::Open, u"Import Contacts"_s,
                                                  u"Contacts files (*.vcf *.vcard *.csv);;All files (*)"_s);
    if (!fileName.isEmpty())
        importContacts(fileName);
}

void frmSMS::importContacts(const QString &fileName)
{
    // National numbers take the calling code of the country chosen in the menu.
    const ContactsImport import
        = ContactsImport::fromFile(fileName, {AddressBook->foldedNames(), AddressBook->room()}, culture);
    if (!import.error().isEmpty()) {
        showMessage(import.error());
        return;
    }
    if (!AddressBook->AddAll(import.accepted())) {
        showMessage(u"Nothing was imported: the address book could not be saved. %1"_s.arg(m_store.errorString()));
        return;
    }
    AddressBook->UpdateScreen(lstAddressBook);
    showMessage(import.summary(), skippedDetails(import));
}

void frmSMS::mnuExportContacts_Click()
{
    const QString fileName = m_prompts.chooseFile(this, Prompts::FileAction::Save, u"Export Address Book"_s,
                                                  u"vCard files (*.vcf);;CSV files (*.csv)"_s);
    if (fileName.isEmpty())
        return;
    if (!ContactsFile::formatForFileName(fileName)) {
        showMessage(u"The address book can be exported as a vCard file (.vcf) or a CSV file (.csv). Please choose a "
                    "file name that ends in one of these."_s);
        return;
    }
    if (const std::optional<QString> error = ContactsFile::write(fileName, AddressBook->NewEnum()))
        showMessage(u"The address book could not be exported. %1"_s.arg(*error));
}

bool frmSMS::contactsDropEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (contactsFilesOf(drag->mimeData()).isEmpty())
            return false;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList files = contactsFilesOf(drop->mimeData());
        if (files.isEmpty())
            return false;
        drop->acceptProposedAction();
        // The drag ends first: the summary box must not hold up the program
        // that the file was dragged from.
        QTimer::singleShot(0, this, [this, files] {
            for (const QString &file : files)
                importContacts(file);
        });
        return true;
    }
    default:
        return false;
    }
}
