// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A settings file of arbitrary bytes: loading it, saving the book and loading
// again must give the same book. No save may shorten or corrupt what was listed.

#include "addressbook/addressbookentries.h"
#include "settings/settingsstore.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

std::unique_ptr<QTemporaryDir> s_dir;
int s_run = 0;

std::vector<AddressBookEntry> load(const QString &fileName)
{
    SettingsStore store(fileName);
    AddressBookEntries book(store);
    book.Load();
    return {book.begin(), book.end()};
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    s_dir = std::make_unique<QTemporaryDir>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A fresh name each run: QSettings caches a file's contents by its name.
    const QString fileName = s_dir->filePath(QStringLiteral("KORVANE-%1.conf").arg(++s_run));
    {
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }

    std::vector<AddressBookEntry> first;
    {
        SettingsStore store(fileName);
        AddressBookEntries book(store);
        book.Load();
        first.assign(book.begin(), book.end());
        if (!book.Save()) {
            std::fprintf(stderr, "save failed: %s\n", qPrintable(store.errorString()));
            std::abort();
        }
    }
    const std::vector<AddressBookEntry> second = load(fileName);
    if (first != second) {
        std::fprintf(stderr, "loaded %zu entries, after a save %zu\n", first.size(), second.size());
        for (size_t i = 0; i < first.size() || i < second.size(); ++i) {
            std::fprintf(stderr, "  %zu: [%s|%s] -> [%s|%s]\n", i + 1,
                         i < first.size() ? qPrintable(first[i].Name) : "-",
                         i < first.size() ? qPrintable(first[i].Number) : "-",
                         i < second.size() ? qPrintable(second[i].Name) : "-",
                         i < second.size() ? qPrintable(second[i].Number) : "-");
        }
        std::abort();
    }
    QFile::remove(fileName);
    return 0;
}
