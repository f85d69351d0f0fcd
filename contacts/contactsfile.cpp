// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/contactsfile.h"

#include "common/privatefile.h"
#include "contacts/contactrecords.h"
#include "contacts/csv.h"
#include "contacts/vcard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ContactsFile {

namespace {

QString shown(const QString &fileName)
{
    return QDir::toNativeSeparators(fileName);
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString megabytes(qint64 bytes)
{
    return QLocale::c().toString(double(bytes) / (1024.0 * 1024.0), 'f', bytes < 10 * 1024 * 1024 ? 1 : 0);
}

// Closes a descriptor on every way out.
struct Descriptor
{
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

std::optional<ContactsFormat> formatForFileName(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"vcf" || suffix == u"vcard")
        return ContactsFormat::VCard;
    if (suffix == u"csv")
        return ContactsFormat::Csv;
    return std::nullopt;
}

ContactsFormat formatOf(const QString &fileName, QByteArrayView data)
{
    QByteArrayView start = data.first(std::min<qsizetype>(data.size(), 4096));
    if (start.startsWith("\xEF\xBB\xBF"))
        start = start.sliced(3);
    start = start.trimmed();
    constexpr QByteArrayView begin = "BEGIN:VCARD";
    if (start.size() >= begin.size() && start.first(begin.size()).compare(begin, Qt::CaseInsensitive) == 0)
        return ContactsFormat::VCard;
    if (const auto named = formatForFileName(fileName))
        return *named;
    return ContactsFormat::Csv;
}

Contents read(const QString &fileName)
{
    const QByteArray path = QFile::encodeName(fileName);
    Descriptor file;
    do {
        file.fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (file.fd < 0 && errno == EINTR);
    if (file.fd < 0)
        return {{},
                QCoreApplication::translate("ContactsFile", "%1 could not be opened: %2.")
                    .arg(shown(fileName), systemError(errno))};

    struct stat status {};
    if (::fstat(file.fd, &status) != 0)
        return {{},
                QCoreApplication::translate("ContactsFile", "%1 could not be read: %2.")
                    .arg(shown(fileName), systemError(errno))};
    if (S_ISDIR(status.st_mode))
        return {
            {},
            QCoreApplication::translate("ContactsFile", "%1 is a folder, not a contacts file.").arg(shown(fileName))};
    if (!S_ISREG(status.st_mode)) {
        return {{},
                QCoreApplication::translate("ContactsFile",
                                            "%1 is not a file but a device, a pipe or a socket, so it is not read.")
                    .arg(shown(fileName))};
    }
    const auto tooLarge = [&fileName](qint64 size) {
        return QCoreApplication::translate(
                   "ContactsFile", "%1 is too large for a contacts file (%2 MB; KORVANE reads files of up to %3 MB).")
            .arg(shown(fileName), megabytes(size), megabytes(ContactsLimits::maximumFileSize));
    };
    if (status.st_size > ContactsLimits::maximumFileSize)
        return {{}, tooLarge(status.st_size)};

    // Read to the end rather than to the size seen: the file may change
    // meanwhile. One byte more than the limit tells that it grew past it.
    QByteArray data(qsizetype(status.st_size) + 1, Qt::Uninitialized);
    qsizetype filled = 0;
    while (true) {
        if (filled == data.size()) {
            if (filled > ContactsLimits::maximumFileSize)
                return {{}, tooLarge(filled)};
            data.resize(std::min<qsizetype>(data.size() * 2, ContactsLimits::maximumFileSize + 1));
        }
        const ssize_t count = ::read(file.fd, data.data() + filled, size_t(data.size() - filled));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return {{},
                    QCoreApplication::translate("ContactsFile", "%1 could not be read: %2.")
                        .arg(shown(fileName), systemError(errno))};
        if (count == 0)
            break;
        filled += count;
    }
    data.truncate(filled);
    return {data, {}};
}

std::optional<QString> write(const QString &fileName, std::span<const AddressBookEntry> entries)
{
    const std::optional<ContactsFormat> format = formatForFileName(fileName);
    if (!format) {
        return QCoreApplication::translate("ContactsFile",
                                           "%1 was not written: name the file .vcf for vCard or .csv for CSV.")
            .arg(shown(fileName));
    }
    const QByteArray bytes = *format == ContactsFormat::VCard ? VCard::write(entries) : Csv::write(entries);
    QSaveFile file(fileName);
    if (!PrivateFile::open(file))
        return QCoreApplication::translate("ContactsFile", "%1 could not be written: %2.")
            .arg(shown(fileName), file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        return QCoreApplication::translate("ContactsFile", "%1 could not be written: %2.")
            .arg(shown(fileName), file.errorString());
    return std::nullopt;
}

} // namespace ContactsFile
