#include "FftBandwidth.h"

#include "ReportNumbers.h"

namespace {
constexpr size_t kUnknownFrequencyWidth = 5;
}  // namespace

std::string FftFrequencyText(const FftBandwidth* bandwidth, int line, bool text)
{
    if (bandwidth == nullptr)
        return text ? std::string(kUnknownFrequencyWidth, ' ') : std::string();
    return FormatFixed(line * bandwidth->lineSpacing, bandwidth->frequencyDecimals, bandwidth->frequencyWidth);
}
