#pragma once
// The profile section "Histogram Options": the resolution and the low and
// high limit of the SPL, peak and unweighted peak histograms and of the Ln
// tables of the interval and daily reports, each with the value it has while
// the profile holds none. The options dialog, the frame, the report view,
// the export, the histogram statistics and the record managers all take
// them from here.
#include "Profile.h"

inline constexpr const char* kHistogramOptionsSection = "Histogram Options";

// One value of the section: its key and its value while the profile holds
// none.
struct HistogramOption {
    const char* key;
    int byDefault;

    int Read(const platform::Profile& profile) const
    {
        return profile.GetProfileInt(kHistogramOptionsSection, key, byDefault);
    }
    void Write(platform::Profile& profile, int value) const
    {
        profile.WriteProfileInt(kHistogramOptionsSection, key, value);
    }
};

// The three values of one histogram or of the Ln tables. The SPL
// resolution is in tenths of a dB, the others and the limits in dB.
struct HistogramOptionSet {
    HistogramOption resolution;
    HistogramOption low;
    HistogramOption high;
};

inline constexpr HistogramOptionSet kSplHistogramOptions = {{"SPLRes", 10}, {"SplLowLimit", 45}, {"SplHighLimit", 95}};
inline constexpr HistogramOptionSet kPeakHistogramOptions = {
    {"PeakRes", 1}, {"PeakLowLimit", 70}, {"PeakHighLimit", 120}};
inline constexpr HistogramOptionSet kUwPeakHistogramOptions = {
    {"UwPkRes", 1}, {"UwPkLowLimit", 110}, {"UwPkHighLimit", 140}};
inline constexpr HistogramOptionSet kLnTableOptions = {
    {"LnTblRes", 10}, {"LnTblLowLimit", 45}, {"LnTblHighLimit", 95}};

// The row widths in dB of the SPL, peak and unweighted peak histograms as
// the profile sets them (the SPL one is stored in tenths of a dB).
struct HistogramResolutions {
    float spl;
    float peak;
    float uwPeak;
};

inline HistogramResolutions ReadHistogramResolutions(const platform::Profile& profile)
{
    return {static_cast<float>(kSplHistogramOptions.resolution.Read(profile)) / 10.0f,
            static_cast<float>(kPeakHistogramOptions.resolution.Read(profile)),
            static_cast<float>(kUwPeakHistogramOptions.resolution.Read(profile))};
}
