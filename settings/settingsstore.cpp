// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/settingsstore.h"

#include "common/filekind.h"
#include "settings/privatefolder.h"
#include "settings/settingskeys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A hand-edited file may hold an unquoted comma ("Smith, Ann"), which
// QSettings reads as a list; QVariant would turn that into an empty text and
// the next save would store it so.
QString toText(const QVariant &value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

// The file that QSettings' native format uses on Linux for the user's
// scope. Worked out here rather than asked of a QSettings, which would read
// the file before the store could look at what it is.
QString userStoreFileName()
{
    const QString application = SettingsKeys::applicationName();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') + application
        + QLatin1Char('/') + application + QStringLiteral(".conf");
}

} // namespace

SettingsStore::SettingsStore()
    : SettingsStore(userStoreFileName())
{
}

QString SettingsStore::userFileName()
{
    return userStoreFileName();
}

SettingsStore::SettingsStore(const QString &fileName)
    : m_fileName(fileName)
{
    open();
}

bool SettingsStore::isRegularOrAbsent()
{
    const QString kind = FileKind::at(m_fileName);
    if (kind.isEmpty())
        return true;
    m_errorString = tr("The settings file %1 cannot be used: it is %2, not a regular file.")
                        .arg(QDir::toNativeSeparators(m_fileName), kind);
    return false;
}

void SettingsStore::open()
{
    m_reopenBeforeSave = false;
    m_settings.reset();
    // Reading a named pipe or a device would wait for ever, or never end;
    // writing through a link would write whatever file it leads to.
    if (!isRegularOrAbsent())
        return;
    m_settings = std::make_unique<QSettings>(m_fileName, QSettings::IniFormat);
    // QSettings replaces the file atomically (through QSaveFile) unless told
    // otherwise; say so, since the store's promise rests on it.
    m_settings->setAtomicSyncRequired(true);
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::fileName() const
{
    return m_fileName;
}

QString SettingsStore::getSetting(const QString &section, const QString &key,
                                  const QString &defaultValue) const
{
    if (!m_settings)
        return defaultValue;
    const QVariant value = m_settings->value(section + QLatin1Char('/') + key);
    if (!value.isValid())
        return defaultValue;
    return toText(value);
}

bool SettingsStore::saveSetting(const QString &section, const QString &key, const QString &value)
{
    return saveSettings(section, {{key, value}});
}

bool SettingsStore::saveSettings(const QString &section, const QList<KeyValue> &values)
{
    return write(section, values, Others::Kept);
}

bool SettingsStore::replaceSection(const QString &section, const QList<KeyValue> &values)
{
    return write(section, values, Others::Removed);
}

bool SettingsStore::write(const QString &section, const QList<KeyValue> &values, Others others)
{
    if (!prepareSave())
        return false;
    // QSettings keeps what it could not write, in its cache of the file that
    // every QSettings over the file shares, and writes it with the next save
    // of anything. So only what differs from the file is handed to it, each
    // change noted with what it replaced, to be put back, newest first,
    // should the write fail. Compared with the file as it is now, not as it
    // was read; where it cannot be reached, everything is written.
    const bool reached = QFileInfo::exists(m_fileName);
    if (reached)
        m_settings->sync();
    QList<std::pair<QString, QVariant>> before;
    m_settings->beginGroup(section);
    // A section that held nothing has no value to compare or put back: an
    // import into an empty book looks none up.
    const bool held = others == Others::Kept || removeOthers(values, before);
    for (const auto &[key, value] : values) {
        const QVariant stored = held ? m_settings->value(key) : QVariant();
        if (reached && stored.typeId() == QMetaType::QString && stored.toString() == value)
            continue;
        before.append({key, stored});
        m_settings->setValue(key, value);
    }
    const bool written = sync();
    if (!written)
        putBack(before);
    m_settings->endGroup();
    return written;
}

// Undoes the changes noted in `before`, newest first.
void SettingsStore::putBack(const QList<std::pair<QString, QVariant>> &before)
{
    for (auto it = before.crbegin(); it != before.crend(); ++it) {
        if (it->second.isValid())
            m_settings->setValue(it->first, it->second);
        else
            m_settings->remove(it->first);
    }
}

// Removes the keys of the current group that `values` does not name; false
// when the group held nothing at all.
bool SettingsStore::removeOthers(const QList<KeyValue> &values, QList<std::pair<QString, QVariant>> &before)
{
    const QStringList keys = m_settings->allKeys();
    if (keys.isEmpty())
        return false;
    QSet<QString> named;
    named.reserve(values.size());
    for (const auto &[key, value] : values)
        named.insert(key);
    for (const QString &key : keys) {
        if (named.contains(key))
            continue;
        before.append({key, m_settings->value(key)});
        m_settings->remove(key);
    }
    return true;
}

bool SettingsStore::prepareSave()
{
    if (m_reopenBeforeSave || !m_settings)
        open();
    // The file may have been swapped for something else since it was read.
    if (!m_settings || !isRegularOrAbsent())
        return false;
    // The file holds the user's and other people's phone numbers: a new one
    // is made readable by the user alone, in folders of the user's alone,
    // before QSettings writes to it. QSettings keeps the mode of the file it
    // replaces, so one that the user has set stays.
    makePrivateFolder(QFileInfo(m_fileName).absolutePath());
    const int fd = ::open(QFile::encodeName(m_fileName).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0)
        ::close(fd);
    return true;
}

bool SettingsStore::sync()
{
    m_settings->sync();
    // A FormatError tells of lines that could not be read when the file was
    // opened (a hand-edited or damaged file), not of this write: the file
    // has been rewritten whole all the same.
    if (m_settings->status() != QSettings::AccessError) {
        m_errorString.clear();
        return true;
    }
    m_errorString = describeWriteFailure();
    // QSettings keeps an error status for good, even after a later write
    // succeeds; the next save starts afresh so that it reports its own
    // outcome.
    m_reopenBeforeSave = true;
    return false;
}

// QSettings reports only that the write failed; look at the file system to
// tell the user why.
QString SettingsStore::describeWriteFailure() const
{
    const QString file = QDir::toNativeSeparators(m_fileName);
    QFileInfo folder(QFileInfo(m_fileName).absolutePath());
    // The nearest part of the path that exists decides what went wrong.
    while (!folder.exists() && !folder.isRoot() && folder.absoluteFilePath() != folder.absolutePath())
        folder.setFile(folder.absolutePath());
    if (folder.exists() && !folder.isDir()) {
        return tr("%1 is a file where a folder should be, so %2 cannot be written.")
            .arg(QDir::toNativeSeparators(folder.absoluteFilePath()), file);
    }
    const QFileInfo info(m_fileName);
    if (info.exists() && !info.isWritable())
        return tr("There is no permission to write %1.").arg(file);
    if (folder.exists() && !folder.isWritable()) {
        return tr("There is no permission to write in the folder %1.")
            .arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    }
    return tr("%1 could not be written; the disk may be full.").arg(file);
}
