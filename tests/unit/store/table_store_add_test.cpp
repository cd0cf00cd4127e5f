// The two additions: their arithmetic, their failures and their lock.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <ostream>
#include <thread>
#include <vector>

#include "store/table_store.h"
#include "store_fixture.h"
#include "support/case_name.h"

namespace verdomo::test {
namespace {

using namespace verdomo::literals;

struct AddIntCase {
  const char* name;
  friend void PrintTo(const AddIntCase& c, std::ostream* out) { *out << c.name; }
  std::int32_t start;
  std::int32_t amount;
  std::int32_t sum;
};

class AddInt : public StoreTest, public testing::WithParamInterface<AddIntCase> {};

TEST_P(AddInt, StoresTheSumAsAFourByteInteger) {
  ASSERT_TRUE(store.writeInt("t", "A", "n", GetParam().start));
  ASSERT_TRUE(store.addInt("t", "A", "n", GetParam().amount, &error));
  EXPECT_EQ(error, untouched);
  std::int32_t value = 0;
  ASSERT_TRUE(store.readInt("t", "A", "n", value));
  EXPECT_EQ(value, GetParam().sum);
  EXPECT_EQ(fs::file_size(inTable("65/n.数据")), 4u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AddInt,
    testing::Values(AddIntCase{"Positive", 5, 3, 8}, AddIntCase{"BelowZero", 5, -7, -2},
                    AddIntCase{"WrapsPastTheTop", INT32_MAX, 1, INT32_MIN},
                    AddIntCase{"WrapsPastTheBottom", INT32_MIN, -2, INT32_MAX - 1}),
    test::caseName<AddIntCase>);

TEST_F(StoreTest, AddDoubleAddsToTheStoredNumber) {
  ASSERT_TRUE(store.writeDouble("t", "A", "x", 1.5));
  ASSERT_TRUE(store.addDouble("t", "A", "x", 2.25, &error));
  EXPECT_EQ(error, untouched);
  double value = 0;
  ASSERT_TRUE(store.readDouble("t", "A", "x", value));
  EXPECT_EQ(value, 3.75);
}

TEST_F(StoreTest, AddingToAMissingFieldIsAFailedRead) {
  EXPECT_FALSE(store.addInt("t", "A", "n", 1, &error));
  EXPECT_EQ(gbkToUtf8(error), "读取失败");
  EXPECT_EQ(pause.count, 99);
  error = untouched;
  EXPECT_FALSE(store.addDouble("t", "A", "x", 1.0, &error));
  EXPECT_EQ(gbkToUtf8(error), "读取失败");
  EXPECT_FALSE(fs::exists(inTable("65/n.数据")));
}

// Each thread has its own store object, as every user of the store has; only the lock of the
// additions keeps two of them from reading the same old value.
TEST_F(StoreTest, ConcurrentAdditionsLoseNothing) {
  constexpr int kThreads = 4;
  constexpr int kAdditionsEach = 200;
  ASSERT_TRUE(store.writeInt("t", "用户"_gbk, "n", 0));

  std::vector<int> failures(kThreads, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([this, t, &failures] {
      SleepingPause threadPause{Pacing{0.01}};
      TableStore own{threadPause};
      if (!own.openDatabase(base, "设置"_gbk)) {
        failures[t] = kAdditionsEach;
        return;
      }
      for (int i = 0; i < kAdditionsEach; ++i) {
        if (!own.addInt("t", "用户"_gbk, "n", 1)) ++failures[t];
      }
    });
  }
  for (auto& thread : threads)
    thread.join();

  EXPECT_EQ(failures, std::vector<int>(kThreads, 0));
  std::int32_t total = 0;
  ASSERT_TRUE(store.readInt("t", "用户"_gbk, "n", total));
  EXPECT_EQ(total, kThreads * kAdditionsEach);
}

}  // namespace
}  // namespace verdomo::test
