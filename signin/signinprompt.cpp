// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "signin/signinprompt.h"

SignInPrompt::~SignInPrompt() = default;
