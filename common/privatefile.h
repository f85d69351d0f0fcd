// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QSaveFile;

// Files the program writes for the user that hold other people's numbers and
// messages: the exports of the address book and the history.
namespace PrivateFile {

// Opens `file` for writing. A file that does not exist yet is created
// readable and writable by its owner alone (0600), whatever the umask; a
// file being replaced keeps the mode it has, which its owner may have set.
bool open(QSaveFile &file);

} // namespace PrivateFile
