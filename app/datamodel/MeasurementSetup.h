#pragma once
// Base of the six measurement setup classes (SSA, ISM, LOG, TAL, FFT over a
// 219-byte block, RTA over a 216-byte block). The blocks share one layout, and
// the editor pages and writers call the accessors of one mode on the blocks of
// another, so the accessors that mean the same on every block live here; a
// class keeps its own only where its accessor of the same name differs (see
// the class headers).
//
// Flags are read as 0 or 1 unless marked "masked" (the bit's own value). Flag
// setters set for an argument of 1 unless marked "non-zero". "Unchecked"
// setters store the argument's low byte.
#include <string>

#include "NamedSetup.h"

class MeasurementSetup : public NamedSetup {
public:
    // Byte 41.
    int GetRtaDetectorFast() const;               // bit 2: fast, else slow
    void SetRtaDetectorFast(int fast);
    int GetThirdOctave() const;                   // bit 3: 1/3 octave, else 1/1
    void SetThirdOctave(int third);

    // Byte 42: intervals (in RTA blocks bit 5 enables AutoStore, bit 7 stores
    // by time).
    int GetStoreCompleteHistogram() const;        // bit 0
    void SetStoreCompleteHistogram(int on);
    int GetIntervalAutoStop() const;              // bit 4
    void SetIntervalAutoStop(int on);
    int GetIntervalTimeSync() const;              // bit 5
    void SetIntervalTimeSync(int on);
    int GetIntervalLnSave() const;                // bit 6
    void SetIntervalLnSave(int on);
    int GetIntervalHistoryEnabled() const;        // bit 7
    void SetIntervalHistoryEnabled(int on);

    // Byte 46 (setters non-zero).
    int GetCalTone() const;                       // bit 0
    void SetCalTone(int on);
    int GetHeater() const;                        // bit 1, masked
    void SetHeater(int on);
    int GetPulseTrigVoltage() const;              // bit 2, masked: 2.5 V, else 0 V
    void SetPulseTrigVoltage(int on);
    int GetPulseSourceExt() const;                // bit 3, masked: external
    void SetPulseSourceExt(int on);

    // Byte 47.
    int GetLnEnabled() const;                     // bit 1 (SSA)
    void SetLnEnabled(int on);
    int GetThResolution() const;                  // bit 2
    void SetThResolution(int index);
    int GetTimeHistoryEnabled() const;            // bit 3
    void SetTimeHistoryEnabled(int on);
    int GetDailyAutoCalCheck() const;             // bit 4
    void SetDailyAutoCalCheck(int on);
    int GetDailyStoreHistogram() const;           // bit 5
    void SetDailyStoreHistogram(int on);
    int GetDailyHistoryEnabled() const;           // bit 6
    void SetDailyHistoryEnabled(int on);
    int GetDailyLnEnabled() const;                // bit 7
    void SetDailyLnEnabled(int on);

    // Byte 48: LOG exceedances; the same bits are the RTA's event logic.
    int GetExceedanceTrigger() const;             // bit 4: pass-by, else level
    int GetEndLogic() const;                      //   (RTA: end logic high)
    void SetEndLogic(int high);
    int GetExceedanceTime() const;                // bit 5: maximum, else start
    void SetExceedanceTime(int maximum);          //   (RTA: arm logic high)
    int GetExceedanceThEnabled() const;           // bit 6
    int GetTriggerLogic() const;                  //   (RTA: trigger logic high)
    void SetTriggerLogic(int high);
    int GetExceedanceHistoryEnabled() const;      // bit 7 (RTA: triggering enabled)
    void SetExceedanceHistoryEnabled(int on);

    // Byte 49 (setters non-zero, getters masked).
    int GetWindTachEnabled() const;               // bit 6
    void SetWindTachEnabled(int on);
    int GetWindyPause() const;                    // bit 7
    void SetWindyPause(int on);

    // TAL run time, bytes 71-73 (setter unchecked).
    int GetRunTimeHours() const;
    int GetRunTimeMinutes() const;
    int GetRunTimeSeconds() const;
    void SetRunTime(int hours, int minutes, int seconds);

    // Time-weighted average (LOG, ISM).
    int GetExchangeRate() const;                  // 74: index 0 to 3 (3 to 6 dB)
    void SetExchangeRate(int index);              //   unchecked
    int GetThreshold() const;                     // 75, dB
    void SetThreshold(int db);                    //   0 to 998 (low byte), else 80
    int GetCriterionLevel() const;                // 76
    void SetCriterionLevel(int db);               //   0 to 998, else 90
    int GetOverallExchangeRate() const;           // 77
    void SetOverallExchangeRate(int index);       //   unchecked
    int GetOverallThreshold() const;              // 78
    void SetOverallThreshold(int db);             //   0 to 998, else 90
    int GetOverallCriterionLevel() const;         // 79
    void SetOverallCriterionLevel(int db);        //   0 to 998, else 90
    int GetCriterionTime() const;                 // 83, hours
    void SetCriterionTime(int hours);             //   0 to 98, else 8

    // Sound level meter.
    int GetDetector() const;                      // 86: 0 slow, 1 fast, 2 impulse
    void SetDetector(int detector);               //   unchecked
    int GetFreqWeighting() const;                 // 87: 0 A, 1 C, 2 flat
    void SetFreqWeighting(int weighting);         //   unchecked
    int GetAcOutput() const;                      // 89
    void SetAcOutput(int routing);                //   unchecked
    int GetPeak1Weighting() const;                // 90: 0 A, 1 C, 2 flat
    void SetPeak1Weighting(int weighting);        //   0 to 2, else 0
    int GetRange() const;                         // 91: 0 normal, 1 low, 2 high
    void SetRange(int range);                     //   0 to 2, else 0
    int GetGain() const;                          // 93: -20 dB to +50 dB by 10
    void SetGain(int code);                       //   0 to 8, else 2
    int GetRtaWeighting() const;                  // 94, from block version 4
    void SetRtaWeighting(int weighting);

    // Intervals.
    int GetIntervalExchangeRate() const;          // 98
    void SetIntervalExchangeRate(int index);      //   0 to 3, else 0
    int GetIntervalThreshold() const;             // 99, dB
    void SetIntervalThreshold(int db);            //   0 to 255, else 80
    // 100-102 hold the interval period (NamedSetup); TAL keeps its RTA run
    // time there.
    int GetRtaRunTimeSeconds() const;
    void SetRtaRunTime(int hours, int minutes, int seconds);
    int GetSpectra() const;                       // 103: 0 to 2
    void SetSpectra(int choice);                  //   unchecked
    int GetSpectralLn() const;                    // 104
    void SetSpectralLn(int index);                //   unchecked

    // Ln percentiles 1 to 6, bytes 110-121, 8.8 percent. Index 0 means 1;
    // other indexes outside 1 to 6 read 0.0 and store nothing.
    float GetLn(int index) const;
    void SetLn(int index, float percent);
    float GetLn1() const { return GetLn(1); }
    float GetLn2() const { return GetLn(2); }
    float GetLn3() const { return GetLn(3); }
    float GetLn4() const { return GetLn(4); }
    float GetLn5() const { return GetLn(5); }
    float GetLn6() const { return GetLn(6); }
    void SetLn1(float percent) { SetLn(1, percent); }
    void SetLn2(float percent) { SetLn(2, percent); }
    void SetLn3(float percent) { SetLn(3, percent); }
    void SetLn4(float percent) { SetLn(4, percent); }
    void SetLn5(float percent) { SetLn(5, percent); }
    void SetLn6(float percent) { SetLn(6, percent); }

    // LOG exceedances.
    float GetSplExceedanceLevel1() const;         // 122-123, 8.8 dB
    void SetSplExceedanceLevel1(float db);
    int GetPeak2ExceedanceLevel() const;          // 124
    void SetPeak2ExceedanceLevel(int db);         //   0 to 998, else unchanged
    int GetPeak1ExceedanceLevel() const;          // 125
    void SetPeak1ExceedanceLevel(int db);
    int GetExceedanceHysteresis() const;          // 126
    void SetExceedanceHysteresis(int db);         //   0 to 9, else 2

    // Wind. The speeds are stored as raw counts of the wind input and shown
    // multiplied by the wind scale factor in force at the time of the call.
    float GetWindScale() const;                   // 127-129
    void SetWindScale(float scale);
    std::string GetWindUnits() const;             // 130-133
    void SetWindUnits(const std::string& units);  //   letters kept, others blank
    int GetWindyThreshold() const;                // 134-135
    void SetWindyThreshold(int value);
    int GetWindExceedanceLevel() const;           // 136-137
    void SetWindExceedanceLevel(int value);
    int GetWindyHysteresis() const;               // 138
    void SetWindyHysteresis(int value);
    int GetDirectionUnits() const;                // 139
    void SetDirectionUnits(int units);            //   unchecked

    // Time history.
    int GetOtherLevel() const;                    // 140: 0 to 4
    void SetOtherLevel(int code);                 //   0 to 4, else 0
    void SetOtherLevelAdvanced();                 //   4
    int GetTimeHistoryPeriod() const;             // 141
    void SetTimeHistoryPeriod(int count);         //   999 or more: 60
    int GetTimeHistoryPeriodUnit() const;         // 142
    void SetTimeHistoryPeriodUnit(int unit);      //   0 to 4, else 1
    // Time-history items, bytes 182-187: one bit a quantity that every
    // sample carries. Other offsets read clear and store nothing.
    bool IsFlagSet(int offset, int mask) const;
    void SetThItem(int offset, int mask, int on);

    // Print selections (setters store 1 for non-zero; getters true for 1).
    bool GetPrintDataReport() const;              // 145
    void SetPrintDataReport(int on);
    bool GetPrintSetup() const;                   // 147
    void SetPrintSetup(int on);
    bool GetPrintSplHistogram() const;            // 153
    void SetPrintSplHistogram(int on);
    bool GetPrintPeak2Histogram() const;          // 157
    void SetPrintPeak2Histogram(int on);
    bool GetPrintPeak1Histogram() const;          // 161
    void SetPrintPeak1Histogram(int on);
    bool GetPrintTimeHistory() const;             // 165
    void SetPrintTimeHistory(int on);
    // Report choices 0 no, 1 short, 2 long (others read and store as 1).
    int GetIntervalReportChoice() const;          // 148
    void SetIntervalReportChoice(int choice);
    int GetExceedanceReportChoice() const;        // 166
    void SetExceedanceReportChoice(int choice);
    int GetDailyReportChoice() const;             // 167
    void SetDailyReportChoice(int choice);

    // More LOG exceedance settings.
    int GetMinimumDuration() const;               // 174
    void SetMinimumDuration(int duration);        //   0 to 255, else 0
    int GetExceedanceThPeriod() const;            // 176
    void SetExceedanceThPeriod(int period);       //   unchecked
    int GetTimedExcdMinutes() const;              // 177, BCD
    void SetTimedExcdMinutes(int minutes);        //   0 to 59, else 0
    int GetTimedExcdSeconds() const;              // 178, BCD
    void SetTimedExcdSeconds(int seconds);
    int GetSplExceedanceLevel2() const;           // 179
    void SetSplExceedanceLevel2(int db);          //   0 to 998, else unchanged
    int GetLnStartLevel() const;                  // 181, dB
    void SetLnStartLevel(int db);                 //   unchecked
    int GetAvgToneCount() const;                  // 188 (TAL)
    void SetAvgToneCount(int count);              //   0 to 999 (low byte), else 0

protected:
    MeasurementSetup() = default;
    MeasurementSetup(const MeasurementSetup&) = default;
    MeasurementSetup& operator=(const MeasurementSetup&) = default;

private:
    int WindValue(size_t offset, size_t length) const;
    void SetWindValue(size_t offset, size_t length, int value);
};
