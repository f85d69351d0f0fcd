// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QVariant>

#include <memory>
#include <utility>

class QSettings;

// The per-user store of named text values.
//
// Values are addressed by section and key; the application name is fixed
// by the file the store works on. Every save reaches the disk before it
// returns: the file is rewritten through a temporary file and renamed over
// the old one, so a crash mid-save leaves either the old or the new file.
// A save that cannot be written returns false and errorString() says why;
// the store is then as it was before the save, in memory as on disk, so
// what the user was told is not saved never reaches the disk with a later
// save.
//
// A new file is made readable by the user alone (mode 0600), in folders of
// the user's alone (0700); an existing file keeps its mode. Only a regular
// file is ever opened: a store over a symbolic link, a named pipe, a device
// or a folder is not usable, reads give the defaults and saves fail, and
// errorString() says why.
class SettingsStore final
{
    Q_DECLARE_TR_FUNCTIONS(SettingsStore)

public:
    using KeyValue = std::pair<QString, QString>;

    // The user's own store: $XDG_CONFIG_HOME/KORVANE/KORVANE.conf on Linux.
    SettingsStore();
    // The file of the user's own store, without reading it.
    static QString userFileName();
    // A store in the given INI file, for tests and tools.
    explicit SettingsStore(const QString &fileName);
    ~SettingsStore();

    Q_DISABLE_COPY_MOVE(SettingsStore)

    QString fileName() const;

    // False when the file is there but is no regular file (a symbolic link
    // included); errorString() then says what it is.
    bool isUsable() const { return m_settings != nullptr; }

    // The stored text, or defaultValue when nothing is stored under the key.
    QString getSetting(const QString &section, const QString &key,
                       const QString &defaultValue = QString()) const;

    // Stores one value and writes the file.
    [[nodiscard]] bool saveSetting(const QString &section, const QString &key, const QString &value);
    // Stores several values of one section and writes the file once.
    [[nodiscard]] bool saveSettings(const QString &section, const QList<KeyValue> &values);
    // Replaces everything stored in one section with the given values, keys
    // that are not among them included, and writes the file once: what was
    // there before and is not written again is gone from the disk.
    [[nodiscard]] bool replaceSection(const QString &section, const QList<KeyValue> &values);

    // Why the last failed save failed, or why the store is not usable, in
    // plain words; empty after a success.
    QString errorString() const { return m_errorString; }

private:
    // Whether the keys of the section that a write does not name stay.
    enum class Others { Kept, Removed };

    bool write(const QString &section, const QList<KeyValue> &values, Others others);
    bool removeOthers(const QList<KeyValue> &values, QList<std::pair<QString, QVariant>> &before);
    void putBack(const QList<std::pair<QString, QVariant>> &before);
    void open();
    bool isRegularOrAbsent();
    bool prepareSave();
    bool sync();
    QString describeWriteFailure() const;

    QString m_fileName;
    std::unique_ptr<QSettings> m_settings;
    QString m_errorString;
    bool m_reopenBeforeSave = false;
};
