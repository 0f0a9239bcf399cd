#pragma once
// The bandwidths of the FFT mode by the setup's bandwidth index: the text,
// the spacing of the 401 spectrum lines (the bandwidth over 400 lines) and
// how the text layout writes a line's frequency.
#include <array>
#include <string>

struct FftBandwidth {
    const char* text;
    double lineSpacing;  // Hz
    int frequencyWidth;
    int frequencyDecimals;
};

inline constexpr std::array<FftBandwidth, 7> kFftBandwidths = {{
    {"0 - 200 Hz", 0.5, 5, 1},
    {"0 - 500 Hz", 1.25, 6, 2},
    {"0 - 1K Hz", 2.5, 6, 1},
    {"0 - 2K Hz", 5.0, 4, 0},
    {"0 - 5K Hz", 12.5, 6, 1},
    {"0 - 10K Hz", 25.0, 5, 0},
    {"0 - 20K Hz", 50.0, 5, 0},
}};

// The row of index 0 to 6; null for any other index.
inline const FftBandwidth* FindFftBandwidth(int index)
{
    return index >= 0 && index < static_cast<int>(kFftBandwidths.size()) ? &kFftBandwidths[static_cast<size_t>(index)]
                                                                         : nullptr;
}

// The frequency of spectrum line 0 to 400 in the bandwidth's format
// ("%5.1f" ...). Without a bandwidth the frequency is unknown: blanks in the
// text layout (text), an empty text for a CSV field or the report view.
std::string FftFrequencyText(const FftBandwidth* bandwidth, int line, bool text = true);
