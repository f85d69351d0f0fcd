// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/programmodule.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

#include <future>
#include <optional>
#include <mutex>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

struct Loaded
{
    void *handle = nullptr;
    std::string error; // dlerror()'s words when it could not be loaded
};

// Bound lazily, as the libraries that a program links are: binding every
// symbol of libcurl and the libraries it brings at once costs more than the
// request. Kept to itself, and never unloaded, as what it started may
// outlive the caller. Only the C library is used here, so that a loading
// thread never meets Qt's objects while the program ends.
Loaded load(const std::string &path)
{
    Loaded loaded;
    loaded.handle = ::dlopen(path.c_str(), RTLD_LAZY | RTLD_LOCAL | RTLD_NODELETE);
    if (!loaded.handle) {
        const char *error = ::dlerror();
        loaded.error = error ? error : "";
    }
    return loaded;
}

// The modules whose loading has begun, each once per program. A loading
// thread that is still at work when the program ends is waited for by its
// future's destructor.
struct Loading
{
    QString fileName;
    std::shared_future<Loaded> loaded;
};

std::mutex s_mutex;
std::vector<Loading> s_loading;

QString pathOf(const QString &fileName)
{
    return ProgramModule::programFolder() + u'/' + fileName;
}

// The module's loading, begun in another thread when `inBackground`, else in
// this one; nothing when its file is missing.
std::optional<std::shared_future<Loaded>> loading(const QString &fileName, bool inBackground)
{
    const std::lock_guard lock(s_mutex);
    for (const Loading &module : s_loading) {
        if (module.fileName == fileName)
            return module.loaded;
    }
    const QString path = pathOf(fileName);
    // dlopen() would search the library path for a missing module's name.
    if (!QFileInfo::exists(path))
        return std::nullopt;
    const std::launch policy = inBackground ? std::launch::async : std::launch::deferred;
    std::shared_future<Loaded> loaded = std::async(policy, load, QFile::encodeName(path).toStdString()).share();
    s_loading.push_back({fileName, loaded});
    return loaded;
}

} // namespace

namespace ProgramModule {

QString programFolder()
{
    // Not QCoreApplication::applicationDirPath(): a layer may be used before
    // any application object exists, or without one (the fuzzers).
    return QFileInfo(QFile::symLinkTarget(u"/proc/self/exe"_s)).absolutePath();
}

void prepare(const QString &fileName)
{
    loading(fileName, true);
}

QFunctionPointer resolve(const QString &fileName, const char *symbol, QString *why)
{
    const std::optional<std::shared_future<Loaded>> module = loading(fileName, false);
    if (!module) {
        if (why)
            *why = QCoreApplication::translate("ProgramModule", "%1 is missing").arg(pathOf(fileName));
        return nullptr;
    }
    const Loaded &loaded = module->get();
    if (!loaded.handle) {
        if (why) {
            *why = QCoreApplication::translate("ProgramModule", "%1 could not be loaded (%2)")
                       .arg(pathOf(fileName), QString::fromLocal8Bit(loaded.error));
        }
        return nullptr;
    }
    const auto function = reinterpret_cast<QFunctionPointer>(::dlsym(loaded.handle, symbol));
    if (!function && why)
        *why = QCoreApplication::translate("ProgramModule", "%1 is not KORVANE's").arg(pathOf(fileName));
    return function;
}

} // namespace ProgramModule
