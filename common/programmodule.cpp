// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/programmodule.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

using namespace Qt::StringLiterals;

namespace ProgramModule {

QString programFolder()
{
    // Not QCoreApplication::applicationDirPath(): a layer may be used before
    // any application object exists, or without one (the fuzzers).
    return QFileInfo(QFile::symLinkTarget(u"/proc/self/exe"_s)).absolutePath();
}

QFunctionPointer resolve(const QString &fileName, const char *symbol, QString *why)
{
    const QString path = programFolder() + u'/' + fileName;
    // QLibrary would try other names too, and tell only of the last.
    if (!QFileInfo::exists(path)) {
        if (why)
            *why = QCoreApplication::translate("ProgramModule", "%1 is missing").arg(path);
        return nullptr;
    }
    QLibrary library(path);
    // Bound lazily, as the libraries that a program links are: binding every
    // symbol of libcurl and the libraries it brings at once costs more than
    // the request. It stays loaded, as what it started may outlive the caller.
    library.setLoadHints(QLibrary::PreventUnloadHint);
    if (!library.load()) {
        if (why)
            *why = QCoreApplication::translate("ProgramModule", "%1 could not be loaded (%2)").arg(path, library.errorString());
        return nullptr;
    }
    const QFunctionPointer function = library.resolve(symbol);
    if (!function && why)
        *why = QCoreApplication::translate("ProgramModule", "%1 is not KORVANE's").arg(path);
    return function;
}

} // namespace ProgramModule
