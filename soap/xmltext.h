// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

/// \brief Index of the first character of \a text that an XML 1.0 document cannot carry, or -1.
///
/// Refused are control characters other than tab, line feed and carriage return, unpaired
/// UTF-16 surrogates and the non-characters U+FFFE and U+FFFF. The index is a UTF-16 position.
qsizetype firstCharacterXmlCannotCarry(const QString &text);
