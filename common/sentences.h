// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Reasons travel between layers as clauses ("the service refused the
// connection") and are told to the user as sentences or inside one.
namespace Sentences {

// `sentence` turned into a clause that reads inside another sentence: the
// first letter in lower case (unless the first word is an acronym) and no
// closing full stop.
QString clauseOf(const QString &sentence);

// `clause` turned into a sentence: the first letter upper-cased and a full
// stop added unless it already ends with one (or with ! or ?).
QString sentenceOf(const QString &clause);

} // namespace Sentences
