#include "HistogramStats.h"

#include <algorithm>

#include "Profile.h"

namespace {
const char kSection[] = "Histogram Options";
}

HistogramStats::HistogramStats(const uint32_t* bins, int baseLevel, int divisor)
    : base_(baseLevel), divisor_(divisor > 0 ? divisor : 1)
{
    for (int i = 0; i < kBins; ++i) {
        bins_[i] = bins ? bins[i] : 0;
        total_ += bins_[i];
    }
    platform::Profile& profile = platform::AppProfile();
    resolution_ = std::clamp(profile.GetProfileInt(kSection, "LnTblRes", 10), 1, 10);
    low_ = profile.GetProfileInt(kSection, "LnTblLowLimit", 45) - base_;
    if (low_ < 0 || low_ > kBins) {
        low_ = 0;
        profile.WriteProfileInt(kSection, "LnTblLowLimit", base_);
    }
    high_ = profile.GetProfileInt(kSection, "LnTblHighLimit", 95) - base_;
    if (high_ < 0 || high_ > kBins) {
        high_ = kBins - ((kBins - low_) % resolution_);
        profile.WriteProfileInt(kSection, "LnTblHighLimit", high_ + base_);
    }
}

void HistogramStats::Fill(int count, float* percent, float* seconds) const
{
    // An empty histogram has no share of anything.
    if (count > 0 && total_ > 0) {
        *percent = static_cast<float>(count) / static_cast<float>(total_) * 100.0f;
        *seconds = static_cast<float>(count) / static_cast<float>(divisor_);
    }
}

void HistogramStats::GetBelowRow(float* level, int* count, float* percent, float* seconds) const
{
    *level = 0;
    *count = 0;
    *percent = 0;
    *seconds = 0;
    uint64_t sum = 0;
    for (int i = 0; i < low_ && i < kBins; ++i)
        sum += bins_[i];
    *count = static_cast<int>(sum);
    *level = static_cast<float>(low_ + base_);
    Fill(*count, percent, seconds);
}

void HistogramStats::GetRangeRow(int row, float* level, int* count, float* percent, float* seconds) const
{
    *percent = 0;
    *seconds = 0;
    const int first = low_ + row * resolution_;
    *level = static_cast<float>(first + base_);
    uint64_t sum = 0;
    for (int i = first; i < first + resolution_; ++i)
        if (i >= 0 && i < kBins)
            sum += bins_[i];
    *count = static_cast<int>(sum);
    Fill(*count, percent, seconds);
}

void HistogramStats::GetAboveRow(float* level, int* count, float* percent, float* seconds) const
{
    *level = 0;
    *count = 0;
    *percent = 0;
    *seconds = 0;
    const int k = high_ + resolution_ - 1;
    if (k >= kBins)
        return;
    uint64_t sum = 0;
    for (int i = kBins - 1; i > k; --i)
        sum += bins_[i];
    *count = static_cast<int>(sum);
    *level = static_cast<float>(high_ + base_);
    Fill(*count, percent, seconds);
}
