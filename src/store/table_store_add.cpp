// The two additions of TableStore, the only operations that serialise.
#include <mutex>

#include "platform/native_path.h"
#include "store/error_output.h"
#include "store/level_path.h"
#include "store/store_path.h"
#include "store/table_store.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

// One lock for the whole process, whichever object adds: it is what keeps two additions on
// one field from both reading the old value. Other processes are not held back by it.
std::mutex& additionLock() {
  static std::mutex lock;
  return lock;
}

}  // namespace

template <typename T, typename Add>
bool TableStore::addToField(std::string_view table, std::string_view identifier,
                            std::string_view field, Add add, GbkText* error) {
  const auto record = recordPlace(table, identifier, EmptyIdentifier::InvalidId, error, field);
  if (!record) return false;
  if (!isFolder(record->folder)) createLevelFolders(record->tableFolder, identifier);
  const auto file = record->fieldFile(field);

  const std::lock_guard hold(additionLock());
  const auto bytes = readFieldFile(file, FieldCodec<T>::kMinimumSize, pause_);
  if (!bytes) return fail(error, "读取失败"_gbk);
  const T sum = add(FieldCodec<T>::decode(*bytes));
  if (!writeFieldFile(file, FieldCodec<T>::encode(sum), WritePacing::YieldBeforeEach, pause_)) {
    return fail(error, "写入失败"_gbk);
  }
  return true;
}

bool TableStore::addDouble(std::string_view table, std::string_view identifier,
                           std::string_view field, double amount, GbkText* error) {
  return addToField<double>(
      table, identifier, field, [amount](double current) { return current + amount; }, error);
}

bool TableStore::addInt(std::string_view table, std::string_view identifier, std::string_view field,
                        std::int32_t amount, GbkText* error) {
  const auto add = [amount](std::int32_t current) {
    const double sum = static_cast<double>(current) + amount;
    return static_cast<std::int32_t>(static_cast<std::int64_t>(sum));
  };
  return addToField<std::int32_t>(table, identifier, field, add, error);
}

}  // namespace verdomo
