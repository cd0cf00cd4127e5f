#pragma once

#include <string_view>

namespace verdomo {

// Reads a number the user typed: full-width forms count as their ASCII characters, then the
// leading integer is read as atoi reads it (leading white space and a sign allowed, reading stops
// at the first other character, no digits give 0). A number beyond the int range saturates.
int textToInt(std::string_view gbkText);

// Reads an amount the user typed as a single-precision number: full-width forms folded, then
// the leading decimal number read as atof reads it (leading white space and a sign allowed, text
// without a number gives 0). The decimal point is always ".", whatever the locale.
float textToFloat(std::string_view gbkText);

}  // namespace verdomo
