#include "docking/public_find.h"

#include "api/gbk_text.h"

namespace verdomo {
namespace {

bool matchesAt(const std::vector<GbkText>& cells, std::string_view findText, int position) {
  return position >= 0 && position < static_cast<int>(cells.size()) &&
         findTextMatches(cells[static_cast<std::size_t>(position)], findText);
}

}  // namespace

bool findTextMatches(std::string_view cell, std::string_view findText) {
  if (findText.empty()) return !cell.empty();
  return findTextIgnoringCase(cell, findText) != kNotFound;
}

std::optional<int> findRowForward(const std::vector<GbkText>& cells, std::string_view findText,
                                  int start) {
  const int count = static_cast<int>(cells.size());
  for (int examined = 0, position = start; examined < count && position <= count;
       ++examined, ++position) {
    if (matchesAt(cells, findText, position)) return position;
  }
  return std::nullopt;
}

std::optional<int> findRowBackward(const std::vector<GbkText>& cells, std::string_view findText,
                                   int start) {
  const int count = static_cast<int>(cells.size());
  for (int examined = 0, position = start; examined < count && position >= 0;
       ++examined, --position) {
    if (matchesAt(cells, findText, position)) return position;
  }
  return std::nullopt;
}

FindOutcome findPublicDocking(const std::vector<GbkText>& names, std::string_view findText,
                              int cursor, FindStep step) {
  std::optional<int> row;
  switch (step) {
    case FindStep::First:
      row = findRowForward(names, findText, 0);
      break;
    case FindStep::Next:
      row = findRowForward(names, findText, ++cursor);
      break;
    case FindStep::Previous:
      row = findRowBackward(names, findText, --cursor);
      break;
  }
  return {row, row.value_or(cursor)};
}

}  // namespace verdomo
