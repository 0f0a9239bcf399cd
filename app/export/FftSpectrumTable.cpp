#include "FftSpectrumTable.h"

namespace {
constexpr int kRows = 80;
constexpr int kColumns = 5;
}  // namespace

void WriteFftTableHeading(std::ostream& out)
{
    // Every heading is as wide as its column or wider: the line is the
    // headings and the gaps between them.
    CellLine(out, true)
        .Cell(0, "Freq. Hz  Level dB  Freq. Hz  Level dB Freq. Hz Level dB Freq. Hz Level dB Freq. Hz Level dB")
        .End();
}

void WriteFftTableCell(CellLine& row, const FftBandwidth* bandwidth, int line, const FftLevelCell& level)
{
    row.Cell(0, FftFrequencyText(bandwidth, line)).Cell(0, "   ");
    level(row, line);
    row.Cell(0, "    ");
}

void WriteFftTableRows(std::ostream& out, const FftBandwidth* bandwidth, const FftLevelCell& level)
{
    for (int row = 1; row <= kRows; ++row) {
        CellLine cells(out, true);
        for (int column = 0; column < kColumns; ++column)
            WriteFftTableCell(cells, bandwidth, row + kRows * column, level);
        cells.End();
    }
}
