// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

class AddressBookEntries;
class QListWidget;
class SettingsStore;
struct Prompts;

// The address book's contacts files: "Import…" and "Export…" on the list's
// context menu, and vCard or CSV files dropped on the list. Reading and
// writing the files is the contacts layer's; this only asks for a file, puts
// what was read into the book and tells what happened.
class ContactsTransfer final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ContactsTransfer)

public:
    // Everything given must outlive this. National numbers in an imported
    // file take the calling code of `culture`, the country chosen in the
    // menu when the file is read.
    ContactsTransfer(AddressBookEntries &book, QListWidget &list, const QString &culture, const SettingsStore &store,
                     const Prompts &prompts, QWidget *window);
    ~ContactsTransfer() override;

    void chooseAndImport();
    // Imports a vCard or CSV file and tells what was imported and what was skipped.
    void importFile(const QString &fileName);
    void chooseAndExport();

protected:
    // Drags of contacts files onto the list.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AddressBookEntries &m_book;
    QListWidget &m_list;
    const QString &m_culture;
    const SettingsStore &m_store;
    const Prompts &m_prompts;
    QWidget *m_window;
};
