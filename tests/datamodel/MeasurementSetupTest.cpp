#include <gtest/gtest.h>

#include <limits>

#include "AccessorTable.h"
#include "ISMSetup.h"
#include "LOGSetup.h"
#include "SSASetup.h"
#include "TALSetup.h"

namespace {
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
// Wind scale factors in bytes 127-129.
const ByteValues kScale1 = {{127, 1}, {128, 0}, {129, 0}};
const ByteValues kScale0 = {{127, 0}, {128, 0}, {129, 0}};
}  // namespace

TEST(MeasurementSetupAccessors, FlagBytes41To49)
{
    RunAccessorRows<SSASetup>({
        {"RTA detector fast", {{41, 0}}, SET(SetRtaDetectorFast(1)), {{41, 0x04}}, GET(GetRtaDetectorFast()), 1},
        {"RTA detector 2 clears", {{41, 0xFF}}, SET(SetRtaDetectorFast(2)), {{41, 0xFB}}, GET(GetRtaDetectorFast()), 0},
        {"third octave", {{41, 0}}, SET(SetThirdOctave(1)), {{41, 0x08}}, GET(GetThirdOctave()), 1},
        {"complete histogram", {{42, 0}}, SET(SetStoreCompleteHistogram(1)), {{42, 0x01}}, GET(GetStoreCompleteHistogram()), 1},
        {"interval auto stop off", {{42, 0xFF}}, SET(SetIntervalAutoStop(0)), {{42, 0xEF}}, GET(GetIntervalAutoStop()), 0},
        {"interval time sync", {{42, 0}}, SET(SetIntervalTimeSync(1)), {{42, 0x20}}, GET(GetIntervalTimeSync()), 1},
        {"interval Ln save", {{42, 0}}, SET(SetIntervalLnSave(1)), {{42, 0x40}}, GET(GetIntervalLnSave()), 1},
        {"interval history", {{42, 0}}, SET(SetIntervalHistoryEnabled(1)), {{42, 0x80}}, GET(GetIntervalHistoryEnabled()), 1},
        {"only the low byte is compared with 1", {{42, 0}}, SET(SetIntervalHistoryEnabled(257)), {{42, 0x80}}, NONE},
        {"clearing a clear bit", {{42, 0x7F}}, SET(SetIntervalHistoryEnabled(0)), {}, GET(GetIntervalHistoryEnabled()), 0},
        {"cal tone for non-zero", {{46, 0}}, SET(SetCalTone(5)), {{46, 0x01}}, GET(GetCalTone()), 1},
        {"heater masked", {{46, 0}}, SET(SetHeater(-1)), {{46, 0x02}}, GET(GetHeater()), 2},
        {"pulse voltage 0 leaves bit 3", {{46, 0x0C}}, SET(SetPulseTrigVoltage(0)), {{46, 0x08}}, GET(GetPulseTrigVoltage()), 0},
        {"pulse voltage masked", {{46, 0}}, SET(SetPulseTrigVoltage(1)), {{46, 0x04}}, GET(GetPulseTrigVoltage()), 4},
        {"pulse source external", {{46, 0}}, SET(SetPulseSourceExt(2)), {{46, 0x08}}, GET(GetPulseSourceExt()), 8},
        {"SSA Ln enabled", {{47, 0}}, SET(SetLnEnabled(1)), {{47, 0x02}}, GET(GetLnEnabled()), 1},
        {"TH resolution", {{47, 0}}, SET(SetThResolution(1)), {{47, 0x04}}, GET(GetThResolution()), 1},
        {"time history off", {{47, 0xFF}}, SET(SetTimeHistoryEnabled(0)), {{47, 0xF7}}, GET(GetTimeHistoryEnabled()), 0},
        {"daily auto cal check", {{47, 0}}, SET(SetDailyAutoCalCheck(1)), {{47, 0x10}}, GET(GetDailyAutoCalCheck()), 1},
        {"daily histogram", {{47, 0}}, SET(SetDailyStoreHistogram(1)), {{47, 0x20}}, GET(GetDailyStoreHistogram()), 1},
        {"daily history", {{47, 0}}, SET(SetDailyHistoryEnabled(1)), {{47, 0x40}}, GET(GetDailyHistoryEnabled()), 1},
        {"daily Ln", {{47, 0}}, SET(SetDailyLnEnabled(1)), {{47, 0x80}}, GET(GetDailyLnEnabled()), 1},
        {"exceedance trigger", {{48, 0}}, SET(SetEndLogic(1)), {{48, 0x10}}, GET(GetExceedanceTrigger()), 1},
        {"exceedance time", {{48, 0}}, SET(SetExceedanceTime(1)), {{48, 0x20}}, GET(GetExceedanceTime()), 1},
        {"exceedance time history", {{48, 0}}, SET(SetTriggerLogic(1)), {{48, 0x40}}, GET(GetExceedanceThEnabled()), 1},
        {"exceedance history off", {{48, 0xFF}}, SET(SetExceedanceHistoryEnabled(0)), {{48, 0x7F}}, GET(GetExceedanceHistoryEnabled()), 0},
        {"wind tach masked", {{49, 0}}, SET(SetWindTachEnabled(3)), {{49, 0x40}}, GET(GetWindTachEnabled()), 0x40},
        {"windy pause masked", {{49, 0}}, SET(SetWindyPause(1)), {{49, 0x80}}, GET(GetWindyPause()), 0x80},
    });
    RunAccessorRows<LOGSetup>({
        {"LOG Ln enabled is byte 41", {{41, 0}, {47, 0}}, SET(SetLnEnabled(1)), {{41, 0x02}}, NONE},
    });
    RunAccessorRows<TALSetup>({
        {"TAL RTA detector for 2", {{41, 0}}, SET(SetRtaDetectorFast(2)), {{41, 0x04}}, GET(GetRtaDetectorFast()), 1},
        {"TAL RTA detector 0", {{41, 0xFF}}, SET(SetRtaDetectorFast(0)), {{41, 0xFB}}, NONE},
        {"TAL Ln sets both bits", {{41, 0}, {47, 0}}, SET(SetLnEnabled(1)), {{41, 0x40}, {47, 0x02}}, GET(GetLnEnabled()), 1},
        {"TAL Ln 0 clears the one set", {{41, 0}, {47, 0x02}}, SET(SetLnEnabled(0)), {{47, 0}}, GET(GetLnEnabled()), 0},
        {"TAL Ln needs both bits", {{41, 0x40}, {47, 0}}, NONE, {}, GET(GetLnEnabled()), 0},
    });
}

TEST(MeasurementSetupAccessors, TimerDatesAndPeriods)
{
    RunAccessorRows<SSASetup>({
        {"timer mode", {}, SET(SetTimerMode(3)), {{56, 3}}, GET(GetTimerMode()), 3},
        {"timer mode 4", {}, SET(SetTimerMode(4)), {{56, 0}}, NONE},
        {"timer mode read as stored", {{56, 9}}, NONE, {}, GET(GetTimerMode()), 9},
        {"run date", {}, SET(SetRunDate(2003, 6, 9)), {{57, 0x09}, {58, 0x06}, {59, 0x03}}, DATE(GetRunDate), 20030609},
        {"stop date", {}, SET(SetStopDate(1999, 12, 31)), {{60, 0x31}, {61, 0x12}, {62, 0x99}}, DATE(GetStopDate), 19991231},
        {"year 2100", {}, SET(SetRunDate(2100, 1, 2)), {{57, 0x02}, {58, 0x01}, {59, 0}}, DATE(GetRunDate), 20000102},
        {"start time 1", {}, SET(SetStartTime1(7, 30)), {{63, 0x07}, {64, 0x30}}, TIME(GetStartTime1), 730},
        {"hour 24", {}, SET(SetStopTime1(24, 15)), {{65, 0}, {66, 0x15}}, TIME(GetStopTime1), 15},
        {"minute 60", {}, SET(SetStartTime2(23, 60)), {{67, 0x23}, {68, 0}}, TIME(GetStartTime2), 2300},
        {"stop time 2", {}, SET(SetStopTime2(0, 5)), {{69, 0}, {70, 0x05}}, TIME(GetStopTime2), 5},
        {"stored minute 0x75", {{69, 0x12}, {70, 0x75}}, NONE, {}, TIME(GetStopTime2), 1200},
        {"interval period", {}, SET(SetIntervalPeriod(1, 30, 5)), {{100, 1}, {101, 30}, {102, 5}}, GET(GetIntervalMinutes()), 30},
        {"interval hours 100", {{100, 100}}, NONE, {}, GET(GetIntervalHours()), 0},
        {"interval seconds 60", {{102, 60}}, NONE, {}, GET(GetIntervalSeconds()), 0},
    });
    RunAccessorRows<TALSetup>({
        {"run time", {}, SET(SetRunTime(1, 2, 3)), {{71, 1}, {72, 2}, {73, 3}}, GET(GetRunTimeSeconds()), 3},
        {"run time unchecked", {}, SET(SetRunTime(300, 61, -1)), {{71, 44}, {72, 61}, {73, 255}}, GET(GetRunTimeMinutes()), 0},
        {"run time hours 100", {{71, 100}}, NONE, {}, GET(GetRunTimeHours()), 0},
        {"RTA run time", {}, SET(SetRtaRunTime(0, 1, 45)), {{100, 0}, {101, 1}, {102, 45}}, GET(GetRtaRunTimeSeconds()), 45},
        {"RTA run time seconds 60", {{102, 60}}, NONE, {}, GET(GetRtaRunTimeSeconds()), 0},
    });
}

TEST(MeasurementSetupAccessors, ChoiceBytesAndTheirFallbacks)
{
    RunAccessorRows<LOGSetup>({
        {"exchange rate unchecked", {}, SET(SetExchangeRate(7)), {{74, 7}}, GET(GetExchangeRate()), 0},
        {"exchange rate 4", {{74, 4}}, NONE, {}, GET(GetExchangeRate()), 4},
        {"threshold 300", {}, SET(SetThreshold(300)), {{75, 44}}, GET(GetThreshold()), 44},
        {"threshold 998", {}, SET(SetThreshold(998)), {{75, 230}}, NONE},
        {"threshold 999", {}, SET(SetThreshold(999)), {{75, 80}}, NONE},
        {"threshold -1", {}, SET(SetThreshold(-1)), {{75, 80}}, NONE},
        {"criterion level 1000", {}, SET(SetCriterionLevel(1000)), {{76, 90}}, GET(GetCriterionLevel()), 90},
        {"overall exchange rate", {}, SET(SetOverallExchangeRate(6)), {{77, 6}}, GET(GetOverallExchangeRate()), 0},
        {"overall threshold -5", {}, SET(SetOverallThreshold(-5)), {{78, 90}}, GET(GetOverallThreshold()), 90},
        {"overall criterion", {}, SET(SetOverallCriterionLevel(120)), {{79, 120}}, GET(GetOverallCriterionLevel()), 120},
        {"criterion time 99", {}, SET(SetCriterionTime(99)), {{83, 8}}, GET(GetCriterionTime()), 8},
        {"criterion time 98", {}, SET(SetCriterionTime(98)), {{83, 98}}, NONE},
        {"detector unchecked", {}, SET(SetDetector(5)), {{86, 5}}, GET(GetDetector()), 0},
        {"detector impulse", {}, SET(SetDetector(2)), {{86, 2}}, GET(GetDetector()), 2},
        {"LOG weighting 4", {}, SET(SetFreqWeighting(4)), {{87, 4}}, GET(GetFreqWeighting()), 4},
        {"LOG weighting 5", {{87, 5}}, NONE, {}, GET(GetFreqWeighting()), 0},
        {"AC output unchecked", {}, SET(SetAcOutput(300)), {{89, 44}}, GET(GetAcOutput()), 44},
        {"LOG peak 1 weighting as stored", {{90, 3}}, NONE, {}, GET(GetPeak1Weighting()), 3},
        {"range 3", {}, SET(SetRange(3)), {{91, 0}}, GET(GetRange()), 0},
        {"range high", {}, SET(SetRange(2)), {{91, 2}}, GET(GetRange()), 2},
        {"stored range 5", {{91, 5}}, NONE, {}, GET(GetRange()), 0},
        {"interval exchange rate 4", {}, SET(SetIntervalExchangeRate(4)), {{98, 0}}, GET(GetIntervalExchangeRate()), 0},
        {"interval exchange rate 3", {}, SET(SetIntervalExchangeRate(3)), {{98, 3}}, NONE},
        {"LOG interval threshold 300", {}, SET(SetIntervalThreshold(300)), {{99, 44}}, GET(GetIntervalThreshold()), 44},
        {"LOG interval threshold 999", {}, SET(SetIntervalThreshold(999)), {{99, 0}}, NONE},
        {"peak 2 exceedance 998", {}, SET(SetPeak2ExceedanceLevel(998)), {{124, 230}}, GET(GetPeak2ExceedanceLevel()), 230},
        {"peak 2 exceedance 999", {}, SET(SetPeak2ExceedanceLevel(999)), {}, NONE},
        {"peak 1 exceedance -1", {}, SET(SetPeak1ExceedanceLevel(-1)), {}, NONE},
        {"peak 1 exceedance", {}, SET(SetPeak1ExceedanceLevel(140)), {{125, 140}}, GET(GetPeak1ExceedanceLevel()), 140},
        {"hysteresis 10", {}, SET(SetExceedanceHysteresis(10)), {{126, 2}}, GET(GetExceedanceHysteresis()), 2},
        {"hysteresis 9", {}, SET(SetExceedanceHysteresis(9)), {{126, 9}}, NONE},
        {"direction units unchecked", {}, SET(SetDirectionUnits(7)), {{139, 7}}, GET(GetDirectionUnits()), 7},
        {"other level 5", {}, SET(SetOtherLevel(5)), {{140, 0}}, GET(GetOtherLevel()), 0},
        {"other level 4", {}, SET(SetOtherLevel(4)), {{140, 4}}, GET(GetOtherLevel()), 4},
        {"stored other level 7", {{140, 7}}, NONE, {}, GET(GetOtherLevel()), 0},
        {"TH period 1000", {}, SET(SetTimeHistoryPeriod(1000)), {{141, 60}}, GET(GetTimeHistoryPeriod()), 60},
        {"TH period 300", {}, SET(SetTimeHistoryPeriod(300)), {{141, 44}}, NONE},
        {"TH period unit 4", {}, SET(SetTimeHistoryPeriodUnit(4)), {{142, 4}}, GET(GetTimeHistoryPeriodUnit()), 4},
        {"TH period unit 5", {}, SET(SetTimeHistoryPeriodUnit(5)), {{142, 1}}, NONE},
        {"print data report", {}, SET(SetPrintDataReport(7)), {{145, 1}}, GET(GetPrintDataReport()), 1},
        {"stored 2 is not printed", {{145, 2}}, NONE, {}, GET(GetPrintDataReport()), 0},
        {"print setup off", {}, SET(SetPrintSetup(0)), {{147, 0}}, GET(GetPrintSetup()), 0},
        {"interval report 3", {}, SET(SetIntervalReportChoice(3)), {{148, 1}}, GET(GetIntervalReportChoice()), 1},
        {"stored interval report 5", {{148, 5}}, NONE, {}, GET(GetIntervalReportChoice()), 1},
        {"print SPL histogram", {}, SET(SetPrintSplHistogram(1)), {{153, 1}}, GET(GetPrintSplHistogram()), 1},
        {"print peak 2 histogram", {}, SET(SetPrintPeak2Histogram(1)), {{157, 1}}, GET(GetPrintPeak2Histogram()), 1},
        {"print peak 1 histogram", {}, SET(SetPrintPeak1Histogram(1)), {{161, 1}}, GET(GetPrintPeak1Histogram()), 1},
        {"print time history", {}, SET(SetPrintTimeHistory(1)), {{165, 1}}, GET(GetPrintTimeHistory()), 1},
        {"exceedance report long", {}, SET(SetExceedanceReportChoice(2)), {{166, 2}}, GET(GetExceedanceReportChoice()), 2},
        {"daily report -1", {}, SET(SetDailyReportChoice(-1)), {{167, 1}}, GET(GetDailyReportChoice()), 1},
        {"minimum duration 256", {}, SET(SetMinimumDuration(256)), {{174, 0}}, GET(GetMinimumDuration()), 0},
        {"minimum duration 255", {}, SET(SetMinimumDuration(255)), {{174, 255}}, NONE},
        {"exceedance TH period unchecked", {}, SET(SetExceedanceThPeriod(260)), {{176, 4}}, GET(GetExceedanceThPeriod()), 4},
        {"timed minutes 45", {}, SET(SetTimedExcdMinutes(45)), {{177, 0x45}}, GET(GetTimedExcdMinutes()), 45},
        {"timed minutes 60", {}, SET(SetTimedExcdMinutes(60)), {{177, 0}}, NONE},
        {"timed seconds 59", {}, SET(SetTimedExcdSeconds(59)), {{178, 0x59}}, GET(GetTimedExcdSeconds()), 59},
        {"timed seconds -1", {}, SET(SetTimedExcdSeconds(-1)), {{178, 0}}, NONE},
        {"SPL exceedance 2", {}, SET(SetSplExceedanceLevel2(70)), {{179, 70}}, GET(GetSplExceedanceLevel2()), 70},
        {"SPL exceedance 2 999", {}, SET(SetSplExceedanceLevel2(999)), {}, NONE},
        {"Ln start level unchecked", {}, SET(SetLnStartLevel(300)), {{181, 44}}, GET(GetLnStartLevel()), 44},
    });
    RunAccessorRows<SSASetup>({
        {"SSA weighting 3", {{87, 3}}, NONE, {}, GET(GetFreqWeighting()), 0},
        {"SSA weighting unchecked", {}, SET(SetFreqWeighting(7)), {{87, 7}}, NONE},
        {"SSA peak 1 weighting 3", {}, SET(SetPeak1Weighting(3)), {{90, 0}}, GET(GetPeak1Weighting()), 0},
        {"SSA peak 1 weighting flat", {}, SET(SetPeak1Weighting(2)), {{90, 2}}, GET(GetPeak1Weighting()), 2},
        {"gain 9", {}, SET(SetGain(9)), {{93, 2}}, GET(GetGain()), 2},
        {"gain 8", {}, SET(SetGain(8)), {{93, 8}}, GET(GetGain()), 8},
        {"stored gain 9", {{93, 9}}, NONE, {}, GET(GetGain()), 0},
        {"RTA weighting before format 4", {{0, 3}, {94, 0}}, SET(SetRtaWeighting(1)), {}, GET(GetRtaWeighting()), 2},
        {"RTA weighting from format 4", {{0, 4}, {94, 0}}, SET(SetRtaWeighting(1)), {{94, 1}}, GET(GetRtaWeighting()), 1},
        {"stored RTA weighting 3", {{0, 4}, {94, 3}}, NONE, {}, GET(GetRtaWeighting()), 2},
        {"SSA interval threshold 256", {}, SET(SetIntervalThreshold(256)), {{99, 80}}, NONE},
        {"SSA interval threshold 255", {}, SET(SetIntervalThreshold(255)), {{99, 255}}, GET(GetIntervalThreshold()), 255},
        {"spectra unchecked", {}, SET(SetSpectra(5)), {{103, 5}}, GET(GetSpectra()), 0},
        {"spectra 2", {}, SET(SetSpectra(2)), {{103, 2}}, GET(GetSpectra()), 2},
        {"spectral Ln unchecked", {}, SET(SetSpectralLn(258)), {{104, 2}}, GET(GetSpectralLn()), 2},
        {"advanced other level", {}, SET(SetOtherLevelAdvanced()), {{140, 4}}, NONE},
    });
    RunAccessorRows<TALSetup>({
        {"TAL detector 3 reads 0", {{86, 3}}, NONE, {}, GET(GetDetector()), 0},
        {"tone count 999", {}, SET(SetAvgToneCount(999)), {{188, 231}}, GET(GetAvgToneCount()), 231},
        {"tone count 1000", {}, SET(SetAvgToneCount(1000)), {{188, 0}}, NONE},
        {"TAL weighting", {}, SET(SetFreqWeighting(1)), {{87, 1}}, NONE},
    });
    RunAccessorRows<ISMSetup>({
        {"ISM threshold 256", {}, SET(SetThreshold(256)), {{75, 80}}, NONE},
        {"ISM threshold 255", {}, SET(SetThreshold(255)), {{75, 255}}, GET(GetThreshold()), 255},
        {"ISM exchange rate unchecked", {}, SET(SetExchangeRate(5)), {{74, 5}}, GET(GetExchangeRate()), 0},
        {"ISM weighting reads as SSA", {{87, 3}}, NONE, {}, GET(GetFreqWeighting()), 0},
        {"ISM AC output", {}, SET(SetAcOutput(1)), {{89, 1}}, GET(GetAcOutput()), 1},
    });
}

TEST(MeasurementSetupAccessors, FixedPointLevelsAndLnPercentiles)
{
    RunAccessorRows<LOGSetup>({
        {"94.5 dB", {}, SET(SetSplExceedanceLevel1(94.5f)), {{122, 0x5E}, {123, 0x80}}, GET(GetSplExceedanceLevel1()), 94.5},
        {"94.999 dB carries", {}, SET(SetSplExceedanceLevel1(94.999f)), {{122, 0x5F}, {123, 0}}, GET(GetSplExceedanceLevel1()), 95.0},
        {"not a number", {}, SET(SetSplExceedanceLevel1(kNaN)), {}, NONE},
        {"below 0 dB", {}, SET(SetSplExceedanceLevel1(-1.0f)), {{122, 0}, {123, 0}}, NONE},
        {"Ln 3", {}, SET(SetLn(3, 10.5f)), {{114, 10}, {115, 128}}, GET(GetLn(3)), 10.5},
        {"Ln index 0 is Ln 1", {}, SET(SetLn(0, 90.0f)), {{110, 90}, {111, 0}}, GET(GetLn1()), 90.0},
        {"exact half 256th dropped", {}, SET(SetLn2(10.0f + 0.5f / 256)), {{112, 10}, {113, 0}}, GET(GetLn2()), 10.0},
        {"Ln 6 carries", {}, SET(SetLn6(99.999f)), {{120, 100}, {121, 0}}, GET(GetLn(6)), 100.0},
        {"Ln 4", {}, SET(SetLn4(50.25f)), {{116, 50}, {117, 64}}, GET(GetLn4()), 50.25},
        {"Ln 5", {}, SET(SetLn5(1.0f)), {{118, 1}, {119, 0}}, GET(GetLn5()), 1.0},
        {"Ln index 7", {}, SET(SetLn(7, 5.0f)), {}, GET(GetLn(7)), 0.0},
        {"Ln index -1", {}, SET(SetLn(-1, 5.0f)), {}, GET(GetLn(-1)), 0.0},
    });
    RunAccessorRows<TALSetup>({
        {"TAL Ln 1", {}, SET(SetLn1(5.5f)), {{110, 5}, {111, 128}}, GET(GetLn(1)), 5.5},
        {"TAL Ln 3 read", {{114, 33}, {115, 64}}, NONE, {}, GET(GetLn3()), 33.25},
    });
}

TEST(MeasurementSetupAccessors, WindValuesFollowTheScaleFactor)
{
    auto with = [](ByteValues scale, ByteValues more) {
        scale.insert(scale.end(), more.begin(), more.end());
        return scale;
    };
    RunAccessorRows<LOGSetup>({
        {"scale 1.0", {}, SET(SetWindScale(1.0f)), kScale1, GET(GetWindScale()), 1.0},
        {"scale 2.5", {}, SET(SetWindScale(2.5f)), {{127, 2}, {128, 128}, {129, 0}}, GET(GetWindScale()), 2.5},
        {"scale rounds its last byte", {}, SET(SetWindScale(0.1f)), {{127, 0}, {128, 25}, {129, 154}},
         GET(GetWindScale()), 25 / 256.0 + 154 / 65536.0},
        {"scale not a number", {}, SET(SetWindScale(kNaN)), {}, NONE},
        {"windy threshold 300", kScale1, SET(SetWindyThreshold(300)), {{134, 1}, {135, 44}}, GET(GetWindyThreshold()), 300},
        {"windy threshold at scale 3", with({{127, 3}, {128, 0}, {129, 0}}, {}), SET(SetWindyThreshold(100)),
         {{134, 0}, {135, 33}}, GET(GetWindyThreshold()), 99},
        {"scale 0 leaves the threshold", kScale0, SET(SetWindyThreshold(300)), {}, GET(GetWindyThreshold()), 0},
        {"negative threshold", kScale1, SET(SetWindyThreshold(-5)), {{134, 0}, {135, 0}}, NONE},
        {"exceedance level at scale 0.5", {{127, 0}, {128, 128}, {129, 0}}, SET(SetWindExceedanceLevel(501)),
         {{136, 3}, {137, 234}}, GET(GetWindExceedanceLevel()), 501},
        {"scale 0 leaves the level", kScale0, SET(SetWindExceedanceLevel(10)), {}, NONE},
        {"hysteresis at scale 2", {{127, 2}, {128, 0}, {129, 0}}, SET(SetWindyHysteresis(11)), {{138, 6}},
         GET(GetWindyHysteresis()), 12},
        {"hysteresis beyond a byte", kScale1, SET(SetWindyHysteresis(1000)), {{138, 255}}, NONE},
        {"scale 0 leaves the hysteresis", kScale0, SET(SetWindyHysteresis(10)), {}, NONE},
        {"raw bytes keep when the scale changes", with(kScale1, {{134, 1}, {135, 44}}), SET(SetWindScale(2.0f)),
         {{127, 2}}, GET(GetWindyThreshold()), 600},
    });
}

TEST(MeasurementSetupAccessors, WindUnitsKeepLettersOnly)
{
    LOGSetup setup;
    std::vector<uint8_t> block(219, kBackground);
    setup.Load(block.data(), block.size());
    setup.SetWindUnits("m/s");
    const uint8_t* b = setup.GetSetupBlock();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b + 130), 4), "m s ");
    EXPECT_EQ(b[129], kBackground);
    EXPECT_EQ(b[134], kBackground);
    EXPECT_EQ(setup.GetWindUnits(), "m s ");
    setup.SetWindUnits("knots");
    EXPECT_EQ(setup.GetWindUnits(), "knot");
}

TEST(MeasurementSetupAccessors, MaskBitsWorkOnAnyByte)
{
    uint8_t item = 0x81;
    SSASetup::SetMaskBits(0x06, 1, &item);
    EXPECT_EQ(item, 0x87);
    SSASetup::SetMaskBits(0x03, 0, &item);
    EXPECT_EQ(item, 0x84);
}
