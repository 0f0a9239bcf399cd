#pragma once
// Numbers from a download file are whatever the file says: a parameter line
// can hold "66666666666" or a value the decimal reader turns into infinity.
// Every float that becomes an integer goes through SaturatingCast, which
// clamps to the integer's range and gives 0 for NaN, where a plain cast would
// be undefined. A period or a level offset that no instrument can have is
// taken as none (0) where it is set, so that the time and level arithmetic
// after it stays in range.
#include <cmath>
#include <limits>

namespace tessdec {

template <typename Int>
Int SaturatingCast(double v) {
    using Limits = std::numeric_limits<Int>;
    if (std::isnan(v)) return 0;
    if (v <= static_cast<double>(Limits::min())) return Limits::min();
    if (v >= static_cast<double>(Limits::max())) return Limits::max();
    return static_cast<Int>(v);
}

// The longest sample period a setting can mean: one day.
constexpr double kMaxPeriodSecs = 86400.0;
// A level offset beyond this many decibels is no offset.
constexpr double kMaxLevelOffset = 256.0;

inline bool IsPlausiblePeriod(double secs) { return secs > 0.0 && secs <= kMaxPeriodSecs; }
inline bool IsPlausibleLevelOffset(double db) { return std::isfinite(db) && std::fabs(db) <= kMaxLevelOffset; }

}  // namespace tessdec
