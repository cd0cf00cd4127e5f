#pragma once
// The local table store: a database is a folder, a table is a folder inside it, a record is a
// chain of folders named after its identifier's bytes (level_path.h), and each field is one file,
// <record folder><field>.数据, holding the raw bytes of one value (field_value.h). Nothing is
// cached and no file stays open between calls: the folders and field files are the only state
// that TableStore objects share, besides the lock of the two add operations.
//
// Each thread uses its own object. Table, identifier and field names are GBK texts; an
// identifier's bytes decide its record folder, so any text of at least one byte will do.
//
// Failures are reported by the result (false, or the empty text) and, where an operation has an
// `error` output, by one of these texts; on success `error` is left as it was, and it may be null:
//   "0001|数据库名必须1字节以上"  createDatabase got an empty database name, or one that is no
//                                 single folder name (".", "..", a "/", "\" or zero byte in it)
//   "库没有打开"                  the object has no base folder (no database created or opened)
//   "库不存在"                    the object has an empty database name
//   "表名长度不能低于1字节"       createTable or deleteTable got an empty table name
//   "表名不能使用特殊符号"        that table name holds a "|"; or a table or field name of any
//                                 operation is no single name: ".", "..", a name holding "/", "\"
//                                 or a zero byte (the empty table name has its own texts, the
//                                 empty field name this one)
//   "表已存在"                    createTable found the table folder there already
//   "创建表失败"                  createTable could not create the table folder
//   "表不存在"                    deleteTable found no table folder; a field operation got an
//                                 empty table name (field operations never look for the folder)
//   "标识无效" "表标识无效" "标识错误"   a field operation got an empty identifier (see each one)
//   "禁止空数据"                  writeText or writeBytes got an empty value
//   "不存在"                      a read found no field file
//   "读取失败"                    a read found the field file empty, or too short for its type,
//                                 in every one of its 100 attempts
//   "写入失败"                    a write failed in every one of its 99 attempts
// The checks run in that order: open object, then the names, then the files.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>

#include "api/date_time_text.h"
#include "api/pause.h"
#include "platform/gbk_codec.h"
#include "store/field_file.h"
#include "store/field_value.h"

namespace verdomo {

class TableStore {
 public:
  // `pause` paces the retries of reads and of text and byte-array writes, 1 ms each.
  explicit TableStore(Pause& pause);

  // --- databases: <baseFolder><separator><name>. The base folder is a path of the file system,
  // used as it is; the database name is GBK like every other name of the store. ---

  // Opens the object on the database even when its folder exists already (the result is then
  // false, without an error text), and creates the folder and any missing folders above it.
  bool createDatabase(const std::filesystem::path& baseFolder, std::string_view name,
                      GbkText* error = nullptr);
  // Opens the object only when the database folder exists.
  bool openDatabase(const std::filesystem::path& baseFolder, std::string_view name);
  // Removes the folder with everything in it; the object stays as it is, even on that database.
  bool deleteDatabase(const std::filesystem::path& baseFolder, std::string_view name) const;

  // --- tables ---

  bool createTable(std::string_view table, GbkText* error = nullptr);
  // Removes the table folder with everything in it.
  bool deleteTable(std::string_view table, GbkText* error = nullptr);

  // --- fields. A field operation with an empty identifier fails without an error text, unless
  // noted. Writes and additions create the record's folders below an existing table folder. ---

  // Replaces the value by the text "空" before the file is removed. Deleting a field that was
  // never written succeeds when its record folder exists.
  bool deleteField(std::string_view table, std::string_view identifier, std::string_view field,
                   GbkText* error = nullptr);
  // The record folder, ending with the separator; the empty text on failure. Creates nothing.
  std::filesystem::path recordPath(std::string_view table, std::string_view identifier,
                                   GbkText* error = nullptr) const;

  // Reads decode the field file from its first byte; a text ends at the first zero byte.
  bool readShort(std::string_view table, std::string_view identifier, std::string_view field,
                 std::int16_t& value, GbkText* error = nullptr) const;
  bool readBool(std::string_view table, std::string_view identifier, std::string_view field,
                bool& value, GbkText* error = nullptr) const;
  // Empty identifier: "标识错误".
  bool readDateTime(std::string_view table, std::string_view identifier, std::string_view field,
                    LocalDateTime& value, GbkText* error = nullptr) const;
  bool readDouble(std::string_view table, std::string_view identifier, std::string_view field,
                  double& value, GbkText* error = nullptr) const;
  // Empty identifier: "标识无效".
  bool readText(std::string_view table, std::string_view identifier, std::string_view field,
                GbkText& value, GbkText* error = nullptr) const;
  bool readFloat(std::string_view table, std::string_view identifier, std::string_view field,
                 float& value, GbkText* error = nullptr) const;
  bool readInt64(std::string_view table, std::string_view identifier, std::string_view field,
                 std::int64_t& value, GbkText* error = nullptr) const;
  bool readInt(std::string_view table, std::string_view identifier, std::string_view field,
               std::int32_t& value, GbkText* error = nullptr) const;
  bool readProcAddress(std::string_view table, std::string_view identifier, std::string_view field,
                       ProcAddress& value, GbkText* error = nullptr) const;
  bool readByte(std::string_view table, std::string_view identifier, std::string_view field,
                std::uint8_t& value, GbkText* error = nullptr) const;
  bool readBytes(std::string_view table, std::string_view identifier, std::string_view field,
                 ByteArray& value, GbkText* error = nullptr) const;

  // Numeric writes: empty identifier "标识无效"; they give up the processor before each attempt.
  bool writeShort(std::string_view table, std::string_view identifier, std::string_view field,
                  std::int16_t value, GbkText* error = nullptr);
  bool writeByte(std::string_view table, std::string_view identifier, std::string_view field,
                 std::uint8_t value, GbkText* error = nullptr);
  bool writeInt(std::string_view table, std::string_view identifier, std::string_view field,
                std::int32_t value, GbkText* error = nullptr);
  bool writeFloat(std::string_view table, std::string_view identifier, std::string_view field,
                  float value, GbkText* error = nullptr);
  bool writeBool(std::string_view table, std::string_view identifier, std::string_view field,
                 bool value, GbkText* error = nullptr);
  // Empty identifier: "表标识无效"; empty value: "禁止空数据". Pauses 1 ms after a failed attempt.
  bool writeText(std::string_view table, std::string_view identifier, std::string_view field,
                 std::string_view value, GbkText* error = nullptr);
  // Empty identifier: no error text; empty value: "禁止空数据". Paces like writeText.
  bool writeBytes(std::string_view table, std::string_view identifier, std::string_view field,
                  std::span<const std::uint8_t> value, GbkText* error = nullptr);
  bool writeInt64(std::string_view table, std::string_view identifier, std::string_view field,
                  std::int64_t value, GbkText* error = nullptr);
  bool writeDateTime(std::string_view table, std::string_view identifier, std::string_view field,
                     const LocalDateTime& value, GbkText* error = nullptr);
  bool writeDouble(std::string_view table, std::string_view identifier, std::string_view field,
                   double value, GbkText* error = nullptr);
  bool writeProcAddress(std::string_view table, std::string_view identifier, std::string_view field,
                        ProcAddress value, GbkText* error = nullptr);

  // Read, add and write back under one process-wide lock, so that concurrent additions within
  // this process lose nothing. The field must hold a value already: a missing or empty field is
  // "读取失败". Empty identifier: "标识无效".
  bool addDouble(std::string_view table, std::string_view identifier, std::string_view field,
                 double amount, GbkText* error = nullptr);
  // The sum is taken in double precision and truncated; the field keeps its low 4 bytes, so
  // the counter wraps around past the 32-bit range.
  bool addInt(std::string_view table, std::string_view identifier, std::string_view field,
              std::int32_t amount, GbkText* error = nullptr);

 private:
  // The error text of an empty identifier, which differs between operations.
  enum class EmptyIdentifier { Silent, InvalidId, InvalidTableId, WrongId };

  // The folders of a record whose operation passed its checks.
  struct RecordPlace {
    std::filesystem::path tableFolder;
    std::filesystem::path folder;  // ends with the separator
    std::filesystem::path fieldFile(std::string_view field) const;
  };

  // The open check: the database folder, or nothing with "库没有打开" or "库不存在".
  std::optional<std::filesystem::path> databaseFolder(GbkText* error) const;
  // The checks of createTable and deleteTable.
  std::optional<std::filesystem::path> tableFolder(std::string_view table, GbkText* error) const;
  // The checks of every field operation; `field` is checked when the operation has one.
  std::optional<RecordPlace> recordPlace(std::string_view table, std::string_view identifier,
                                         EmptyIdentifier rule, GbkText* error,
                                         std::optional<std::string_view> field) const;

  bool readField(std::string_view table, std::string_view identifier, std::string_view field,
                 EmptyIdentifier rule, std::size_t minimumSize, std::string& bytes,
                 GbkText* error) const;
  bool writeField(std::string_view table, std::string_view identifier, std::string_view field,
                  EmptyIdentifier rule, std::string_view bytes, WritePacing pacing, GbkText* error);
  template <typename T>
  bool readValue(std::string_view table, std::string_view identifier, std::string_view field,
                 EmptyIdentifier rule, T& value, GbkText* error) const;
  template <typename T>
  bool writeNumber(std::string_view table, std::string_view identifier, std::string_view field,
                   const T& value, GbkText* error);
  template <typename T, typename Add>
  bool addToField(std::string_view table, std::string_view identifier, std::string_view field,
                  Add add, GbkText* error);

  Pause& pause_;
  std::filesystem::path baseFolder_;
  GbkText databaseName_;
};

}  // namespace verdomo
