#pragma once

#include <string>

namespace verdomo {

enum class LetterCase { Lower = 0, Upper = 1, Mixed = 2 };

// `count` random letters "a".."z", "A".."Z", or each letter's case chosen at random.
std::string randomLetters(int count, LetterCase letterCase);

}  // namespace verdomo
