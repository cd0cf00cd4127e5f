// Databases, tables, and the checks every operation makes before it touches a file.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>
#include <string>

#include "store/store_path.h"
#include "store/table_store.h"
#include "store_fixture.h"
#include "support/case_name.h"

namespace verdomo::test {
namespace {

using namespace verdomo::literals;

// --- databases ---

TEST_F(StoreTest, CreateDatabaseWithoutANameLeavesTheObjectClosed) {
  TableStore closed{pause};
  EXPECT_FALSE(closed.createDatabase(base, "", &error));
  EXPECT_EQ(gbkToUtf8(error), "0001|数据库名必须1字节以上");
  EXPECT_FALSE(closed.createTable("u", &error));
  EXPECT_EQ(gbkToUtf8(error), "库没有打开");
}

TEST_F(StoreTest, CreateDatabaseOpensTheObjectEvenOnAnExistingFolder) {
  TableStore second{pause};
  EXPECT_FALSE(second.createDatabase(base, "设置"_gbk, &error));
  EXPECT_EQ(error, untouched);
  EXPECT_TRUE(second.createTable("u"));
  EXPECT_TRUE(fs::is_directory(folder.path() / "设置" / "u"));
}

TEST_F(StoreTest, CreateDatabaseMakesTheFoldersAboveIt) {
  TableStore fresh{pause};
  EXPECT_TRUE(fresh.createDatabase(joinPath(joinPath(base, "数据"_gbk), "用户"_gbk), "设置"_gbk));
  EXPECT_TRUE(fs::is_directory(folder.path() / "数据" / "用户" / "设置"));
}

TEST_F(StoreTest, OpenDatabaseOpensOnlyAnExistingFolder) {
  TableStore other{pause};
  EXPECT_FALSE(other.openDatabase(base, "无"_gbk));
  EXPECT_FALSE(other.createTable("u", &error));
  EXPECT_EQ(gbkToUtf8(error), "库没有打开");

  ASSERT_TRUE(other.openDatabase(base, "设置"_gbk));
  EXPECT_FALSE(other.openDatabase(base, "无"_gbk));  // stays on 设置
  EXPECT_TRUE(other.createTable("u"));
  EXPECT_TRUE(fs::is_directory(folder.path() / "设置" / "u"));
}

TEST_F(StoreTest, DeleteDatabaseRemovesEverythingAndLeavesTheObjectAsItWas) {
  ASSERT_TRUE(store.writeText("t", "A", "f", "abc"));
  EXPECT_FALSE(store.deleteDatabase(base, ""));  // never the base folder itself
  EXPECT_TRUE(store.deleteDatabase(base, "设置"_gbk));
  EXPECT_FALSE(fs::exists(folder.path() / "设置"));
  EXPECT_TRUE(fs::exists(folder.path()));
  EXPECT_FALSE(store.deleteDatabase(base, "设置"_gbk));

  // Still open on the deleted database: the table folder has nowhere to go.
  EXPECT_FALSE(store.createTable("u", &error));
  EXPECT_EQ(gbkToUtf8(error), "创建表失败");
}

TEST_F(StoreTest, AnEmptyDatabaseNameOpensTheBaseFolderButNotTheDatabase) {
  TableStore other{pause};
  ASSERT_TRUE(other.openDatabase(base, ""));
  EXPECT_FALSE(other.createTable("u", &error));
  EXPECT_EQ(gbkToUtf8(error), "库不存在");
  GbkText text;
  EXPECT_FALSE(other.readText("t", "A", "f", text, &error));
  EXPECT_EQ(gbkToUtf8(error), "库不存在");
}

// --- tables ---

struct TableCase {
  const char* name;
  friend void PrintTo(const TableCase& c, std::ostream* out) { *out << c.name; }
  bool create;  // createTable, else deleteTable
  GbkText table;
  const char* error;  // UTF-8
};

class TableChecks : public StoreTest, public testing::WithParamInterface<TableCase> {};

TEST_P(TableChecks, RefuseWithTheirText) {
  const TableCase& c = GetParam();
  EXPECT_FALSE(c.create ? store.createTable(c.table, &error) : store.deleteTable(c.table, &error));
  EXPECT_EQ(gbkToUtf8(error), c.error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TableChecks,
    testing::Values(TableCase{"CreateEmptyName", true, "", "表名长度不能低于1字节"},
                    TableCase{"DeleteEmptyName", false, "", "表名长度不能低于1字节"},
                    TableCase{"CreateWithBar", true, "a|b", "表名不能使用特殊符号"},
                    TableCase{"DeleteWithBar", false, "a|b", "表名不能使用特殊符号"},
                    TableCase{"CreateDot", true, ".", "表名不能使用特殊符号"},
                    TableCase{"DeleteDotDot", false, "..", "表名不能使用特殊符号"},
                    TableCase{"CreateWithSlash", true, "a/b", "表名不能使用特殊符号"},
                    TableCase{"DeleteWithBackslash", false, "a\\b", "表名不能使用特殊符号"},
                    TableCase{"CreateWithZeroByte", true, GbkText("a\0b", 3),
                              "表名不能使用特殊符号"},
                    TableCase{"CreateExisting", true, "t", "表已存在"},
                    TableCase{"DeleteMissing", false, "无"_gbk, "表不存在"}),
    test::caseName<TableCase>);

TEST_F(StoreTest, ABarByteInsideAChineseCharacterIsNoBar) {
  const GbkText table = "貄"_gbk;  // D8 7C: the second byte is the code of "|"
  ASSERT_EQ(table, "\xD8\x7C");
  EXPECT_TRUE(store.createTable(table, &error));
  EXPECT_EQ(error, untouched);
  EXPECT_TRUE(fs::is_directory(folder.path() / "设置" / "貄"));
}

TEST_F(StoreTest, ABackslashByteInsideAChineseCharacterIsNoSeparator) {
  const GbkText table = "乗"_gbk;  // 81 5C: the second byte is the code of "\\"
  ASSERT_EQ(table, "\x81\x5C");
  EXPECT_TRUE(store.createTable(table, &error));
  EXPECT_TRUE(store.writeText(table, "A", table, "abc", &error));
  EXPECT_EQ(error, untouched);
  EXPECT_EQ(fileBytes(folder.path() / "设置" / "乗" / "65" / "乗.数据"), "abc");
}

// Every file and folder below `root` with its bytes, to show that nothing was touched.
std::map<std::string, std::string> everythingBelow(const fs::path& root) {
  std::map<std::string, std::string> contents;
  for (const auto& item : fs::recursive_directory_iterator(root)) {
    contents[fs::relative(item.path(), root).generic_string()] =
        item.is_directory() ? "<folder>" : fileBytes(item.path());
  }
  return contents;
}

TEST_F(StoreTest, DeletingTheTableDotDotLeavesTheDatabase) {
  ASSERT_TRUE(store.createTable("u"));
  ASSERT_TRUE(store.writeText("t", "A", "f", "abc"));
  const auto before = everythingBelow(folder.path());
  EXPECT_FALSE(store.deleteTable("..", &error));
  EXPECT_EQ(gbkToUtf8(error), "表名不能使用特殊符号");
  EXPECT_EQ(everythingBelow(folder.path()), before);
}

// Names that are no single name, each able to climb out of its level or reach into another.
const GbkText kClimbingNames[] = {
    ".", "..", "../u", "a/b", "/", "..\\u", "a\\b", GbkText("a\0b", 3), GbkText("..\0", 3)};

class ClimbingName : public StoreTest, public testing::WithParamInterface<GbkText> {};

// A table "u" and a record of it lie where the climbing names could reach.
TEST_P(ClimbingName, IsRefusedAsATableOrFieldNameBeforeAnyFileIsTouched) {
  const GbkText name = GetParam();
  ASSERT_TRUE(store.createTable("u"));
  ASSERT_TRUE(store.writeText("u", "A", "f", "abc"));
  ASSERT_TRUE(store.writeInt("t", "A", "g", 7));
  const auto before = everythingBelow(folder.path());

  const auto refused = [&](bool result) {
    const bool ok = !result && gbkToUtf8(error) == "表名不能使用特殊符号";
    error = untouched;
    return ok;
  };
  GbkText text;
  std::int32_t number = 0;
  for (const GbkText& table : {name, GbkText("t")}) {
    // The table is checked first; with "t" the field name is the bad one.
    const GbkText field = table == name ? GbkText("f") : name;
    SCOPED_TRACE(testing::Message() << "table " << testing::PrintToString(table) << " field "
                                    << testing::PrintToString(field));
    EXPECT_TRUE(refused(store.writeText(table, "A", field, "new", &error)));
    EXPECT_TRUE(refused(store.writeInt(table, "A", field, 1, &error)));
    EXPECT_TRUE(refused(store.readText(table, "A", field, text, &error)));
    EXPECT_TRUE(refused(store.readInt(table, "A", field, number, &error)));
    EXPECT_TRUE(refused(store.addInt(table, "A", field, 1, &error)));
    EXPECT_TRUE(refused(store.deleteField(table, "A", field, &error)));
  }
  EXPECT_TRUE(store.recordPath(name, "A", &error).empty());
  EXPECT_EQ(gbkToUtf8(error), "表名不能使用特殊符号");
  EXPECT_TRUE(refused(store.createTable(name, &error)));
  EXPECT_TRUE(refused(store.deleteTable(name, &error)));
  EXPECT_EQ(everythingBelow(folder.path()), before);
}

TEST_P(ClimbingName, IsNoDatabaseName) {
  // The databases lie one level down, so that a name that climbs stays inside the test's folder.
  const fs::path inner = folder.path() / "inner";
  TableStore other{pause};
  ASSERT_TRUE(other.createDatabase(inner, "设置"_gbk));
  ASSERT_TRUE(other.createTable("t"));
  const auto before = everythingBelow(folder.path());

  TableStore fresh{pause};
  EXPECT_FALSE(fresh.createDatabase(inner, GetParam(), &error));
  EXPECT_EQ(gbkToUtf8(error), "0001|数据库名必须1字节以上");
  EXPECT_FALSE(fresh.createTable("u", &error));
  EXPECT_EQ(gbkToUtf8(error), "库没有打开");
  EXPECT_FALSE(fresh.openDatabase(inner, GetParam()));
  EXPECT_FALSE(fresh.createTable("u", &error));
  EXPECT_FALSE(fresh.deleteDatabase(inner, GetParam()));
  EXPECT_EQ(everythingBelow(folder.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Names, ClimbingName, testing::ValuesIn(kClimbingNames));

TEST_F(StoreTest, AnEmptyFieldNameIsRefused) {
  GbkText text;
  EXPECT_FALSE(store.writeText("t", "A", "", "abc", &error));
  EXPECT_EQ(gbkToUtf8(error), "表名不能使用特殊符号");
  EXPECT_FALSE(fs::exists(inTable("65")));
  error = untouched;
  EXPECT_FALSE(store.readText("t", "A", "", text, &error));
  EXPECT_EQ(gbkToUtf8(error), "表名不能使用特殊符号");
}

TEST_F(StoreTest, DeleteTableRemovesItWithItsRecords) {
  ASSERT_TRUE(store.writeText("t", "用户"_gbk, "f", "abc"));
  EXPECT_TRUE(store.deleteTable("t", &error));
  EXPECT_EQ(error, untouched);
  EXPECT_FALSE(fs::exists(folder.path() / "设置" / "t"));
  EXPECT_TRUE(store.createTable("t"));
}

// --- the checks of the field operations ---

using FieldOperation =
    std::function<bool(TableStore&, std::string_view table, std::string_view id, GbkText* error)>;

template <typename T>
FieldOperation reading(ReadMember<T> read) {
  return [read](TableStore& s, std::string_view table, std::string_view id, GbkText* error) {
    T value{};
    return (s.*read)(table, id, "f", value, error);
  };
}

template <typename T>
FieldOperation writing(WriteMember<T> write, std::decay_t<T> value) {
  return [write, value](TableStore& s, std::string_view table, std::string_view id,
                        GbkText* error) { return (s.*write)(table, id, "f", value, error); };
}

struct OperationCase {
  const char* name;
  friend void PrintTo(const OperationCase& c, std::ostream* out) { *out << c.name; }
  FieldOperation run;
  const char* emptyIdentifierError;  // UTF-8; nullptr: no error text
};

const ByteArray kSomeBytes{1, 2, 3};

const OperationCase kOperations[] = {
    {"DeleteField",
     [](TableStore& s, std::string_view t, std::string_view i, GbkText* e) {
       return s.deleteField(t, i, "f", e);
     },
     nullptr},
    {"RecordPath",
     [](TableStore& s, std::string_view t, std::string_view i, GbkText* e) {
       return !s.recordPath(t, i, e).empty();
     },
     nullptr},
    {"ReadShort", reading(&TableStore::readShort), nullptr},
    {"ReadBool", reading(&TableStore::readBool), nullptr},
    {"ReadDateTime", reading(&TableStore::readDateTime), "标识错误"},
    {"ReadDouble", reading(&TableStore::readDouble), nullptr},
    {"ReadText", reading(&TableStore::readText), "标识无效"},
    {"ReadFloat", reading(&TableStore::readFloat), nullptr},
    {"ReadInt64", reading(&TableStore::readInt64), nullptr},
    {"ReadInt", reading(&TableStore::readInt), nullptr},
    {"ReadProcAddress", reading(&TableStore::readProcAddress), nullptr},
    {"ReadByte", reading(&TableStore::readByte), nullptr},
    {"ReadBytes", reading(&TableStore::readBytes), nullptr},
    {"WriteShort", writing(&TableStore::writeShort, 1), "标识无效"},
    {"WriteByte", writing(&TableStore::writeByte, 1), "标识无效"},
    {"WriteInt", writing(&TableStore::writeInt, 1), "标识无效"},
    {"WriteFloat", writing(&TableStore::writeFloat, 1.0f), "标识无效"},
    {"WriteBool", writing(&TableStore::writeBool, true), "标识无效"},
    {"WriteText", writing(&TableStore::writeText, "abc"), "表标识无效"},
    {"WriteBytes", writing(&TableStore::writeBytes, kSomeBytes), nullptr},
    {"WriteInt64", writing(&TableStore::writeInt64, 1), "标识无效"},
    {"WriteDateTime", writing(&TableStore::writeDateTime, LocalDateTime{}), "标识无效"},
    {"WriteDouble", writing(&TableStore::writeDouble, 1.0), "标识无效"},
    {"WriteProcAddress", writing(&TableStore::writeProcAddress, ProcAddress{1}), "标识无效"},
    {"AddDouble",
     [](TableStore& s, std::string_view t, std::string_view i, GbkText* e) {
       return s.addDouble(t, i, "f", 1.0, e);
     },
     "标识无效"},
    {"AddInt",
     [](TableStore& s, std::string_view t, std::string_view i, GbkText* e) {
       return s.addInt(t, i, "f", 1, e);
     },
     "标识无效"},
};

class FieldChecks : public StoreTest, public testing::WithParamInterface<OperationCase> {};

// Each check is made with everything after it wrong as well, so the order shows.
TEST_P(FieldChecks, RefuseAClosedObjectFirst) {
  TableStore closed{pause};
  EXPECT_FALSE(GetParam().run(closed, "", "", &error));
  EXPECT_EQ(gbkToUtf8(error), "库没有打开");
}

TEST_P(FieldChecks, ThenAnEmptyTableName) {
  EXPECT_FALSE(GetParam().run(store, "", "", &error));
  EXPECT_EQ(gbkToUtf8(error), "表不存在");
}

TEST_P(FieldChecks, ThenAnEmptyIdentifierWithTheirOwnText) {
  EXPECT_FALSE(GetParam().run(store, "t", "", &error));
  const char* expected = GetParam().emptyIdentifierError;
  if (expected == nullptr) {
    EXPECT_EQ(error, untouched);
  } else {
    EXPECT_EQ(gbkToUtf8(error), expected);
  }
  EXPECT_EQ(namesIn(inTable("")), std::set<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Operations, FieldChecks, testing::ValuesIn(kOperations),
                         test::caseName<OperationCase>);

}  // namespace
}  // namespace verdomo::test
