#include <gtest/gtest.h>

#include "import/CsvRows.h"

namespace mirvane {
namespace {

using TFields = std::vector<std::vector<std::string>>;

TFields FieldsOf(const TCsvTable& Table)
{
    TFields Fields;
    for (const TCsvRow& Row : Table.Rows)
        Fields.push_back(Row.Fields);
    return Fields;
}

TEST(CsvRows, ReadsWhatSpreadsheetsWrite)
{
    const struct {
        std::string Text;
        TFields Expected;
    } Cases[] = {
        {"a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}},
        {"\xEF\xBB\xBF" "a,b\r\n1,2\r\n", {{"a", "b"}, {"1", "2"}}},
        {"a,b\n\"x, y\",\"say \"\"hi\"\"\"\n", {{"a", "b"}, {"x, y", "say \"hi\""}}},
        {"a,b\n\"two\r\nlines\",2\n\n", {{"a", "b"}, {"two\nlines", "2"}}},
        {"a;b\n1,5;2\n", {{"a", "b"}, {"1,5", "2"}}},
        {"a\tb\n1\t\n", {{"a", "b"}, {"1", ""}}},
        {"a,b\n1,2", {{"a", "b"}, {"1", "2"}}},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(FieldsOf(ReadCsvTable(Case.Text)), Case.Expected) << Case.Text;
}

TEST(CsvRows, RowsKnowTheLineTheyBeginOn)
{
    const TCsvTable Table = ReadCsvTable("a,b\n\"1\n2\",x\n3,y\n");
    ASSERT_EQ(Table.Rows.size(), 3u);
    EXPECT_EQ(Table.Rows[1].Line, 2u);
    EXPECT_EQ(Table.Rows[2].Line, 4u);
}

TEST(CsvRows, AnOpenQuoteAtTheEndIsAFileCutShort)
{
    const TCsvTable Table = ReadCsvTable("a,b\n1,\"never closed\n2,3\n");
    EXPECT_TRUE(Table.Rows.empty());
    EXPECT_NE(Table.Failure.find("line 2"), std::string::npos) << Table.Failure;
}

}  // namespace
}  // namespace mirvane
