#pragma once
// Where a record lives below its table folder. The identifier's GBK bytes are written as unsigned
// decimals without leading zeros and joined in pairs, one folder per pair: "用户" (bytes 211 195
// 187 167) lives in 211195/187167/. A last byte without a partner is a folder alone. The mapping
// is not one-to-one: the pairs (6, 56) and (65, 6) both give the folder 656.

#include <filesystem>
#include <string_view>
#include <vector>

#include "platform/gbk_codec.h"

namespace verdomo {

// The record's folder names, outermost first.
std::vector<GbkText> levelFolders(std::string_view identifier);

// The folder names, each followed by the separator: "211195/187167/".
GbkText levelPath(std::string_view identifier);

// Creates the record's folders below `tableFolder` one level after the other. The table folder
// itself is not created, so a missing table or database leaves the record missing too.
void createLevelFolders(const std::filesystem::path& tableFolder, std::string_view identifier);

}  // namespace verdomo
