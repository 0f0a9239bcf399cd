#include <gtest/gtest.h>

#include "AccessorTable.h"
#include "FFTSetup.h"
#include "OBASetup.h"
#include "RTASetup.h"

TEST(RTASetupAccessors, DetectorAndLogicFlags)
{
    RunAccessorRows<RTASetup>({
        {"exponential store rate", {{41, 0}}, SET(SetExpStoreRate(2)), {{41, 0x20}}, GET(GetExpStoreRate()), 1},
        {"exponential detector", {{41, 0}}, SET(SetDetector(3)), {{41, 0x40}}, GET(GetDetector()), 1},
        {"linear detector", {{41, 0xFF}}, SET(SetDetector(0)), {{41, 0xBF}}, GET(GetDetector()), 0},
        {"third octaves", {{41, 0}}, SET(SetBandwidth(1)), {{41, 0x80}}, GET(GetBandwidth()), 1},
        {"bandwidth 2 is octaves", {{41, 0xFF}}, SET(SetBandwidth(2)), {{41, 0x7F}}, GET(GetBandwidth()), 0},
        {"AutoStore enabled", {{42, 0}}, SET(SetIntervalTimeSync(1)), {{42, 0x20}}, GET(GetIntervalTimeSync()), 1},
        {"AutoStore by time", {{42, 0}}, SET(SetIntervalHistoryEnabled(1)), {{42, 0x80}}, GET(GetIntervalHistoryEnabled()), 1},
        {"run on input", {{48, 0}}, SET(SetRunOnInput(1)), {{48, 0x04}}, GET(GetRunOnInput()), 1},
        {"run logic high", {{48, 0}}, SET(SetRunLogic(1)), {{48, 0x08}}, GET(GetRunLogic()), 1},
        {"end logic high", {{48, 0}}, SET(SetEndLogic(1)), {{48, 0x10}}, GET(GetEndLogic()), 1},
        {"arm logic high", {{48, 0}}, SET(SetExceedanceTime(1)), {{48, 0x20}}, GET(GetArmLogic()), 1},
        {"trigger logic high", {{48, 0}}, SET(SetTriggerLogic(1)), {{48, 0x40}}, GET(GetTriggerLogic()), 1},
        {"triggering enabled", {{48, 0}}, SET(SetExceedanceHistoryEnabled(1)), {{48, 0x80}}, GET(GetTriggeringEnabled()), 1},
        {"gain 9", {}, SET(SetGain(9)), {{93, 2}}, GET(GetGain()), 2},
        {"format version", {{0, 4}}, NONE, {}, GET(GetVersion()), 4},
    });
}

TEST(RTASetupAccessors, TimesLevelsAndCounts)
{
    RunAccessorRows<RTASetup>({
        {"detector time 0.125 s", {}, SET(SetLinDetectorTime(0.125f)), {{74, 0}, {75, 0x20}, {76, 0}}, GET(GetLinDetectorTime()), 0.125},
        {"raw 00 00 56 rounds up", {{74, 0}, {75, 0}, {76, 0x56}}, NONE, {}, GET(GetLinDetectorTime()), 0.0025},
        {"raw 00 00 01 rounds down", {{74, 0}, {75, 0}, {76, 1}}, NONE, {}, GET(GetLinDetectorTime()), 0.0},
        {"exponential time", {}, SET(SetExpDetectorTime(11)), {{77, 11}}, GET(GetExpDetectorTime()), 11},
        {"pretrigger unchecked", {}, SET(SetPretriggerCount(0x11234)), {{78, 0x12}, {79, 0x34}}, GET(GetPretriggerCount()), 0x1234},
        {"trigger source flat", {}, SET(SetTriggerSource(33)), {{94, 33}}, GET(GetTriggerSource()), 33},
        {"arm mode count", {}, SET(SetArmMode(6)), {{95, 6}}, GET(GetArmMode()), 6},
        {"arm mode 7", {}, SET(SetArmMode(7)), {{95, 0}}, NONE},
        {"arm level 94.5", {}, SET(SetArmLevel(94.5f)), {{96, 0x5E}, {97, 0x80}}, GET(GetArmLevel()), 94.5},
        {"arm time 2.5 s", {}, SET(SetArmTime(2.5f)), {{98, 2}, {99, 128}, {100, 0}}, GET(GetArmTime()), 2.5},
        {"arm samples 70000", {}, SET(SetArmSamples(70000)), {{101, 0}, {102, 10}}, GET(GetArmSamples()), 10},
        {"arm samples -1", {}, SET(SetArmSamples(-1)), {{101, 0}, {102, 10}}, NONE},
        {"arm samples 65535", {}, SET(SetArmSamples(65535)), {{101, 0xFF}, {102, 0xFF}}, GET(GetArmSamples()), 65535},
        {"trigger mode -1", {}, SET(SetTriggerMode(-1)), {{103, 0}}, GET(GetTriggerMode()), 0},
        {"trigger level 94.999", {}, SET(SetTriggerLevel(94.999f)), {{104, 0x5F}, {105, 0}}, GET(GetTriggerLevel()), 95.0},
        {"trigger time 0.0025 s", {}, SET(SetTriggerTime(0.0025f)), {{106, 0}, {107, 0}, {108, 163}}, GET(GetTriggerTime()), 0.0025},
        {"trigger samples 300", {}, SET(SetTriggerSamples(300)), {{109, 1}, {110, 44}}, GET(GetTriggerSamples()), 300},
        {"end mode", {}, SET(SetEndMode(3)), {{111, 3}}, GET(GetEndMode()), 3},
        {"end level", {}, SET(SetEndLevel(60.25f)), {{112, 60}, {113, 64}}, GET(GetEndLevel()), 60.25},
        {"end time 10.1 s", {}, SET(SetEndTime(10.1f)), {{114, 10}, {115, 25}, {116, 153}}, GET(GetEndTime()), 10.1},
        {"end samples 0", {}, SET(SetEndSamples(0)), {{117, 0}, {118, 0}}, GET(GetEndSamples()), 0},
        {"end then 3", {}, SET(SetEndThen(3)), {{119, 3}}, GET(GetEndThen()), 3},
        {"end then 4", {}, SET(SetEndThen(4)), {{119, 0}}, NONE},
        {"repeat count 256", {}, SET(SetRepeatCount(256)), {{120, 10}}, GET(GetRepeatCount()), 10},
        {"repeat count 255", {}, SET(SetRepeatCount(255)), {{120, 255}}, NONE},
        {"average count 300", {}, SET(SetAverageCount(300)), {{121, 44}}, GET(GetAverageCount()), 44},
        {"RT60 dB down", {}, SET(SetRt60DbDown(5)), {{130, 5}}, GET(GetRt60DbDown()), 5},
    });
}

TEST(RTASetupAccessors, LogicOutputBits)
{
    auto map = [](int value) { return ByteValues{{80, value >> 8}, {81, value & 0xFF}}; };
    RunAccessorRows<RTASetup>({
        {"map", {}, SET(SetLogicOutMap(0x7FFF)), map(0x7FFF), GET(GetLogicOutMap()), 0x7FFF},
        {"set bits", map(0x0001), SET(SetLogicOutBits(0x4100, 1)), map(0x4101), GET(TestLogicOutBits(0x4100)), 1},
        {"clear a fully set mask", map(0x0103), SET(SetLogicOutBits(0x0003, 0)), map(0x0100), GET(TestLogicOutBits(0x0003)), 0},
        {"a partly set mask stays", map(0x0001), SET(SetLogicOutBits(0x0003, 0)), {}, GET(TestLogicOutBits(0x0001)), 1},
        {"on compares the low byte", map(0), SET(SetLogicOutBits(0x0004, 0x101)), map(0x0004), NONE},
    });
}

TEST(FFTSetupAccessors, OwnFields)
{
    RunAccessorRows<FFTSetup>({
        {"overload skipping", {{47, 0}}, SET(SetOverloadSkipping(1)), {{47, 0x40}}, GET(IsOverloadSkipping()), 1},
        {"bandwidth unchecked", {}, SET(SetBandwidth(260)), {{75, 4}}, GET(GetBandwidth()), 4},
        {"average count 1000", {}, SET(SetAverageCount(1000)), {{76, 3}, {77, 232}}, GET(GetAverageCount()), 1000},
        {"window flat-top", {}, SET(SetWindow(2)), {{78, 2}}, GET(GetWindow()), 2},
        {"gain", {}, SET(SetGain(4)), {{93, 4}}, GET(GetGain()), 4},
    });
}

TEST(OBASetupAccessors, Fields)
{
    RunAccessorRows<OBASetup>({
        {"locked", {{40, 0}}, SET(SetLocked(1)), {{40, 0x80}}, GET(IsLocked()), 1},
        {"interval auto stop", {{42, 0}}, SET(SetIntervalAutoStop(1)), {{42, 0x10}}, GET(IsIntervalAutoStop()), 1},
        {"interval time sync", {{42, 0}}, SET(SetIntervalTimeSync(1)), {{42, 0x20}}, GET(IsIntervalTimeSync()), 1},
        {"intervals off", {{42, 0xFF}}, SET(SetIntervalsEnabled(0)), {{42, 0x7F}}, GET(IsIntervalsEnabled()), 0},
        {"timer mode 4", {}, SET(SetTimerMode(4)), {{56, 0}}, GET(GetTimerMode()), 0},
        {"run date", {}, SET(SetRunDate(2003, 6, 9)), {{57, 0x09}, {58, 0x06}, {59, 0x03}}, DATE(GetRunDate), 20030609},
        {"stop date", {}, SET(SetStopDate(1999, 12, 31)), {{60, 0x31}, {61, 0x12}, {62, 0x99}}, DATE(GetStopDate), 19991231},
        {"start time 1", {}, SET(SetStartTime1(8, 0)), {{63, 0x08}, {64, 0}}, TIME(GetStartTime1), 800},
        {"stop time 1", {}, SET(SetStopTime1(17, 45)), {{65, 0x17}, {66, 0x45}}, TIME(GetStopTime1), 1745},
        {"start time 2", {}, SET(SetStartTime2(24, 5)), {{67, 0}, {68, 0x05}}, TIME(GetStartTime2), 5},
        {"stop time 2", {}, SET(SetStopTime2(6, 60)), {{69, 0x06}, {70, 0}}, TIME(GetStopTime2), 600},
        {"third octaves", {}, SET(SetBandwidth(1)), {{87, 4}}, GET(GetBandwidth()), 1},
        {"bandwidth 0", {}, SET(SetBandwidth(0)), {{87, 3}}, GET(GetBandwidth()), 0},
        {"bandwidth 2", {}, SET(SetBandwidth(2)), {{87, 3}}, NONE},
        {"stored bandwidth 7", {{87, 7}}, NONE, {}, GET(GetBandwidth()), 7},
        {"AC filter unchecked", {}, SET(SetAcOutFilter(5)), {{89, 5}}, GET(GetAcOutFilter()), 0},
        {"AC filter weighted", {}, SET(SetAcOutFilter(1)), {{89, 1}}, GET(GetAcOutFilter()), 1},
        {"range 3", {}, SET(SetRange(3)), {{91, 0}}, GET(GetRange()), 0},
        {"range low", {}, SET(SetRange(2)), {{91, 2}}, GET(GetRange()), 2},
        {"scan mode 3", {}, SET(SetScanMode(3)), {{98, 0}}, GET(GetScanMode()), 0},
        {"scan mode timed", {}, SET(SetScanMode(2)), {{98, 2}}, GET(GetScanMode()), 2},
        {"profile 4", {}, SET(SetProfile(4)), {{99, 0}}, GET(GetProfile()), 0},
        {"profile custom", {}, SET(SetProfile(3)), {{99, 3}}, GET(GetProfile()), 3},
        {"stored profile 9", {{99, 9}}, NONE, {}, GET(GetProfile()), 0},
        {"interval period", {}, SET(SetIntervalPeriod(2, 15, 30)), {{100, 2}, {101, 15}, {102, 30}}, GET(GetIntervalSeconds()), 30},
        {"interval minutes 60", {{101, 60}}, NONE, {}, GET(GetIntervalMinutes()), 0},
    });
}
