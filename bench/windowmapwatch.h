// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

struct xcb_connection_t;

// Times a program as a whole, the way its user waits for it: from the exec
// to its first top-level window mapped on the X server named by $DISPLAY.
// The watch listens to the root window for the map, so the program needs no
// help of its own; after the map the program is killed.
class WindowMapWatch final
{
public:
    WindowMapWatch();
    ~WindowMapWatch();
    WindowMapWatch(const WindowMapWatch &) = delete;
    WindowMapWatch &operator=(const WindowMapWatch &) = delete;

    // False when no X server could be reached.
    bool isConnected() const { return m_connection != nullptr; }

    // What the program held in memory when its window was mapped: its
    // resident set and the shared libraries it had mapped.
    struct Footprint
    {
        double residentMiB = 0;
        int libraries = 0;
    };

    // Starts program with the process environment plus `environment`
    // ("NAME=value"), and returns the time until its window was mapped;
    // nothing when it ended or took longer than `limit` before mapping one.
    // Its footprint at that moment goes to `footprint` when given.
    std::optional<std::chrono::duration<double>> timeToWindow(const QString &program, const QStringList &environment,
                                                              std::chrono::seconds limit,
                                                              Footprint *footprint = nullptr);

private:
    xcb_connection_t *m_connection = nullptr;
    unsigned int m_root = 0;
};
