#pragma once
// One time-history sample (output kind 57, or one entry of a stream block of
// kind 16): a level sample or a run/stop entry, told apart by the sign of its
// first value; or one spectrum sample of an RTA event (output kinds 21 and
// 22).
#include <cstdint>
#include <memory>
#include <string>

#include "IntOrZero.h"
#include "RecordView.h"

class ThRec {
public:
    // A kind-57 sample.
    static ThRec FromTimeHistory(const RecordView& record);
    // A kind-21 or kind-22 spectrum sample: its one spectrum serves as both the
    // live and the Leq spectrum.
    static ThRec FromSpectrum(const RecordView& record);
    // An entry of a time-history stream: a level with its second level (when
    // the stream stores one), or a run/stop entry (first value minus the
    // run-state code, second value the cause code). A stream stores no
    // detector or auxiliary levels.
    static ThRec FromStream(uint32_t time, uint32_t recordNumber, uint16_t site, float first, float second,
                            bool hasSecondLevel);

    uint32_t GetTime() const { return m_time; }
    uint32_t GetRecordNumber() const { return m_record; }
    // The Leq of a level sample, minus the run-state code of a run/stop entry.
    float GetLeq() const { return m_first; }
    // The other level of a level sample, the cause code of a run/stop entry.
    float GetSecondValue() const { return m_second; }
    float GetOtherLevel() const { return m_second; }
    bool IsLevelSample() const;
    // What the sample carries beside its time and first value: the other
    // level, and the detector and auxiliary levels. A column for a value the
    // sample lacks stays empty.
    bool HasSecondLevel() const { return (m_carries & kSecondLevel) != 0; }
    bool HasDetectorLevels() const { return (m_carries & kDetectorLevels) != 0; }
    int GetCauseCode() const { return IntOrZero(m_second); }
    // Run/stop entries only (first value 0 or less): 0, 3 "Stop", 1 "Pause",
    // 2 "Mark", 4, 7 "Run", 5 "Cont", 6 "Reset"; otherwise empty.
    const std::string& GetStateText(std::string& out) const;
    // Run/stop entries only (first value below 1), causes 0 to 10.
    const std::string& GetCauseText(std::string& out) const;

    // Entry of the first set's array of weighting 'A', 'C' or 'F' picked by a
    // detector bit (1, 2, 4 ... 128 for entries 0 to 7); -1.0 otherwise.
    float GetDetectorLevel(int bit, char letter) const;
    // The live levels of the second set: bits 32, 64, 128 only.
    float GetDetectorLevel2(int bit, char letter) const;
    // Auxiliary readings of the second set: A and C by bit 1, 2 or 4, F by
    // bit 4 only; -1.0 for any other bit.
    float GetAuxA(int bit) const;
    float GetAuxC(int bit) const;
    float GetAuxF(int bit) const;
    // Bands 0 to 32; 0.0 beyond.
    float GetLiveBand(int band) const { return Band(m_carries & kSpectrumOnly ? 0 : kLive, band); }
    float GetLeqBand(int band) const { return Band(m_carries & kSpectrumOnly ? 0 : kLeqBands, band); }
    float GetTimeOffset() const { return m_timeOffset; }
    int GetFlag() const { return m_flag; }

private:
    // The detector sets and the spectra. Most samples carry none of them (a
    // plain level history) and a survey holds a million samples, so they
    // live apart and only where one of them is not zero: the two sets of
    // three weightings of eight values, the live and the Leq spectrum; or,
    // for a spectrum sample, its one spectrum alone.
    static constexpr size_t kSet1 = 0, kSet2 = 24, kLive = 48, kLeqBands = 81, kValues = 114, kBands = 33;

    enum Carries : uint8_t { kSecondLevel = 1, kDetectorLevels = 2, kSpectrumOnly = 4 };

    ThRec() = default;
    // The eight values of a set (kSet1 or kSet2) for weighting 'A', 'C' or
    // 'F' (zeros when the sample stores none); null for another letter.
    const float* Set(size_t set, char letter) const;
    float Band(size_t spectrum, int band) const;

    uint32_t m_time = 0;
    uint16_t m_site = 0;
    uint8_t m_flag = 0;
    uint8_t m_carries = kSecondLevel | kDetectorLevels;
    float m_first = 0;
    float m_second = 0;
    uint32_t m_record = 0;
    float m_timeOffset = 0;
    std::unique_ptr<float[]> m_values;
};
