// tessavo-default-setups: writes the setup files that New Setup starts from,
// "default" plus the extension of each mode the New Setup dialog offers,
// into the folder given on the command line.
//
// Each block is made through the data model's own accessors: the current
// format version, the name "DEFAULT", every choice at its first entry and
// every number at the lower end of what the setup pages accept, except where
// an accessor names a default of its own (thresholds, criterion levels and
// the like) or where the lowest value means nothing (no date 0, no wind
// scale 0, which every wind value is divided by).
#include <cstdio>
#include <cstdint>
#include <string>
#include <vector>

#include "SetupBlock.h"
#include "SetupRec.h"
#include "SetupTypes.h"

namespace {

// The format version of firmware 3.6 and later.
constexpr int kFormatVersion = 5;

struct Mode {
    int type;
    int modeNumber;
    size_t blockSize;
};

constexpr Mode kModes[] = {
    {SetupType::kSsa, 0, SetupBlock::kMeasurementSize}, {SetupType::kIsm, 1, SetupBlock::kMeasurementSize},
    {SetupType::kLog, 2, SetupBlock::kMeasurementSize}, {SetupType::kTal, 7, SetupBlock::kMeasurementSize},
    {SetupType::kFft, 5, SetupBlock::kMeasurementSize}, {SetupType::kRta, 4, SetupBlock::kRtaSize},
};

// The timer, time-history and report fields that SSA and LOG share.
void SetLoggingDefaults(MeasurementSetup& s)
{
    s.SetRunDate(1980, 1, 1);
    s.SetStopDate(1980, 1, 1);
    s.SetTimeHistoryPeriod(60);
    s.SetTimeHistoryPeriodUnit(1);
    s.SetIntervalReportChoice(1);
    s.SetWindScale(1.0f);
    s.SetGain(2);
}

void SetDefaults(SetupRec& record)
{
    switch (record.GetType()) {
    case SetupType::kSsa: {
        SSASetup& s = *record.GetSSASetup();
        SetLoggingDefaults(s);
        s.SetIntervalThreshold(80);
        break;
    }
    case SetupType::kIsm: {
        ISMSetup& s = *record.GetISMSetup();
        s.SetThreshold(80);
        break;
    }
    case SetupType::kLog: {
        LOGSetup& s = *record.GetLOGSetup();
        SetLoggingDefaults(s);
        s.SetThreshold(80);
        s.SetCriterionLevel(90);
        s.SetOverallThreshold(90);
        s.SetOverallCriterionLevel(90);
        s.SetCriterionTime(8);
        s.SetExceedanceHysteresis(2);
        s.SetExceedanceReportChoice(1);
        s.SetDailyReportChoice(1);
        break;
    }
    case SetupType::kTal: {
        TALSetup& s = *record.GetTALSetup();
        s.SetGain(2);
        s.SetTimeHistoryPeriod(60);
        s.SetTimeHistoryPeriodUnit(1);
        break;
    }
    case SetupType::kFft: {
        FFTSetup& s = *record.GetFFTSetup();
        s.SetGain(2);
        s.SetAverageCount(1);
        break;
    }
    case SetupType::kRta: {
        RTASetup& s = *record.GetRTASetup();
        s.SetGain(2);
        s.SetLinDetectorTime(0.0025f);
        s.SetArmSamples(10);
        s.SetTriggerSamples(10);
        s.SetEndSamples(10);
        s.SetRepeatCount(10);
        break;
    }
    default: break;
    }
}

bool WriteDefault(const Mode& mode, const std::string& folder)
{
    std::vector<uint8_t> block(mode.blockSize, 0);
    block[SetupBlock::kVersion] = kFormatVersion;
    block[SetupBlock::kMode] = static_cast<uint8_t>(mode.modeNumber);
    SetupRec record;
    record.SetType(mode.type);
    switch (mode.type) {
    case SetupType::kSsa: record.LoadSSASetup(block.data(), block.size()); break;
    case SetupType::kIsm: record.LoadISMSetup(block.data(), block.size()); break;
    case SetupType::kLog: record.LoadLOGSetup(block.data(), block.size()); break;
    case SetupType::kTal: record.LoadTALSetup(block.data(), block.size()); break;
    case SetupType::kFft: record.LoadFFTSetup(block.data(), block.size()); break;
    case SetupType::kRta: record.LoadRTASetup(block.data(), block.size()); break;
    default: return false;
    }
    record.SetName("DEFAULT");
    SetDefaults(record);
    std::string extension;
    GetSetupFileExtension(mode.type, extension);
    const std::string path = folder + "/default" + extension;
    if (record.WriteFile(path) != SetupWriteResult::Written) {
        std::fprintf(stderr, "tessavo-default-setups: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: tessavo-default-setups <folder>\n");
        return 2;
    }
    bool ok = true;
    for (const Mode& mode : kModes)
        ok = WriteDefault(mode, argv[1]) && ok;
    return ok ? 0 : 1;
}
