// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <sys/types.h>

// What lies where a file the program reads or writes should be, in words that
// follow "it is", for the message that refuses it. The store and its locks
// open regular files only: a link is named as a link and never followed, so
// that nothing they write lands in a file elsewhere, with that file's mode.
namespace FileKind {

// "a folder", "a symbolic link", "a named pipe", "a device", "a socket", ...;
// empty for a regular file.
QString of(mode_t mode);

// The same for the path itself (a link is not followed); empty for a regular
// file or for nothing at all.
QString at(const QString &path);

} // namespace FileKind
