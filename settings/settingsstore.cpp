// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/settingsstore.h"

#include "settings/settingskeys.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringDecoder>

namespace {

QString userStoreFileName()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     SettingsKeys::applicationName(), SettingsKeys::applicationName())
        .fileName();
}

} // namespace

// On Linux the native format of QSettings is this INI file.
SettingsStore::SettingsStore()
    : SettingsStore(userStoreFileName())
{
}

SettingsStore::SettingsStore(const QString &fileName)
    : m_fileName(fileName)
{
    open();
}

void SettingsStore::open()
{
    m_reopenBeforeSave = false;
    m_settings.reset();
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
    const QVariant value = m_settings->value(section + QLatin1Char('/') + key);
    if (!value.isValid())
        return defaultValue;
    // A hand-edited file may hold an unquoted comma ("Smith, Ann"), which
    // QSettings reads as a list; QVariant would turn that into an empty text
    // and the next save would store it so.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

QHash<QString, QString> SettingsStore::readSection(const QString &section) const
{
    if (auto values = readPlainSection(section))
        return *values;
    return readSectionThroughSettings(section);
}

QHash<QString, QString> SettingsStore::readSectionThroughSettings(const QString &section) const
{
    QHash<QString, QString> values;
    m_settings->beginGroup(section);
    const QStringList keys = m_settings->childKeys();
    m_settings->endGroup();
    for (const QString &key : keys)
        values.insert(key, getSetting(section, key));
    return values;
}

namespace {

// Names that QSettings writes as they are, without %-escapes.
bool isPlainName(QByteArrayView name)
{
    if (name.isEmpty())
        return false;
    for (char c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.'
            || c == '_' || c == '-';
        if (!plain)
            return false;
    }
    return true;
}

// A value QSettings reads back exactly as it stands: no quotes, escapes,
// list commas, type markers or comment characters, and no control
// characters. Anything else is left to QSettings.
bool isPlainValue(QByteArrayView value)
{
    for (char c : value) {
        switch (c) {
        case '"': case '\\': case ',': case '@': case ';': case '#': case '=': case '%':
            return false;
        default:
            if (uchar(c) < 0x20 || c == 0x7f)
                return false;
        }
    }
    return true;
}

} // namespace

// The file as written by QSettings: "[Section]" lines, then "key=value"
// lines. Returns nothing when the file holds anything this reader does not
// plainly understand in or around the section; the caller then asks
// QSettings, which knows every form it can write.
std::optional<QHash<QString, QString>> SettingsStore::readPlainSection(const QString &section) const
{
    // Values of a failed save live only in QSettings' memory.
    if (m_reopenBeforeSave)
        return std::nullopt;
    QHash<QString, QString> values;
    QFile file(m_fileName);
    if (!file.exists())
        return values;
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    const QByteArray wanted = section.toUtf8();
    if (!isPlainName(wanted) || bytes.startsWith("\xEF\xBB\xBF"))
        return std::nullopt;
    // Bytes that are not UTF-8 are decoded as QSettings decodes them.
    {
        QStringDecoder check(QStringDecoder::Utf8);
        const QString decoded = check.decode(bytes);
        if (check.hasError())
            return std::nullopt;
    }

    bool inSection = false;
    bool seenSection = false;
    QStringList fallbackKeys;
    const QByteArrayView all(bytes);
    for (qsizetype start = 0; start < all.size();) {
        qsizetype end = all.indexOf('\n', start);
        if (end < 0)
            end = all.size();
        const QByteArrayView line = all.sliced(start, end - start).trimmed();
        start = end + 1;
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            if (!line.endsWith(']'))
                return std::nullopt;
            const QByteArrayView name = line.sliced(1, line.size() - 2);
            inSection = name == wanted;
            if (inSection && seenSection)
                return std::nullopt; // the section twice: QSettings merges them
            seenSection = seenSection || inSection;
            if (!inSection && !isPlainName(name) && name.contains('%'))
                return std::nullopt; // an escaped name that may decode to ours
            continue;
        }
        if (!inSection)
            continue;
        const qsizetype equals = line.indexOf('=');
        if (equals < 0 || line.endsWith('\\'))
            return std::nullopt;
        const QByteArrayView key = line.first(equals).trimmed();
        const QByteArrayView value = line.sliced(equals + 1).trimmed();
        if (!isPlainName(key))
            return std::nullopt;
        const QString keyText = QString::fromLatin1(key);
        if (values.contains(keyText) || fallbackKeys.contains(keyText))
            return std::nullopt;
        if (!isPlainValue(value)) {
            fallbackKeys.append(keyText);
            continue;
        }
        values.insert(keyText, QString::fromUtf8(value));
    }
    for (const QString &key : std::as_const(fallbackKeys))
        values.insert(key, getSetting(section, key));
    return values;
}

bool SettingsStore::saveSetting(const QString &section, const QString &key, const QString &value)
{
    return saveSettings(section, {{key, value}});
}

bool SettingsStore::saveSettings(const QString &section, const QList<KeyValue> &values)
{
    if (m_reopenBeforeSave)
        open();
    m_settings->beginGroup(section);
    for (const auto &[key, value] : values)
        m_settings->setValue(key, value);
    m_settings->endGroup();
    return sync();
}

bool SettingsStore::deleteSettings(const QString &section, const QStringList &keys)
{
    if (m_reopenBeforeSave)
        open();
    m_settings->beginGroup(section);
    for (const QString &key : keys)
        m_settings->remove(key);
    m_settings->endGroup();
    return sync();
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
    // outcome. The unwritten values stay with the file's shared state in
    // QSettings, and every caller rewrites what it owns at its next save.
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
        return QStringLiteral("%1 is a file where a folder should be, so %2 cannot be written.")
            .arg(QDir::toNativeSeparators(folder.absoluteFilePath()), file);
    }
    const QFileInfo info(m_fileName);
    if (info.exists() && !info.isWritable())
        return QStringLiteral("There is no permission to write %1.").arg(file);
    if (folder.exists() && !folder.isWritable()) {
        return QStringLiteral("There is no permission to write in the folder %1.")
            .arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    }
    return QStringLiteral("%1 could not be written; the disk may be full.").arg(file);
}
