#pragma once
// The find buttons of the public docking list: which row a find selects and where the find
// cursor stands afterwards.

#include <optional>
#include <string_view>
#include <vector>

#include "platform/gbk_codec.h"

namespace verdomo {

// A cell matches when it contains the find text, ASCII letters compared regardless of case and
// GBK characters stepped over whole; an empty find text matches every cell that is not empty.
bool findTextMatches(std::string_view cell, std::string_view findText);

// Forward from `start`: the positions start, start+1, ... , at most as many as there are cells,
// stopping after the position one past the last cell. Backward: start, start-1, ..., at most as
// many, stopping after position 0. A position outside the list never matches; neither wraps.
std::optional<int> findRowForward(const std::vector<GbkText>& cells, std::string_view findText,
                                  int start);
std::optional<int> findRowBackward(const std::vector<GbkText>& cells, std::string_view findText,
                                   int start);

enum class FindStep {
  First,     // "关键字查找": forward from row 0
  Next,      // "查找下一个": the cursor moves on by one, then forward from it
  Previous,  // "查找上一个": the cursor moves back by one, then backward from it
};

struct FindOutcome {
  std::optional<int> row;  // the row to select
  int cursor = 0;          // the found row, or else the cursor as the step moved it
};
FindOutcome findPublicDocking(const std::vector<GbkText>& names, std::string_view findText,
                              int cursor, FindStep step);

}  // namespace verdomo
