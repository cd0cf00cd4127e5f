#include "update/update_progress.h"

#include <gtest/gtest.h>

#include "support/case_name.h"

namespace verdomo::test {
namespace {

struct TickCase {
  const char* name;
  std::int64_t received;
  std::int64_t total;
  bool finished;
  int bar;
  bool showsDownload;
};

void PrintTo(const TickCase& row, std::ostream* out) {
  *out << row.name;
}

class ProgressTicks : public testing::TestWithParam<TickCase> {};

TEST_P(ProgressTicks, ShowTheShareInTenthsOneStepAhead) {
  const ProgressTick tick =
      progressTick(GetParam().received, GetParam().total, GetParam().finished);
  EXPECT_EQ(tick.barValue, GetParam().bar);
  EXPECT_EQ(tick.showsDownload, GetParam().showsDownload);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgressTicks,
    testing::Values(TickCase{"SizeNotKnownYet", 0, 0, false, 1, true},
                    TickCase{"BytesButNoSize", 70000, 0, false, 1, true},
                    TickCase{"Nothing", 0, 1000, false, 1, true},
                    TickCase{"RoundsDown", 449, 1000, false, 5, true},
                    TickCase{"RoundsHalfUp", 450, 1000, false, 6, true},
                    TickCase{"NineTenths", 949, 1000, false, 10, true},
                    TickCase{"AlmostAllRoundsToTen", 950, 1000, false, 10, false},
                    TickCase{"All", 1000, 1000, false, 10, false},
                    TickCase{"MoreThanAnnounced", 3000, 1000, false, 10, false},
                    TickCase{"LargePackage", std::int64_t{3} << 30, std::int64_t{4} << 30, false, 9,
                             true},
                    TickCase{"FinishedWithoutSize", 5000, 0, true, 10, false},
                    TickCase{"FinishedShortOfTheSize", 10, 1000, true, 10, false}),
    caseName<TickCase>);

}  // namespace
}  // namespace verdomo::test
