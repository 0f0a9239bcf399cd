#pragma once
// The histograms of a loaded download file: the SPL histogram of 1280 bins of
// 0.1 dB and the peak histograms of 128 bins of 1 dB, each with the level
// range and table resolution of its report table.
#include <cstddef>
#include <vector>

#include "HistogramRec.h"

class HistogramMgr {
public:
    struct Stats {
        float level = 0;
        int count = 0;
        float percent = 0;
        float seconds = 0;
    };

    void AddBin(const HistogramRec& bin) { m_bins.push_back(bin); }
    // Deletes the bins and clears the total and the limits.
    void RemoveAll();

    int GetSize() const { return static_cast<int>(m_bins.size()); }
    const HistogramRec* GetAt(int bin) const
    {
        return (bin >= 0 && bin < GetSize()) ? &m_bins[static_cast<size_t>(bin)] : nullptr;
    }

    void SetBaseLevel(int level) { m_baseLevel = level; }
    int GetBaseLevel() const { return m_baseLevel; }
    void SetTotalCount(int count) { m_total = count; }
    int GetTotalCount() const { return m_total; }
    void SetResolution(float db) { m_resolution = db; }
    float GetResolution() const { return m_resolution; }
    // The smaller is the low limit, the larger the high one; a limit more
    // than 128 dB from the base level, or below it, falls back (low to the
    // base, high to the base + 127).
    void SetLevelRange(int a, int b);
    int GetLowLimit() const { return m_low; }
    int GetHighLimit() const { return m_high; }

    // The row of everything below the low limit, and above the high limit.
    void GetBelowLowStats(float* level, int* count, float* percent, float* seconds) const;
    void GetAboveHighStats(float* level, int* count, float* percent, float* seconds) const;
    // Table row 0 .. from the low limit on, one resolution step each.
    void GetRowStats(int row, float* level, int* count, float* percent, float* seconds) const;
    // Rows of the range plus the below and the above row; 0 without counts.
    int GetTableRowCount() const;

protected:
    HistogramMgr(int binCount, int binsPerDb, float resolution)
        : m_binCount(binCount), m_binsPerDb(binsPerDb), m_resolution(resolution)
    {
    }
    // Bins of one resolution step (at least one).
    virtual int StepBins() const = 0;

private:
    // Count, percent and seconds of bins first to last (inclusive, clamped).
    Stats Sum(int first, int last) const;
    static void Put(const Stats& s, float* level, int* count, float* percent, float* seconds);

    int m_binCount;
    int m_binsPerDb;
    std::vector<HistogramRec> m_bins;
    int m_total = 0;
    int m_low = 0;
    int m_high = 0;
    float m_resolution;
    int m_baseLevel = 0;
};

class SplHistMgr : public HistogramMgr {
public:
    static constexpr int kBins = 1280;
    SplHistMgr() : HistogramMgr(kBins, 10, 0.1f) {}

protected:
    // Whole tenths of a dB: a float 0.1 taken ten times is one step.
    int StepBins() const override;
};

class PkHistMgr : public HistogramMgr {
public:
    static constexpr int kBins = 128;
    PkHistMgr() : HistogramMgr(kBins, 1, 1.0f) {}

protected:
    int StepBins() const override;
};
