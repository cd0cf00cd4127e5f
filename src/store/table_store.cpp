#include "store/table_store.h"

#include <filesystem>
#include <system_error>

#include "api/gbk_text.h"
#include "platform/file_operations.h"
#include "platform/native_path.h"
#include "store/error_output.h"
#include "store/level_path.h"
#include "store/store_path.h"

namespace verdomo {

using namespace verdomo::literals;
namespace fs = std::filesystem;

TableStore::TableStore(Pause& pause) : pause_(pause) {}

bool TableStore::createDatabase(const fs::path& baseFolder, std::string_view name, GbkText* error) {
  // A name that is no single folder name is no database name either.
  if (!isPlainName(name)) return fail(error, "0001|数据库名必须1字节以上"_gbk);
  baseFolder_ = baseFolder;
  databaseName_ = name;
  // The folders above are made too: a user data folder, unlike a drive's root, may not exist
  // before the first start.
  std::error_code ignored;
  const fs::path folder = joinPath(baseFolder, name);
  if (!fs::create_directories(folder, ignored)) return false;
  restrictToOwner(folder);  // the store may hold a remembered password
  return true;
}

bool TableStore::openDatabase(const fs::path& baseFolder, std::string_view name) {
  // The empty name opens the base folder, on which every operation then reports "库不存在";
  // any other name must be a single folder name.
  if (!name.empty() && !isPlainName(name)) return false;
  if (!isFolder(joinPath(baseFolder, name))) return false;
  baseFolder_ = baseFolder;
  databaseName_ = name;
  return true;
}

bool TableStore::deleteDatabase(const fs::path& baseFolder, std::string_view name) const {
  const fs::path folder = joinPath(baseFolder, name);
  if (!isPlainName(name) || !isFolder(folder)) return false;
  std::error_code error;
  fs::remove_all(folder, error);
  return !error;
}

bool TableStore::createTable(std::string_view table, GbkText* error) {
  const auto folder = tableFolder(table, error);
  if (!folder) return false;
  if (isFolder(*folder)) return fail(error, "表已存在"_gbk);
  std::error_code failure;
  if (!fs::create_directory(*folder, failure)) return fail(error, "创建表失败"_gbk);
  return true;
}

bool TableStore::deleteTable(std::string_view table, GbkText* error) {
  const auto folder = tableFolder(table, error);
  if (!folder) return false;
  if (!isFolder(*folder)) return fail(error, "表不存在"_gbk);
  std::error_code failure;
  fs::remove_all(*folder, failure);
  return !failure;
}

fs::path TableStore::RecordPlace::fieldFile(std::string_view field) const {
  fs::path file = folder;
  file += nativePath(GbkText(field) + ".数据"_gbk);
  return file;
}

std::optional<fs::path> TableStore::databaseFolder(GbkText* error) const {
  if (baseFolder_.empty()) return refuse(error, "库没有打开"_gbk);
  if (databaseName_.empty()) return refuse(error, "库不存在"_gbk);
  return joinPath(baseFolder_, databaseName_);
}

std::optional<fs::path> TableStore::tableFolder(std::string_view table, GbkText* error) const {
  const auto database = databaseFolder(error);
  if (!database) return std::nullopt;
  if (table.empty()) return refuse(error, "表名长度不能低于1字节"_gbk);
  // Searched character by character: 0x7C may also be the second byte of a Chinese character.
  if (containsText(table, "|") || !isPlainName(table)) {
    return refuse(error, "表名不能使用特殊符号"_gbk);
  }
  return joinPath(*database, table);
}

std::optional<TableStore::RecordPlace> TableStore::recordPlace(
    std::string_view table, std::string_view identifier, EmptyIdentifier rule, GbkText* error,
    std::optional<std::string_view> field) const {
  const auto database = databaseFolder(error);
  if (!database) return std::nullopt;
  if (table.empty()) return refuse(error, "表不存在"_gbk);
  if (!isPlainName(table)) return refuse(error, "表名不能使用特殊符号"_gbk);
  if (identifier.empty()) {
    switch (rule) {
      case EmptyIdentifier::InvalidId:
        return refuse(error, "标识无效"_gbk);
      case EmptyIdentifier::InvalidTableId:
        return refuse(error, "表标识无效"_gbk);
      case EmptyIdentifier::WrongId:
        return refuse(error, "标识错误"_gbk);
      case EmptyIdentifier::Silent:
        break;
    }
    return std::nullopt;
  }
  if (field && !isPlainName(*field)) return refuse(error, "表名不能使用特殊符号"_gbk);
  RecordPlace place{joinPath(*database, table), {}};
  place.folder = joinPath(place.tableFolder, levelPath(identifier));
  return place;
}

}  // namespace verdomo
