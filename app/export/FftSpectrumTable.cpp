#include "FftSpectrumTable.h"

#include "ExportFields.h"
#include "ReportNumbers.h"

namespace {
constexpr int kRows = 80;
constexpr int kColumns = 5;
constexpr size_t kUnknownFrequencyWidth = 5;
}  // namespace

std::string FftFrequencyText(const FftBandwidth* bandwidth, int line, bool text)
{
    if (bandwidth == nullptr)
        return text ? std::string(kUnknownFrequencyWidth, ' ') : std::string();
    return FormatFixed(line * bandwidth->lineSpacing, bandwidth->frequencyDecimals, bandwidth->frequencyWidth);
}

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
