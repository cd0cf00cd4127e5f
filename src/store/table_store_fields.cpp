// The field operations of TableStore: reading, writing and deleting one field file.
#include <filesystem>
#include <system_error>

#include "platform/native_path.h"
#include "store/error_output.h"
#include "store/level_path.h"
#include "store/store_path.h"
#include "store/table_store.h"

namespace verdomo {

using namespace verdomo::literals;
namespace fs = std::filesystem;

bool TableStore::readField(std::string_view table, std::string_view identifier,
                           std::string_view field, EmptyIdentifier rule, std::size_t minimumSize,
                           std::string& bytes, GbkText* error) const {
  const auto record = recordPlace(table, identifier, rule, error, field);
  if (!record) return false;
  const fs::path file = record->fieldFile(field);
  std::error_code failure;
  if (!fs::exists(file, failure)) return fail(error, "不存在"_gbk);
  auto content = readFieldFile(file, minimumSize, pause_);
  if (!content) return fail(error, "读取失败"_gbk);
  bytes = std::move(*content);
  return true;
}

// Every encoded number has bytes, so only texts and byte arrays can meet "禁止空数据".
bool TableStore::writeField(std::string_view table, std::string_view identifier,
                            std::string_view field, EmptyIdentifier rule, std::string_view bytes,
                            WritePacing pacing, GbkText* error) {
  const auto record = recordPlace(table, identifier, rule, error, field);
  if (!record) return false;
  if (bytes.empty()) return fail(error, "禁止空数据"_gbk);
  if (!isFolder(record->folder)) createLevelFolders(record->tableFolder, identifier);
  if (!writeFieldFile(record->fieldFile(field), bytes, pacing, pause_)) {
    return fail(error, "写入失败"_gbk);
  }
  return true;
}

template <typename T>
bool TableStore::readValue(std::string_view table, std::string_view identifier,
                           std::string_view field, EmptyIdentifier rule, T& value,
                           GbkText* error) const {
  std::string bytes;
  if (!readField(table, identifier, field, rule, FieldCodec<T>::kMinimumSize, bytes, error)) {
    return false;
  }
  value = FieldCodec<T>::decode(bytes);
  return true;
}

template <typename T>
bool TableStore::writeNumber(std::string_view table, std::string_view identifier,
                             std::string_view field, const T& value, GbkText* error) {
  return writeField(table, identifier, field, EmptyIdentifier::InvalidId,
                    FieldCodec<T>::encode(value), WritePacing::YieldBeforeEach, error);
}

bool TableStore::deleteField(std::string_view table, std::string_view identifier,
                             std::string_view field, GbkText* error) {
  const auto record = recordPlace(table, identifier, EmptyIdentifier::Silent, error, field);
  if (!record) return false;
  // A reader that comes between the two steps finds "空" instead of the old value. The
  // replacement is a single attempt: whatever it gives, the file goes next.
  const fs::path file = record->fieldFile(field);
  replaceFile(file, "空"_gbk);
  std::error_code failure;
  return fs::remove(file, failure);
}

fs::path TableStore::recordPath(std::string_view table, std::string_view identifier,
                                GbkText* error) const {
  const auto record = recordPlace(table, identifier, EmptyIdentifier::Silent, error, std::nullopt);
  return record ? record->folder : fs::path();
}

// --- reads ---

bool TableStore::readShort(std::string_view table, std::string_view identifier,
                           std::string_view field, std::int16_t& value, GbkText* error) const {
  return readValue(table, identifier, field, EmptyIdentifier::Silent, value, error);
}

bool TableStore::readBool(std::string_view table, std::string_view identifier,
                          std::string_view field, bool& value, GbkText* error) const {
  return readValue(table, identifier, field, EmptyIdentifier::Silent, value, error);
}

bool TableStore::readDateTime(std::string_view table, std::string_view identifier,
                              std::string_view field, LocalDateTime& value, GbkText* error) const {
  return readValue(table, identifier, field, EmptyIdentifier::WrongId, value, error);
}

bool TableStore::readDouble(std::string_view table, std::string_view identifier,
                            std::string_view field, double& value, GbkText* error) const {
  return readValue(table, identifier, field, EmptyIdentifier::Silent, value, error);
}

bool TableStore::readText(std::string_view table, std::string_view identifier,
                          std::string_view field, GbkText& value, GbkText* error) const {
  return readValue(table, identifier, field, EmptyIdentifier::InvalidId, value, error);
}

bool TableStore::readFloat(std::string_view table, std::string_view identifier,
                           std::string_view field, float& value, GbkText* error) const {
  return readValue(table, identifier, field, EmptyIdentifier::Silent, value, error);
}

bool TableStore::readInt64(std::string_view table, std::string_view identifier,
                           std::string_view field, std::int64_t& value, GbkText* error) const {
  return readValue(table, identifier, field, EmptyIdentifier::Silent, value, error);
}

bool TableStore::readInt(std::string_view table, std::string_view identifier,
                         std::string_view field, std::int32_t& value, GbkText* error) const {
  return readValue(table, identifier, field, EmptyIdentifier::Silent, value, error);
}

bool TableStore::readProcAddress(std::string_view table, std::string_view identifier,
                                 std::string_view field, ProcAddress& value, GbkText* error) const {
  return readValue(table, identifier, field, EmptyIdentifier::Silent, value, error);
}

bool TableStore::readByte(std::string_view table, std::string_view identifier,
                          std::string_view field, std::uint8_t& value, GbkText* error) const {
  return readValue(table, identifier, field, EmptyIdentifier::Silent, value, error);
}

bool TableStore::readBytes(std::string_view table, std::string_view identifier,
                           std::string_view field, ByteArray& value, GbkText* error) const {
  return readValue(table, identifier, field, EmptyIdentifier::Silent, value, error);
}

// --- writes ---

bool TableStore::writeShort(std::string_view table, std::string_view identifier,
                            std::string_view field, std::int16_t value, GbkText* error) {
  return writeNumber(table, identifier, field, value, error);
}

bool TableStore::writeByte(std::string_view table, std::string_view identifier,
                           std::string_view field, std::uint8_t value, GbkText* error) {
  return writeNumber(table, identifier, field, value, error);
}

bool TableStore::writeInt(std::string_view table, std::string_view identifier,
                          std::string_view field, std::int32_t value, GbkText* error) {
  return writeNumber(table, identifier, field, value, error);
}

bool TableStore::writeFloat(std::string_view table, std::string_view identifier,
                            std::string_view field, float value, GbkText* error) {
  return writeNumber(table, identifier, field, value, error);
}

bool TableStore::writeBool(std::string_view table, std::string_view identifier,
                           std::string_view field, bool value, GbkText* error) {
  return writeNumber(table, identifier, field, value, error);
}

bool TableStore::writeText(std::string_view table, std::string_view identifier,
                           std::string_view field, std::string_view value, GbkText* error) {
  return writeField(table, identifier, field, EmptyIdentifier::InvalidTableId, value,
                    WritePacing::PauseAfterFailure, error);
}

bool TableStore::writeBytes(std::string_view table, std::string_view identifier,
                            std::string_view field, std::span<const std::uint8_t> value,
                            GbkText* error) {
  const std::string_view bytes(reinterpret_cast<const char*>(value.data()), value.size());
  return writeField(table, identifier, field, EmptyIdentifier::Silent, bytes,
                    WritePacing::PauseAfterFailure, error);
}

bool TableStore::writeInt64(std::string_view table, std::string_view identifier,
                            std::string_view field, std::int64_t value, GbkText* error) {
  return writeNumber(table, identifier, field, value, error);
}

bool TableStore::writeDateTime(std::string_view table, std::string_view identifier,
                               std::string_view field, const LocalDateTime& value, GbkText* error) {
  return writeNumber(table, identifier, field, value, error);
}

bool TableStore::writeDouble(std::string_view table, std::string_view identifier,
                             std::string_view field, double value, GbkText* error) {
  return writeNumber(table, identifier, field, value, error);
}

bool TableStore::writeProcAddress(std::string_view table, std::string_view identifier,
                                  std::string_view field, ProcAddress value, GbkText* error) {
  return writeNumber(table, identifier, field, value, error);
}

}  // namespace verdomo
