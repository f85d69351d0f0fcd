// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QString;

// Creates a folder and any missing folders above it, each readable by the
// user alone (mode 0700), as the XDG base-directory rules ask for folders
// that hold a user's own data. Folders that exist already keep their mode.
// True when the folder exists afterwards.
bool makePrivateFolder(const QString &folder);
