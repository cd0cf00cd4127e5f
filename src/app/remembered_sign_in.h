#pragma once
// The last accepted sign-in, kept as "user|password" in the local table store and filled into
// the login boxes at the next start.

#include <filesystem>

#include "platform/gbk_codec.h"
#include "store/table_store.h"

namespace verdomo {

// Removes what saves killed half-way left behind, creates the store's database and tables
// (errors ignored: from the second start on they exist) and opens it.
void setUpCredentialStore(TableStore& store, const std::filesystem::path& baseFolder);

// What the pre-fill does with the login boxes.
struct LoginPrefill {
  enum class Action { Fill, Clear, Leave } action = Action::Clear;
  GbkText userName;
  GbkText password;
};
LoginPrefill readRememberedSignIn(const TableStore& store);

// Opens the store and replaces the remembered value; a failure is ignored.
void saveRememberedSignIn(TableStore& store, const std::filesystem::path& baseFolder,
                          std::string_view userName, std::string_view password);

}  // namespace verdomo
