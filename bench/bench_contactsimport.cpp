// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Importing a vCard file of 10,000 contacts into an empty address book, with
// its one save, beside its floor: reading the same file, libphonenumber's
// reading of each card's number as written (Parse and Format, the least that
// bringing a number to the book's form takes) and a bare QSettings write of
// the book that the import makes, with sync().

#include "addressbook/addressbookentries.h"
#include "bench/benchmain.h"
#include "contacts/contactsimport.h"
#include "settings/settingsstore.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <phonenumbers/phonenumberutil.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

QString name(int i)
{
    return QStringLiteral("Contact %1 Example").arg(i, 5, 10, QLatin1Char('0'));
}

QString number(int i)
{
    return QStringLiteral("0044%1").arg(7700000000LL + i);
}

// Cards as a phone exports them: a name in two forms, a mobile and a home
// number, an e-mail address and a note.
QByteArray cards(int count)
{
    QByteArray out;
    for (int i = 1; i <= count; ++i) {
        out += "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Example;Contact " + QByteArray::number(i) + ";;;\r\nFN:"
            + name(i).toUtf8() + "\r\nTEL;TYPE=HOME,VOICE:+44 20 7946 " + QByteArray::number(1000 + i % 9000)
            + "\r\nTEL;TYPE=CELL:+44 " + QByteArray::number(7700000000LL + i)
            + "\r\nEMAIL;TYPE=INTERNET:contact" + QByteArray::number(i)
            + "@example.com\r\nNOTE:Met at the conference\\, talked about SMS.\r\nEND:VCARD\r\n";
    }
    return out;
}

struct Fixture
{
    QTemporaryDir dir;
    QString cardsFile;
    QString storeFile;

    explicit Fixture(int count)
        : cardsFile(dir.filePath(QStringLiteral("contacts.vcf")))
        , storeFile(dir.filePath(QStringLiteral("KORVANE.conf")))
    {
        QFile file(cardsFile);
        if (file.open(QIODevice::WriteOnly))
            file.write(cards(count));
    }
};

void import_floor(benchmark::State &state)
{
    using i18n::phonenumbers::PhoneNumberUtil;
    const int count = int(state.range(0));
    Fixture fixture(count);
    const PhoneNumberUtil &util = *PhoneNumberUtil::GetInstance();
    for (auto _ : state) {
        QFile::remove(fixture.storeFile);
        const auto start = Clock::now();
        QFile file(fixture.cardsFile);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("the cards could not be read");
            break;
        }
        benchmark::DoNotOptimize(file.readAll());
        QSettings settings(fixture.storeFile, QSettings::IniFormat);
        settings.setAtomicSyncRequired(true);
        settings.beginGroup(QStringLiteral("AddressBook"));
        settings.setValue(QStringLiteral("Count"), QString::number(count));
        for (int i = 1; i <= count; ++i) {
            i18n::phonenumbers::PhoneNumber parsed;
            util.Parse("+44 " + std::to_string(7700000000LL + i), "GB", &parsed);
            std::string e164;
            util.Format(parsed, PhoneNumberUtil::E164, &e164);
            settings.setValue(QString::number(i) + QStringLiteral(".Name"), name(i));
            const QString bookForm = u"00" + QString::fromStdString(e164).sliced(1);
            settings.setValue(QString::number(i) + QStringLiteral(".Number"), bookForm);
        }
        settings.endGroup();
        settings.sync();
        const auto stop = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        if (settings.status() != QSettings::NoError) {
            state.SkipWithError("the file could not be written");
            break;
        }
    }
}

void import_program(benchmark::State &state)
{
    const int count = int(state.range(0));
    Fixture fixture(count);
    for (auto _ : state) {
        QFile::remove(fixture.storeFile);
        SettingsStore store(fixture.storeFile);
        AddressBookEntries book(store);
        const auto start = Clock::now();
        const ContactsImport import
            = ContactsImport::fromFile(fixture.cardsFile, {book.foldedNames(), book.room()}, u"en-GB");
        const bool saved = import.error().isEmpty() && book.AddAll(import.accepted());
        const auto stop = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        if (!saved || book.Count() != count || book.Item(count)->Number != number(count)) {
            state.SkipWithError(import.error().isEmpty() ? "the cards were not imported" : qPrintable(import.error()));
            break;
        }
    }
}

void importArguments(benchmark::internal::Benchmark *b)
{
    b->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond)->Repetitions(benchRepetitions)
        ->ReportAggregatesOnly(true);
}

BENCHMARK(import_floor)->Apply(importArguments);
BENCHMARK(import_program)->Apply(importArguments);

} // namespace

int main(int argc, char **argv)
{
    // The numbering plans load once per process, before any of the timing.
    i18n::phonenumbers::PhoneNumberUtil::GetInstance();
    return runBenchmarks(argc, argv, {{"import_program", "import_floor", 1.5}});
}
