#include "app/remembered_sign_in.h"

#include "api/gbk_text.h"
#include "store/field_file.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

const GbkText& databaseName() {
  static const GbkText name = "设置"_gbk;
  return name;
}

// Table "商户信息", identifier "用户", field "用户".
struct CredentialsField {
  GbkText table = "商户信息"_gbk;
  GbkText identifier = "用户"_gbk;
  GbkText field = "用户"_gbk;
};

}  // namespace

void setUpCredentialStore(TableStore& store, const std::filesystem::path& baseFolder) {
  // A client killed in the middle of a save leaves its temporary file beside the field.
  removeLeftoverWrites(baseFolder);
  store.createDatabase(baseFolder, databaseName());
  for (const char* table : {"归属地", "用户", "标识", "商户信息"}) {
    store.createTable(utf8ToGbk(table));
  }
  store.openDatabase(baseFolder, databaseName());
}

LoginPrefill readRememberedSignIn(const TableStore& store) {
  const CredentialsField where;
  GbkText value;
  if (!store.readText(where.table, where.identifier, where.field, value) || value.empty()) {
    return {LoginPrefill::Action::Clear, {}, {}};
  }
  const std::vector<GbkText> pieces = splitFields(value, "|");
  if (pieces.size() < 2) return {LoginPrefill::Action::Leave, {}, {}};
  return {LoginPrefill::Action::Fill, pieces[0], pieces[1]};
}

void saveRememberedSignIn(TableStore& store, const std::filesystem::path& baseFolder,
                          std::string_view userName, std::string_view password) {
  const CredentialsField where;
  store.openDatabase(baseFolder, databaseName());
  store.writeText(where.table, where.identifier, where.field,
                  GbkText(userName) + "|" + GbkText(password));
}

}  // namespace verdomo
