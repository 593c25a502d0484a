#pragma once

#include <QString>

// How firmly a dunning letter reminds: only the first level marks the plots as dunned, so
// that the dunning fee is owed from then on.
enum class DunningLevel { First = 1, Second = 2, Third = 3 };

// "1. Mahnung", "2. Mahnung", "3. Mahnung": the letter's heading.
inline QString dunningHeading(DunningLevel level) {
    return QStringLiteral("%1. Mahnung").arg(int(level));
}
