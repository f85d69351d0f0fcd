// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "credentials/keychainaccess.h"

#include <QCoreApplication>
#include <QLibrary>

using namespace Qt::StringLiterals;

namespace KeychainAccess {

const Functions *functions(QString *why)
{
    struct Loaded
    {
        const Functions *table = nullptr;
        QString error;
    };
    // Once per process: the module stays loaded until the program ends, as
    // the jobs it starts may outlive whoever asked.
    static const Loaded loaded = [] {
        const QString module = QCoreApplication::applicationDirPath() + u"/korvane-keychain.so"_s;
        QLibrary library(module);
        // Every symbol bound at once, so that a module that does not fit
        // fails here rather than in the middle of a job.
        library.setLoadHints(QLibrary::ResolveAllSymbolsHint | QLibrary::PreventUnloadHint);
        if (!library.load())
            return Loaded{nullptr, QCoreApplication::translate("KeychainAccess", "its module could not be loaded (%1)")
                                       .arg(library.errorString())};
        const auto entry = reinterpret_cast<KorvaneKeychainFunctions *>(library.resolve("korvane_keychain_functions"));
        if (!entry)
            return Loaded{nullptr,
                          QCoreApplication::translate("KeychainAccess", "its module %1 is not KORVANE's").arg(module)};
        return Loaded{entry(), QString()};
    }();
    if (!loaded.table && why)
        *why = loaded.error;
    return loaded.table;
}

} // namespace KeychainAccess
