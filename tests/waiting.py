# SPDX-FileCopyrightText: 2026 The KORVANE developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Waiting for a state of another process that nothing announces (a lock it holds, a terminal mode it
set): the condition is asked again every hundredth of a second until it holds, and a deadline that
only a hung program reaches ends the wait with the state that never came."""

import time


def wait_until(condition, what, timeout=30):
    deadline = time.monotonic() + timeout
    while not condition():
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting until " + what)
        time.sleep(0.01)
