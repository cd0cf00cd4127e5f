// Saves that a crash cannot spoil: a child saves round after round and is killed with SIGKILL at
// random moments; after every kill each field holds a whole value of the last round the child
// finished or of the one it was in, never a mix and never nothing, and the next start removes
// the temporary file a killed save left behind.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <random>
#include <thread>

#include "api/pause.h"
#include "app/remembered_sign_in.h"
#include "platform/native_path.h"
#include "save_rounds.h"
#include "store/field_file.h"
#include "support/temporary_folder.h"

extern char** environ;

namespace verdomo::test {
namespace {

using namespace saves;

// VERDOMO_KILLS makes the sanitizer runs shorter; the plain run kills a thousand times.
int killCount() {
  const char* kills = std::getenv("VERDOMO_KILLS");
  return kills != nullptr ? std::atoi(kills) : 1000;
}

// Starts the saving child on `base` from `firstRound`, lets it save for `runFor` once it is ready
// and kills it. Answers the last round it reported whole, or firstRound - 1.
long runAndKill(const fs::path& base, long firstRound, std::chrono::microseconds runFor) {
  int output[2];
  if (::pipe(output) != 0) throw std::runtime_error("pipe");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, output[0]);
  const std::string baseText = base.string();
  const std::string roundText = std::to_string(firstRound);
  char* argv[] = {const_cast<char*>(VERDOMO_SAVE_CHILD), const_cast<char*>(baseText.c_str()),
                  const_cast<char*>(roundText.c_str()), nullptr};
  pid_t child = 0;
  const int spawned = posix_spawn(&child, VERDOMO_SAVE_CHILD, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(output[1]);
  if (spawned != 0) throw std::runtime_error("spawn");
  std::string reported;
  for (char c = 0; c != '\n' && ::read(output[0], &c, 1) == 1;)
    reported += c;
  if (reported != "ready\n") throw std::runtime_error("the saving child did not start");
  reported.clear();
  std::this_thread::sleep_for(runFor);
  ::kill(child, SIGKILL);
  int status = 0;
  ::waitpid(child, &status, 0);
  char buffer[4096];
  for (ssize_t n; (n = ::read(output[0], buffer, sizeof buffer)) > 0;)
    reported.append(buffer, n);
  ::close(output[0]);
  long last = firstRound - 1;
  // Only whole lines count: the child may die in the middle of writing one.
  for (std::size_t end = reported.find('\n'), start = 0; end != std::string::npos;
       start = end + 1, end = reported.find('\n', start)) {
    last = std::stol(reported.substr(start, end - start));
  }
  return last;
}

int temporaryFilesBelow(const fs::path& folder) {
  int count = 0;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.path().filename().string().ends_with(nativePath(".写入中"_gbk).filename().string()))
      ++count;
  }
  return count;
}

// What each field holds now, as the round it was written in; nothing for a value that is
// missing, empty, cut short or mixed.
struct Reading {
  std::optional<long> signIn, text, number, bytes;
};

Reading readAll(const fs::path& base) {
  SleepingPause pause{Pacing{}};
  TableStore store(pause);
  Reading reading;
  const LoginPrefill prefill = [&] {
    setUpCredentialStore(store, base);
    return readRememberedSignIn(store);
  }();
  if (prefill.action == LoginPrefill::Action::Fill) {
    const auto user = roundOf(prefill.userName, "user", kSignInSize);
    const auto password = roundOf(prefill.password, "pass", kSignInSize);
    if (user && user == password) reading.signIn = user;
  }
  store.openDatabase(base, kDatabase);
  GbkText text;
  if (store.readText(kTable, kIdentifier, kTextField, text)) {
    reading.text = roundOf(text, "text", kTextSize);
  }
  std::int32_t number = -1;
  if (store.readInt(kTable, kIdentifier, kIntField, number) && number >= 0) reading.number = number;
  ByteArray bytes;
  if (store.readBytes(kTable, kIdentifier, kBytesField, bytes)) {
    reading.bytes = roundOf(std::string(bytes.begin(), bytes.end()), "bytes", kBytesSize);
  }
  return reading;
}

std::vector<std::optional<long>> fieldsOf(const Reading& reading) {
  return {reading.signIn, reading.text, reading.number, reading.bytes};
}

TEST(CrashSafeSaves, AThousandKillsLeaveEveryFieldOldOrNewAndTheNextStartCleansUp) {
  static const char* const kNames[] = {"sign-in", "text", "number", "bytes"};
  TemporaryFolder folder;
  const fs::path base = folder.path() / "verdomo";
  // Round 0 is saved whole before the first kill, so every field has an old value.
  long reported = -1;
  for (int attempt = 0; reported < 0 && attempt < 100; ++attempt) {
    reported = runAndKill(base, 0, std::chrono::milliseconds(200));
  }
  ASSERT_GE(reported, 0) << "the saving child never finished a round";

  std::mt19937 random(20261211);
  std::uniform_int_distribution<int> runFor(0, 20000);  // microseconds: a round takes a few ms
  std::vector<std::optional<long>> previous = fieldsOf(readAll(base));
  int torn = 0, leftoversRemoved = 0, killedMidRound = 0;
  long rounds = 0;
  const int kills = killCount();
  for (int kill = 0; kill < kills; ++kill) {
    long first = 0;
    for (const auto& value : previous)
      first = std::max(first, value.value_or(0) + 1);
    const long last = runAndKill(base, first, std::chrono::microseconds(runFor(random)));
    const int leftovers = temporaryFilesBelow(base);
    const std::vector<std::optional<long>> now = fieldsOf(readAll(base));  // the next start
    leftoversRemoved += leftovers;
    EXPECT_EQ(temporaryFilesBelow(base), 0) << "kill " << kill;
    // The child reports a round once all of it is saved and then starts the next, so a field
    // holds the last reported round or the one after it; before the first report, its old value.
    long newest = first - 1;
    for (std::size_t f = 0; f < now.size(); ++f) {
      if (!now[f]) {
        ++torn;
        ADD_FAILURE() << kNames[f] << " is missing, empty or torn after kill " << kill;
        continue;
      }
      const long old = last >= first ? last : previous[f].value_or(-1);
      EXPECT_TRUE(*now[f] == old || *now[f] == last + 1)
          << kNames[f] << " holds round " << *now[f] << " after kill " << kill << "; expected "
          << old << " or " << last + 1;
      newest = std::max(newest, *now[f]);
    }
    const long interrupted = std::count(now.begin(), now.end(), std::optional<long>(last + 1));
    if (interrupted > 0 && interrupted < static_cast<long>(now.size())) ++killedMidRound;
    rounds += newest - (first - 1);
    previous = now;
  }
  std::printf(
      "%d kills, %ld rounds of saves, %d kills in the middle of a round, %d temporary "
      "files of killed saves removed at the next start, %d torn or empty values\n",
      kills, rounds, killedMidRound, leftoversRemoved, torn);
  EXPECT_EQ(torn, 0);
  // The kills must land inside saves, not only between them, or the test proves nothing.
  EXPECT_GT(killedMidRound, 0);
  EXPECT_GT(leftoversRemoved, 0);
}

}  // namespace
}  // namespace verdomo::test
