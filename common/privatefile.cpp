// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/privatefile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace PrivateFile {

bool open(QSaveFile &file)
{
    const bool replacing = QFileInfo::exists(file.fileName());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // The new file is written beside the old one and renamed over it at
    // commit(), so its mode is the one set here; it holds nothing yet.
    if (!replacing && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace PrivateFile
