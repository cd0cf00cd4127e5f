// Saves round after round until it is killed: the remembered sign-in, a text, a number and a
// byte array of the table store, each round's values naming the round. It writes "ready" to its
// standard output once it has started as the client starts, and each round's number once the
// whole round is saved.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "api/pause.h"
#include "app/remembered_sign_in.h"
#include "save_rounds.h"

using namespace verdomo;
using namespace verdomo::test::saves;

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const std::filesystem::path base = argv[1];
  long round = std::strtol(argv[2], nullptr, 10);
  SleepingPause pause{Pacing{}};
  TableStore store(pause);
  // What the client does at its start, then a table of its own for the record fields.
  setUpCredentialStore(store, base);
  store.createTable(kTable);
  if (::write(STDOUT_FILENO, "ready\n", 6) < 0) return 1;
  for (;; ++round) {
    saveRememberedSignIn(store, base, roundValue("user", round, kSignInSize),
                         roundValue("pass", round, kSignInSize));
    store.openDatabase(base, kDatabase);
    const std::string bytes = roundValue("bytes", round, kBytesSize);
    if (!store.writeText(kTable, kIdentifier, kTextField, roundValue("text", round, kTextSize)) ||
        !store.writeInt(kTable, kIdentifier, kIntField, static_cast<std::int32_t>(round)) ||
        !store.writeBytes(kTable, kIdentifier, kBytesField,
                          {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()})) {
      return 1;
    }
    const std::string line = std::to_string(round) + "\n";
    if (::write(STDOUT_FILENO, line.data(), line.size()) < 0) return 1;
  }
}
