#include "FftSpectrumTable.h"

#include "ExportFields.h"

namespace {
constexpr int kRows = 80;
constexpr int kColumns = 5;
}  // namespace

std::string FftTableHeading()
{
    return ComposeText("%7s  %8s  %7s  %8s %7s %8s %7s %8s %7s %8s", "Freq. Hz", "Level dB", "Freq. Hz", "Level dB",
                       "Freq. Hz", "Level dB", "Freq. Hz", "Level dB", "Freq. Hz", "Level dB");
}

void WriteFftTableRows(std::ostream& out, const std::function<std::string(int line)>& cell)
{
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 0; column < kColumns; ++column)
            out << cell(row + kRows * column);
        out << std::endl;
    }
}
