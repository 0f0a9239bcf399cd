// The one cell writer of both export layouts: padding by characters,
// alignment kept by the stream, CSV quoting and numbers written in place.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "ExportCells.h"
#include "ExportStream.h"

namespace {

struct PaddedCase {
    const char* item;
    int width;
    bool left;
    const char* text;
};

class CellPadding : public ::testing::TestWithParam<PaddedCase> {};

TEST_P(CellPadding, CountsCharactersNotBytes)
{
    const PaddedCase& c = GetParam();
    ExportStream out;
    CellLine line(out, true);
    if (c.left)
        line.Left(c.width, c.item);
    else
        line.Right(c.width, c.item);
    line.End();
    EXPECT_EQ(out.Text(), std::string(c.text) + "\r\n");
}

// The writers' texts are Windows-1252: the degree sign (0xB0) is one
// character and becomes two bytes only in the file.
INSTANTIATE_TEST_SUITE_P(Cases, CellPadding,
                         ::testing::Values(PaddedCase{"045\xB0", 6, false, "  045\xC2\xB0"},
                                           PaddedCase{"045\xB0", 6, true, "045\xC2\xB0  "},
                                           PaddedCase{"Leq", 0, true, "Leq"},
                                           PaddedCase{"longer than", 4, false, "longer than"},
                                           PaddedCase{"", 3, true, "   "}));

struct FieldCase {
    const char* item;
    const char* field;
};

class CellField : public ::testing::TestWithParam<FieldCase> {};

TEST_P(CellField, DoublesEveryQuote)
{
    std::ostringstream out;
    CellLine(out, false).Cell(20, GetParam().item).End();
    EXPECT_EQ(out.str(), std::string(GetParam().field) + "\n");
}

INSTANTIATE_TEST_SUITE_P(Cases, CellField,
                         ::testing::Values(FieldCase{"6\" pipe, east side", "\"6\"\" pipe, east side\","},
                                           FieldCase{"Gate \"B\"", "\"Gate \"\"B\"\"\","},
                                           FieldCase{"\"", "\"\"\"\","}, FieldCase{"", "\"\","}));

TEST(CellLine, NumbersFollowTheStreamsNotationAndAlignment)
{
    std::ostringstream out;
    out.setf(std::ios::fixed, std::ios::floatfield);
    out.precision(2);
    out.setf(std::ios::left, std::ios::adjustfield);
    CellLine(out, true).Cell(6, 0.125).Cell(7, -40000).AlignRight().Cell(4, uint16_t{65535}).End();
    // The left flag is cleared for the lines that follow, as the writers
    // rely on.
    EXPECT_FALSE(out.flags() & std::ios::left);
    CellLine(out, false).Cell(6, 2.5f).CsvOnly('x').TextOnly(9, "not in CSV").End();
    EXPECT_EQ(out.str(), "0.13  -40000 65535\n\"2.50\",\"x\",\n");
}

TEST(CellLine, LastCellOfACsvLineIsClosedByTheLineCloser)
{
    std::ostringstream csv;
    CellLine(csv, false).Cell(16, "Weighting:").EndWithCell(5, "A \"x\"");
    EXPECT_EQ(csv.str(), "\"Weighting:\",\"A \"\"x\"\"\"\n");
    std::ostringstream text;
    CellLine(text, true).Cell(4, "W:").EndWithCell(3, "A");
    EXPECT_EQ(text.str(), "  W:  A\n");
}

}  // namespace
