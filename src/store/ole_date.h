#pragma once
// Date-time fields hold an OLE Automation date: the days since 1899-12-30 with the time of day
// as the fraction of a day. Before that origin the day count is negative while the fraction
// still counts forward from midnight, so 1899-12-29 06:00 is -1.25.

#include "api/date_time_text.h"

namespace verdomo {

double toOleDate(const LocalDateTime& time);

// Rounds to the nearest second, so every value toOleDate gives reads back exactly. A value no
// date-time of the years 100 to 9999 gives (not a number, or out of that range) reads as the
// origin, 1899-12-30 00:00:00.
LocalDateTime fromOleDate(double value);

}  // namespace verdomo
