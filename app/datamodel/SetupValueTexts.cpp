#include "SetupValueTexts.h"

#include <array>
#include <cmath>
#include <initializer_list>

#include "BandNames.h"
#include "ReportNumbers.h"

namespace {
using Texts = std::initializer_list<const char*>;

// The text of code (as one byte) in a table that starts at code first; the
// fallback (nullptr: empty) for a code outside it.
const std::string& CodeText(int code, Texts table, std::string& out, const char* fallback = nullptr,
                            int first = 0)
{
    int index = (code & 0xFF) - first;
    if (index >= 0 && static_cast<size_t>(index) < table.size())
        out = table.begin()[index];
    else
        out = fallback != nullptr ? fallback : "";
    return out;
}

const Texts kAcOutput = {"AC-1 AC-2", "AC-1 DC", "AC-2 DC", "AC-2 AC-1"};
const Texts kDetector = {"Slow", "Fast", "Impulse"};
const Texts kWeighting = {"A", "C", "Flat"};
const Texts kJ57Range = {"Normal", "Low", "High"};
}  // namespace

int CountFlagBits(int value)
{
    int count = 0;
    for (int bit = 0; bit < 8; ++bit)
        count += (value >> bit) & 1;
    return count;
}

int IsFlagSet(int value, int mask)
{
    return (value & mask & 0xFF) != 0 ? 1 : 0;
}

const std::string& SSAValueTexts::WeightingText(int code, std::string& out)
{
    return CodeText(code, kWeighting, out);
}

const std::string& SSAValueTexts::WeightingLetter(int code, std::string& out)
{
    return CodeText(code, {"A", "C", "F"}, out);
}

const std::string& SSAValueTexts::Peak1WeightingText(int code, std::string& out)
{
    return CodeText(code, {"A", "C"}, out, "Flat");
}

const std::string& SSAValueTexts::AcOutputText(int code, std::string& out)
{
    return CodeText(code, kAcOutput, out);
}

const std::string& SSAValueTexts::GainText(int code, std::string& out)
{
    return CodeText(code, {"-20", "-10", "+0", "+10", "+20", "+30", "+40", "+50"}, out, "+0");
}

const std::string& SSAValueTexts::SecondDisplayText(int code, std::string& out)
{
    return CodeText(code, {"TWA", "SEL", "Min", "Max", "Peak"}, out);
}

const char* SSAValueTexts::SpectralLnText(int option)
{
    return option == 0 ? "None" : option == 1 ? "Overall" : "Interval";
}

const char* SSAValueTexts::IntervalSpectraText(int option)
{
    static const char* const kTexts[] = {"None", "At Max", "Min of Min"};
    return option >= 0 && option <= 2 ? kTexts[option] : "";
}

const std::string& SSAValueTexts::BandName(int index, std::string& out)
{
    out = SsaBandName(index);
    return out;
}

const std::string& SSAValueTexts::OctaveBandName(int index, std::string& out)
{
    if (index >= 1 && index <= 32 && (index - 1) % 3 == 0)
        return BandName(index, out);
    out.clear();
    return out;
}

const std::string& LOGValueTexts::WeightingText(int code, std::string& out)
{
    return CodeText(code, {"A", "C"}, out, "Flat");
}

const std::string& LOGValueTexts::WeightingLetter(int code, std::string& out)
{
    return CodeText(code, {"A", "C"}, out, "F");
}

const std::string& LOGValueTexts::FreqWeightingText(int code, std::string& out)
{
    return CodeText(code, {"A", "C", "Flat", "Oct", "1/3"}, out);
}

const std::string& LOGValueTexts::FreqWeightingShortText(int code, std::string& out)
{
    return CodeText(code, {"A", "C", "F", "1/1", "1/3"}, out);
}

const std::string& LOGValueTexts::RangeText(int code, std::string& out)
{
    return CodeText(code, kJ57Range, out);
}

const std::string& LOGValueTexts::AcOutputText(int code, std::string& out)
{
    return CodeText(code, kAcOutput, out);
}

const std::string& LOGValueTexts::OtherLevelText(int code, std::string& out)
{
    return CodeText(code, {"None", "Peak-II", "Peak-I", "Lmax", "Advanced"}, out);
}

const std::string& LOGValueTexts::PeriodUnitText(int code, std::string& out)
{
    return CodeText(code, {"1/32 seconds", "1.0 seconds", "10.0 seconds", "60.0 seconds"}, out);
}

const std::string& LOGValueTexts::ReportChoiceText(int code, std::string& out)
{
    return CodeText(code, {"No", "Short", "Long"}, out);
}

const std::string& LOGValueTexts::TimerModeText(int code, std::string& out)
{
    return CodeText(code, {"Off", "Block", "1/Day", "2/Day"}, out);
}

int LOGValueTexts::ExchangeRateToDb(int index)
{
    return (index >= 0 && index < 5) ? index + 3 : 3;
}

int LOGValueTexts::WeightingDetectorIndex(int weighting, int detector)
{
    if (weighting < 0 || weighting > 2 || detector < 0 || detector > 2)
        return 0;
    return weighting * 3 + detector;
}

const std::string& ISMValueTexts::GetDetectorText(int code, std::string& out)
{
    return CodeText(code, kDetector, out);
}

const std::string& ISMValueTexts::GetRangeText(int code, std::string& out)
{
    return CodeText(code, kJ57Range, out);
}

const std::string& ISMValueTexts::GetAcOutputText(int code, std::string& out)
{
    return CodeText(code, {"Flat", "Weighted"}, out);
}

const std::string& TALValueTexts::DetectorText(int code, std::string& out)
{
    return CodeText(code, kDetector, out);
}

const std::string& TALValueTexts::WeightingText(int code, std::string& out)
{
    return CodeText(code, kWeighting, out);
}

const std::string& TALValueTexts::BandName(int index, std::string& out)
{
    out = TalBandName(index);
    return out;
}

const std::string& OBAValueTexts::GetRangeText(int code, std::string& out)
{
    return CodeText(code, {"Normal", "High", "Low"}, out);
}

const std::string& OBAValueTexts::GetScanModeText(int code, std::string& out)
{
    return CodeText(code, {"Manual", "Auto", "Timed"}, out);
}

const std::string& OBAValueTexts::GetProfileText(int code, std::string& out)
{
    return CodeText(code, {"Normal", "Short", "Long", "Custom"}, out);
}

const std::string& OBAValueTexts::GetBandwidthText(int code, std::string& out)
{
    return CodeText(code, {"1/1", "1/3"}, out, nullptr, 3);
}

const std::string& OBAValueTexts::GetBandLabel(int index, std::string& out)
{
    out = ObaBandName(index);
    return out;
}

int OBAValueTexts::GetBandwidthIndex(int code)
{
    return code == 4 ? 1 : 0;
}

const std::string& RTAValueTexts::TriggerModeText(int code, std::string& out)
{
    return CodeText(code, {"Now", "L<", "L=", "L>", "Input", "Time", "Count"}, out);
}

const std::string& RTAValueTexts::ExpDetectorTimeText(int code, std::string& out)
{
    return CodeText(code, {"1/32", "1/16", "1/8", "1/4", "1/2", "1", "2", "4", "8", "16", "32", "64"}, out);
}

const std::string& RTAValueTexts::TriggerSourceText(int code, std::string& out)
{
    out = (code & 0xFF) < kFlatTriggerSource ? SsaBandName(code & 0xFF) : "Flat";
    return out;
}

std::string RTAValueTexts::LinearDetectorTimeText(float seconds)
{
    const double tenThousandths = std::trunc((static_cast<double>(seconds) + 0.00005) * 10000.0);
    const double steps = std::trunc(tenThousandths / 25.0);
    return FormatFixed(steps * 25.0 / 10000.0, 4);
}
