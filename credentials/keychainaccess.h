// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QObject;

// The secret store's three operations on one entry, in a module of their own
// (korvane-keychain.so beside the program). QtKeychain brings Qt D-Bus,
// libsecret and GLib with it, which every command would otherwise load at its
// start; the store is needed only when a service asks to sign in.
namespace KeychainAccess {

enum class Status { Done, NotFound, Failed };

// How one operation ended.
struct Result
{
    Status status = Status::Done;
    // For Failed: why, in the program's words, to be read inside a sentence.
    QString why;
    // For Failed: what the secret store said itself, often in the words of
    // D-Bus or libsecret; for the details of a message, and may be empty.
    QString detail;
    // For a read that is Done: the entry's text.
    QString secret;
};

using Finished = std::function<void(const Result &result)>;

// The module's table. Each call reports once, from the event loop, and not
// at all once `context` is gone.
struct Functions
{
    void (*read)(const QString &service, const QString &key, QObject *context, Finished done);
    void (*write)(const QString &service, const QString &key, const QString &secret, QObject *context,
                  Finished done);
    void (*remove)(const QString &service, const QString &key, QObject *context, Finished done);
};

// The module's table, loaded at the first call; null when the module cannot
// be loaded, with why in `why`.
const Functions *functions(QString *why);

} // namespace KeychainAccess

// The one symbol the module exports.
using KorvaneKeychainFunctions = const KeychainAccess::Functions *();
