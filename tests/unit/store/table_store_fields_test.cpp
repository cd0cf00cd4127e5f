// Reading, writing and deleting fields: the bytes on disk, the failures and their pacing.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <functional>
#include <ostream>

#include "store/store_path.h"
#include "store/table_store.h"
#include "store_fixture.h"
#include "support/case_name.h"

namespace verdomo::test {
namespace {

using namespace verdomo::literals;

TEST_F(StoreTest, WrittenTextLandsInTheRecordFolderAndReadsBack) {
  ASSERT_TRUE(store.writeText("t", "A", "f", "abc", &error));
  EXPECT_EQ(error, untouched);
  EXPECT_EQ(namesIn(inTable("")), std::set<std::string>{"65"});
  EXPECT_EQ(fileBytes(inTable("65/f.数据")), bytesOf({0x61, 0x62, 0x63}));

  GbkText text;
  EXPECT_TRUE(store.readText("t", "A", "f", text, &error));
  EXPECT_EQ(text, "abc");
  EXPECT_EQ(error, untouched);
}

TEST_F(StoreTest, ChineseNamesBecomeTheirFoldersAndFiles) {
  ASSERT_TRUE(store.createTable("商户信息"_gbk));
  ASSERT_TRUE(store.writeText("商户信息"_gbk, "用户"_gbk, "用户"_gbk, "张三"_gbk));

  const fs::path record = folder.path() / "设置" / "商户信息" / "211195" / "187167";
  EXPECT_EQ(fileBytes(record / "用户.数据"), "张三"_gbk);
  const std::string separator(1, kPathSeparator);
  EXPECT_EQ(store.recordPath("商户信息"_gbk, "用户"_gbk).string(),
            (folder.path() / "设置" / "商户信息" / "211195" / "187167").string() + separator);
}

TEST_F(StoreTest, AShorterValueReplacesTheWholeFile) {
  ASSERT_TRUE(store.writeText("t", "A", "f", "abcdef"));
  ASSERT_TRUE(store.writeText("t", "A", "f", "xy"));
  EXPECT_EQ(fileBytes(inTable("65/f.数据")), "xy");
}

TEST_F(StoreTest, ATextEndsAtTheFirstZeroByteButBytesDoNot) {
  fs::create_directory(inTable("65"));
  putFile(inTable("65/f.数据"), bytesOf({'a', 'b', 0, 'c'}));
  GbkText text;
  ASSERT_TRUE(store.readText("t", "A", "f", text));
  EXPECT_EQ(text, "ab");
  ByteArray bytes;
  ASSERT_TRUE(store.readBytes("t", "A", "f", bytes));
  EXPECT_EQ(bytes, (ByteArray{'a', 'b', 0, 'c'}));
}

// --- every value type: its bytes on disk and back ---

struct TypedCase {
  const char* name;
  friend void PrintTo(const TypedCase& c, std::ostream* out) { *out << c.name; }
  std::function<bool(TableStore&, GbkText*)> write;  // field f of record A in table t
  std::string bytes;
  std::function<void(const TableStore&)> expectReadBack;
};

template <typename In, typename Out>
TypedCase typed(const char* name, WriteMember<In> write, ReadMember<Out> read, Out value,
                std::string bytes) {
  return TypedCase{name,
                   [write, value](TableStore& s, GbkText* error) {
                     return (s.*write)("t", "A", "f", value, error);
                   },
                   std::move(bytes),
                   [read, value](const TableStore& s) {
                     Out readBack{};
                     GbkText error = "untouched";
                     ASSERT_TRUE((s.*read)("t", "A", "f", readBack, &error)) << gbkToUtf8(error);
                     EXPECT_EQ(readBack, value);
                     EXPECT_EQ(error, "untouched");
                   }};
}

class TypedFields : public StoreTest, public testing::WithParamInterface<TypedCase> {};

TEST_P(TypedFields, WriteTheirExactBytesAndReadThemBack) {
  ASSERT_TRUE(GetParam().write(store, &error)) << gbkToUtf8(error);
  EXPECT_EQ(error, untouched);
  EXPECT_EQ(fileBytes(inTable("65/f.数据")), GetParam().bytes);
  GetParam().expectReadBack(store);
}

INSTANTIATE_TEST_SUITE_P(
    Types, TypedFields,
    testing::Values(
        typed("Byte", &TableStore::writeByte, &TableStore::readByte, std::uint8_t{0xAB},
              bytesOf({0xAB})),
        typed("Short", &TableStore::writeShort, &TableStore::readShort, std::int16_t{-2},
              bytesOf({0xFE, 0xFF})),
        typed("Int", &TableStore::writeInt, &TableStore::readInt, std::int32_t{0x12345678},
              bytesOf({0x78, 0x56, 0x34, 0x12})),
        typed("IntMin", &TableStore::writeInt, &TableStore::readInt, std::int32_t{INT32_MIN},
              bytesOf({0, 0, 0, 0x80})),
        typed("Int64", &TableStore::writeInt64, &TableStore::readInt64,
              std::int64_t{0x0102030405060708}, bytesOf({8, 7, 6, 5, 4, 3, 2, 1})),
        typed("Int64Negative", &TableStore::writeInt64, &TableStore::readInt64, std::int64_t{-2},
              bytesOf({0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})),
        typed("Float", &TableStore::writeFloat, &TableStore::readFloat, 1.5f,
              bytesOf({0, 0, 0xC0, 0x3F})),
        typed("Double", &TableStore::writeDouble, &TableStore::readDouble, -2.5,
              bytesOf({0, 0, 0, 0, 0, 0, 0x04, 0xC0})),
        typed("BoolTrue", &TableStore::writeBool, &TableStore::readBool, true,
              bytesOf({1, 0, 0, 0})),
        typed("BoolFalse", &TableStore::writeBool, &TableStore::readBool, false,
              bytesOf({0, 0, 0, 0})),
        // 2.5 and -1.25 days from 1899-12-30 00:00
        typed("DateTime", &TableStore::writeDateTime, &TableStore::readDateTime,
              LocalDateTime{1900, 1, 1, 12, 0, 0}, bytesOf({0, 0, 0, 0, 0, 0, 0x04, 0x40})),
        typed("DateTimeBeforeTheOrigin", &TableStore::writeDateTime, &TableStore::readDateTime,
              LocalDateTime{1899, 12, 29, 6, 0, 0}, bytesOf({0, 0, 0, 0, 0, 0, 0xF4, 0xBF})),
        typed("ProcAddress", &TableStore::writeProcAddress, &TableStore::readProcAddress,
              ProcAddress{0x00401000}, bytesOf({0x00, 0x10, 0x40, 0x00})),
        typed("Text", &TableStore::writeText, &TableStore::readText, "用户"_gbk,
              bytesOf({0xD3, 0xC3, 0xBB, 0xA7})),
        typed("Bytes", &TableStore::writeBytes, &TableStore::readBytes, ByteArray{0, 0xFF, 0x7C},
              bytesOf({0, 0xFF, 0x7C}))),
    test::caseName<TypedCase>);

// --- failed reads ---

struct FailedReadCase {
  const char* name;
  friend void PrintTo(const FailedReadCase& c, std::ostream* out) { *out << c.name; }
  std::optional<std::string> content;  // of t/65/f.数据; nothing: no file
  std::function<bool(const TableStore&, GbkText*)> read;
  const char* error;  // UTF-8
  int pauses;
};

std::function<bool(const TableStore&, GbkText*)> readingText() {
  return [](const TableStore& s, GbkText* error) {
    GbkText value;
    return s.readText("t", "A", "f", value, error);
  };
}

template <typename T>
std::function<bool(const TableStore&, GbkText*)> readingAs(ReadMember<T> read) {
  return [read](const TableStore& s, GbkText* error) {
    T value{};
    return (s.*read)("t", "A", "f", value, error);
  };
}

class FailedReads : public StoreTest, public testing::WithParamInterface<FailedReadCase> {};

// A missing field is reported at once; an empty or short file may still be being written, so
// it is read 100 times, 1 ms apart, before the read gives up.
TEST_P(FailedReads, ReportTheirTextAfterTheirRetries) {
  fs::create_directory(inTable("65"));
  if (GetParam().content) putFile(inTable("65/f.数据"), *GetParam().content);
  EXPECT_FALSE(GetParam().read(store, &error));
  EXPECT_EQ(gbkToUtf8(error), GetParam().error);
  EXPECT_EQ(pause.count, GetParam().pauses);
  EXPECT_EQ(pause.total, GetParam().pauses);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailedReads,
    testing::Values(
        FailedReadCase{"MissingText", std::nullopt, readingText(), "不存在", 0},
        FailedReadCase{"MissingInt", std::nullopt, readingAs(&TableStore::readInt), "不存在", 0},
        FailedReadCase{"EmptyText", "", readingText(), "读取失败", 99},
        FailedReadCase{"EmptyBytes", "", readingAs(&TableStore::readBytes), "读取失败", 99},
        FailedReadCase{"IntOfTwoBytes", bytesOf({1, 2}), readingAs(&TableStore::readInt),
                       "读取失败", 99},
        FailedReadCase{"DateTimeOfSevenBytes", bytesOf({1, 2, 3, 4, 5, 6, 7}),
                       readingAs(&TableStore::readDateTime), "读取失败", 99}),
    test::caseName<FailedReadCase>);

// --- failed writes ---

TEST_F(StoreTest, EmptyValuesAreRefusedBeforeAnythingIsCreated) {
  EXPECT_FALSE(store.writeText("t", "", "f", "", &error));
  EXPECT_EQ(gbkToUtf8(error), "表标识无效");  // the identifier is checked before the value
  EXPECT_FALSE(store.writeText("t", "A", "f", "", &error));
  EXPECT_EQ(gbkToUtf8(error), "禁止空数据");
  error = untouched;
  EXPECT_FALSE(store.writeBytes("t", "A", "f", ByteArray{}, &error));
  EXPECT_EQ(gbkToUtf8(error), "禁止空数据");
  EXPECT_EQ(namesIn(inTable("")), std::set<std::string>{});
}

struct FailedWriteCase {
  const char* name;
  friend void PrintTo(const FailedWriteCase& c, std::ostream* out) { *out << c.name; }
  std::function<bool(TableStore&, GbkText*)> write;
  int pauses;  // text and byte writes pause 1 ms between attempts; numeric writes only yield
};

class WritesWithoutADatabase : public StoreTest,
                               public testing::WithParamInterface<FailedWriteCase> {};

TEST_P(WritesWithoutADatabase, FailAfterAllTheirAttempts) {
  ASSERT_TRUE(store.deleteDatabase(base, "设置"_gbk));
  EXPECT_FALSE(GetParam().write(store, &error));
  EXPECT_EQ(gbkToUtf8(error), "写入失败");
  EXPECT_EQ(pause.count, GetParam().pauses);
  EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WritesWithoutADatabase,
    testing::Values(
        FailedWriteCase{
            "Text", [](TableStore& s, GbkText* e) { return s.writeText("t", "A", "f", "abc", e); },
            98},
        FailedWriteCase{
            "Bytes",
            [](TableStore& s, GbkText* e) { return s.writeBytes("t", "A", "f", ByteArray{1}, e); },
            98},
        FailedWriteCase{
            "Int", [](TableStore& s, GbkText* e) { return s.writeInt("t", "A", "f", 1, e); }, 0}),
    test::caseName<FailedWriteCase>);

// --- deleting ---

TEST_F(StoreTest, DeleteFieldRemovesTheFileAndLeavesTheRecordFolder) {
  ASSERT_TRUE(store.writeText("t", "A", "f", "abc"));
  ASSERT_TRUE(store.writeText("t", "A", "g", "keep"));
  EXPECT_TRUE(store.deleteField("t", "A", "f", &error));
  EXPECT_EQ(error, untouched);
  EXPECT_EQ(namesIn(inTable("65")), std::set<std::string>{"g.数据"});
  GbkText text;
  EXPECT_FALSE(store.readText("t", "A", "f", text, &error));
  EXPECT_EQ(gbkToUtf8(error), "不存在");
}

TEST_F(StoreTest, DeleteFieldSucceedsForAFieldNeverWrittenInAnExistingRecord) {
  ASSERT_TRUE(store.writeText("t", "A", "g", "keep"));
  EXPECT_TRUE(store.deleteField("t", "A", "f"));  // the overwrite creates it first
  EXPECT_EQ(namesIn(inTable("65")), std::set<std::string>{"g.数据"});
}

TEST_F(StoreTest, DeleteFieldFailsSilentlyWithoutTheRecordFolder) {
  EXPECT_FALSE(store.deleteField("t", "A", "f", &error));
  EXPECT_EQ(error, untouched);
  EXPECT_EQ(namesIn(inTable("")), std::set<std::string>{});
}

// --- whole-file replacement ---

TEST_F(StoreTest, WritesLeaveNoTemporaryFileBehind) {
  ASSERT_TRUE(store.writeText("t", "A", "f", "abc"));
  ASSERT_TRUE(store.writeText("t", "A", "f", "abcd"));
  ASSERT_TRUE(store.writeInt("t", "A", "g", 7));
  ASSERT_TRUE(store.addInt("t", "A", "g", 1));
  EXPECT_EQ(namesIn(inTable("65")), (std::set<std::string>{"f.数据", "g.数据"}));
}

TEST_F(StoreTest, ALeftoverOfAnInterruptedWriteDoesNotDisturbTheField) {
  ASSERT_TRUE(store.writeText("t", "A", "f", "abc"));
  const fs::path leftover = inTable("65/f.数据.00000000deadbeef.写入中");
  putFile(leftover, "ha");  // a write that never reached its rename

  GbkText text;
  ASSERT_TRUE(store.readText("t", "A", "f", text));
  EXPECT_EQ(text, "abc");
  ASSERT_TRUE(store.writeText("t", "A", "f", "xyz"));
  ASSERT_TRUE(store.readText("t", "A", "f", text));
  EXPECT_EQ(text, "xyz");
  EXPECT_EQ(fileBytes(leftover), "ha");
}

#ifndef _WIN32  // Windows refuses to replace a file that a reader holds open; the write retries.
TEST_F(StoreTest, AReaderThatOpenedTheFileBeforeAWriteReadsTheWholeOldValue) {
  ASSERT_TRUE(store.writeText("t", "A", "f", "old value"));
  std::ifstream reader(inTable("65/f.数据"), std::ios::binary);
  ASSERT_TRUE(store.writeText("t", "A", "f", "new"));
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(reader), {}), "old value");
}
#endif

}  // namespace
}  // namespace verdomo::test
