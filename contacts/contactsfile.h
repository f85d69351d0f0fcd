// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "addressbook/addressbookentry.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <span>

// Contacts files on disk: which format a file is in, reading one safely
// and writing one whole or not at all.

enum class ContactsFormat {
    VCard, // .vcf, .vcard
    Csv,   // .csv
};

namespace ContactsFile {

// The format that a file's name asks for, letter case aside; nothing for
// any other ending.
std::optional<ContactsFormat> formatForFileName(const QString &fileName);

// The format of a file to import: vCard when its text begins with
// BEGIN:VCARD or its name ends .vcf or .vcard, else CSV.
ContactsFormat formatOf(const QString &fileName, QByteArrayView data);

struct Contents
{
    QByteArray data;
    QString error; // set when the file was not read: say this
};

// The bytes of a file to import. Only a regular file is read: a folder, a
// device, a pipe or a socket is refused without waiting on it (it is opened
// without blocking and looked at before any read). A file larger than
// ContactsLimits::maximumFileSize is refused before it is read.
Contents read(const QString &fileName);

// Writes the entries to a file in the format its name asks for (.vcf or
// .vcard: vCard 4.0; .csv: "Name,Number"), through a temporary file that
// replaces it only once complete, so a failed write leaves no half file
// and an existing file as it was. A new file is readable by its owner
// alone (PrivateFile::open): it holds other people's numbers. Returns why
// it failed, or nothing.
[[nodiscard]] std::optional<QString> write(const QString &fileName, std::span<const AddressBookEntry> entries);

} // namespace ContactsFile
