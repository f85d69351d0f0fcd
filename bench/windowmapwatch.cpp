// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/windowmapwatch.h"

#include <QFile>
#include <QSet>

#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <vector>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

WindowMapWatch::Footprint footprintOf(pid_t pid)
{
    WindowMapWatch::Footprint footprint;
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                footprint.residentMiB = line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
        }
    }
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    if (maps.open(QIODevice::ReadOnly)) {
        QSet<QByteArray> libraries;
        for (const QByteArray &line : maps.readAll().split('\n')) {
            const qsizetype path = line.indexOf('/');
            if (path >= 0 && line.contains(".so"))
                libraries.insert(line.mid(path));
        }
        footprint.libraries = int(libraries.size());
    }
    return footprint;
}

} // namespace

WindowMapWatch::WindowMapWatch()
{
    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    m_connection = connection;
    m_root = screens.data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(m_connection);
}

WindowMapWatch::~WindowMapWatch()
{
    if (m_connection)
        xcb_disconnect(m_connection);
}

std::optional<std::chrono::duration<double>> WindowMapWatch::timeToWindow(const QString &program,
                                                                          const QStringList &environment,
                                                                          std::chrono::seconds limit,
                                                                          Footprint *footprint)
{
    if (!m_connection)
        return std::nullopt;
    // Events of earlier runs are not this one's.
    while (xcb_generic_event_t *old = xcb_poll_for_event(m_connection))
        std::free(old);

    // The given variables replace those of the same name.
    std::vector<QByteArray> storage;
    for (const QString &variable : environment)
        storage.push_back(variable.toLocal8Bit());
    const auto overridden = [&environment](const QByteArray &variable) {
        const QByteArray name = variable.left(variable.indexOf('=') + 1);
        for (const QString &given : environment) {
            if (given.toLocal8Bit().startsWith(name))
                return true;
        }
        return false;
    };
    for (char **variable = environ; *variable; ++variable) {
        if (!overridden(QByteArray(*variable)))
            storage.emplace_back(*variable);
    }
    std::vector<char *> envp;
    for (QByteArray &variable : storage)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    QByteArray path = QFile::encodeName(program);
    char *argv[] = {path.data(), nullptr};

    // The program's own output is not the benchmark's.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    const auto start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path.constData(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return std::nullopt;

    std::optional<std::chrono::duration<double>> result;
    const auto deadline = start + limit;
    pollfd server{xcb_get_file_descriptor(m_connection), POLLIN, 0};
    while (!result && Clock::now() < deadline) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY
                && reinterpret_cast<xcb_map_notify_event_t *>(event)->event == m_root && !result)
                result = Clock::now() - start;
            std::free(event);
        }
        if (result || waitpid(pid, nullptr, WNOHANG) == pid) {
            if (result)
                break;
            return std::nullopt; // ended without a window
        }
        if (xcb_connection_has_error(m_connection))
            break;
        poll(&server, 1, 50);
    }
    if (result && footprint)
        *footprint = footprintOf(pid);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return result;
}
