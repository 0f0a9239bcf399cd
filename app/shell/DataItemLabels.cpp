#include "DataItemLabels.h"

#include <cstdio>

namespace {

constexpr int kJ46 = 46;
constexpr int kJ57 = 57;

enum class Variant {
    Plain,
    DotForJ57,   // "." in front for a J57 file
    RtaEvents,   // and a second item "RT60 Analyses" with the same count
    Summary,     // by settings and model
};

struct LabelDef {
    int slot;
    const char* text;
    Variant variant;
};

// Count slots with their labels, in the order the items appear.
const LabelDef kLabels[] = {
    {15, "Sys Settings", Variant::DotForJ57},
    {16, "Cal Settings", Variant::DotForJ57},
    {17, "OBA Settings", Variant::Plain},
    {18, "sSLM Settings", Variant::Plain},
    {19, "iSLM Settings", Variant::Plain},
    {22, "SSA Settings", Variant::Plain},
    {23, "ISM Settings", Variant::Plain},
    {24, "LOG Settings", Variant::Plain},
    {25, "RTA Settings", Variant::Plain},
    {26, "FFT Settings", Variant::Plain},
    {28, "TAL Settings", Variant::Plain},
    {0, "Calibrations", Variant::Plain},
    {1, "Cal Spectra", Variant::Plain},
    {11, "Run/Stops", Variant::Plain},
    {33, "SSA Run/Stops", Variant::Plain},
    {37, "FFT Run/Stops", Variant::Plain},
    {3, "Events", Variant::Plain},
    {4, "RTA Events", Variant::RtaEvents},
    {5, "Event Spectra", Variant::Plain},
    {6, "Event TH Spectra", Variant::Plain},
    {8, "Intervals", Variant::Plain},
    {9, "Intv Spectra", Variant::Plain},
    {20, "OBA Intvs", Variant::Plain},
    {21, "Intv Snapshots", Variant::Plain},
    {30, "SSA Intvs", Variant::Plain},
    {2, "Days", Variant::Plain},
    {14, "Time Hist Samples", Variant::DotForJ57},
    {31, ".SSA Time Hist Samples", Variant::Plain},
    {34, ".TAL Time Hist Samples", Variant::Plain},
    {35, "TAL Snapshots", Variant::Plain},
    {36, "FFT Snapshots", Variant::Plain},
    {39, "RTA Spatially Averaged Samples", Variant::Plain},
    {7, "Histograms", Variant::Plain},
    {32, "SSA Histograms", Variant::Plain},
    {13, "Summary", Variant::Summary},
    {40, "SSA Summary", Variant::Plain},
};

constexpr int kFftSettingsSlot = 26;

std::string Label(uint32_t count, const std::string& text)
{
    char number[16];
    std::snprintf(number, sizeof number, "%lu ", static_cast<unsigned long>(count));
    return number + text;
}

}  // namespace

std::vector<std::string> DataItemLabels(const RecordCounts& counts, int model)
{
    std::vector<std::string> labels;
    for (const LabelDef& def : kLabels) {
        const uint32_t count = counts[def.slot];
        if (count == 0)
            continue;
        std::string text = def.text;
        switch (def.variant) {
        case Variant::Plain:
            break;
        case Variant::DotForJ57:
            if (model == kJ57)
                text = "." + text;
            break;
        case Variant::RtaEvents:
            labels.push_back(Label(count, text));
            text = "RT60 Analyses";
            break;
        case Variant::Summary:
            if (counts[kFftSettingsSlot] != 0)
                text = "FFT Summary";
            else if (model == kJ57)
                text = ".Summary";
            else if (model == kJ46)
                text = "_Summary";
            break;
        }
        labels.push_back(Label(count, text));
    }
    return labels;
}

int DataItemImage(int model)
{
    switch (model) {
    case 5:
    case 17:
    case 33:
    case 52:
        return 8;
    case kJ46:
    case kJ57:
        return 7;
    default:
        return 6;
    }
}
