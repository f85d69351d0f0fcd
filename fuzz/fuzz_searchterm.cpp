// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A history search term of arbitrary text, as typed or pasted into the
// History window's search box: the search must answer, from the full-text
// index and from the scan alike, and never fail on what the user typed.

#include "history/historystore.h"
#include "history/searchterm.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<QCoreApplication> s_app;
std::unique_ptr<QTemporaryDir> s_dir;
std::unique_ptr<HistoryStore> s_store;

// The first byte chooses how the rest is read: UTF-8 as typed, or UTF-16
// units as they are, lone surrogates included.
QString termOf(const uint8_t *data, size_t size)
{
    if (size == 0)
        return QString();
    const auto *rest = reinterpret_cast<const char *>(data + 1);
    if (data[0] % 2 == 0)
        return QString::fromUtf8(rest, qsizetype(size - 1));
    QString units(qsizetype((size - 1) / 2), Qt::Uninitialized);
    std::memcpy(units.data(), rest, std::size_t(units.size()) * sizeof(QChar));
    return units;
}

void fail(const char *what, const QString &detail)
{
    std::fprintf(stderr, "%s: %s\n", what, qPrintable(detail));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    s_app = std::make_unique<QCoreApplication>(*argc, *argv);
    s_dir = std::make_unique<QTemporaryDir>();
    s_store = std::make_unique<HistoryStore>(s_dir->filePath(u"history.sqlite"_s));
    // More rows than one batch of the full-text index, so that a term is
    // looked up in the index and in the rows above its mark.
    const QStringList messages{u"Lunch at 1?"_s, u"50% off *today* [only]"_s, u"\"quoted\" text"_s,
                               u"Grüße \U0001F600 漢字"_s, u"ǅ ß ﬃ İ"_s};
    for (int i = 0; i < 100; ++i) {
        HistoryRecord send;
        send.recipientName = u"Name %1"_s.arg(i);
        send.recipientNumber = u"0044791100%1"_s.arg(i, 4, 10, QChar(u'0'));
        send.message = messages.at(i % messages.size());
        if (!s_store->begin(send))
            fail("cannot record", s_store->errorString());
    }
    // At exit, before Qt SQL's own statics (made after ours) are gone.
    std::atexit([] {
        s_store.reset();
        s_dir.reset();
        s_app.reset();
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString filter = termOf(data, size);
    const SearchTerm term(filter);
    if (term.text().contains(QChar(u'\0')))
        fail("NUL in the term", term.text());
    // Case folding writes at most three characters for one.
    if (term.text().size() > 3 * SearchTerm::maximumLength)
        fail("term longer than its limit", QString::number(term.text().size()));
    if (!s_store->records({.filter = filter, .limit = 50}))
        fail("search failed", s_store->errorString());
    return 0;
}
