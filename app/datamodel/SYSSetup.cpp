#include "SYSSetup.h"

#include <cmath>
#include <vector>

#include "EngineeringText.h"
#include "ReportNumbers.h"
#include "SetupBlock.h"

using namespace SystemSetupFields;

namespace {
struct TextField {
    size_t offset;
    size_t length;
};
// In the order of SYSSetup::CachedText.
constexpr TextField kTextFields[] = {
    {kInstrumentName, kTextLength}, {SystemSetupFields::kDescription1, kTextLength},
    {SystemSetupFields::kDescription2, kTextLength}, {SystemSetupFields::kTelephone, kTextLength},
    {SystemSetupFields::kModemInit, kTextLength}, {SystemSetupFields::kCalibratorSerial, kCalibratorSerialLength},
    {SystemSetupFields::kEuLabel, kEuLabelLength},
};

int BelowOr(int value, int limit, int fallback)
{
    return (value >= 0 && value < limit) ? value : fallback;
}
}  // namespace

void SYSSetup::Serialize(std::istream& in)
{
    std::vector<uint8_t> bytes(BlockSize());
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    auto count = in.gcount();
    in.clear();
    if (count > 0)
        Load(bytes.data(), static_cast<size_t>(count));
}

void SYSSetup::AfterLoad()
{
    m_serialNumber = SetupBlock::GetRawText(m_block.data() + kSerialNumber, kSerialNumberLength);
}

const std::string& SYSSetup::Cached(CachedText which) const
{
    std::string& text = m_texts[which];
    const TextField& field = kTextFields[which];
    if (text.empty()) {
        if (const uint8_t* p = Field(field.offset, field.length))
            text = SetupBlock::GetText(p, field.length);
    }
    return text;
}

void SYSSetup::SetCached(CachedText which, const std::string& text)
{
    const TextField& field = kTextFields[which];
    uint8_t* p = Field(field.offset, field.length);
    if (p == nullptr)
        return;
    SetupBlock::SetText(p, field.length, text);
    m_texts[which] = SetupBlock::GetText(p, field.length);
}

int SYSSetup::GetLogicOutputCode() const
{
    return BelowOr(Byte(kLogicOutput), 18, 0);
}

void SYSSetup::SetLogicOutputCode(int code)
{
    // A negative code is below 18 as well: its low byte goes in, and the
    // getter reads it as 0.
    SetByte(kLogicOutput, code < 18 ? code : 0);
}

void SYSSetup::SetLogicOutputTime(int seconds)
{
    SetByte(kLogicOutputTime, seconds < 255 ? seconds : 10);
}

int SYSSetup::GetLogicInputMode() const
{
    return BelowOr(Byte(kLogicInputMode), 5, 0);
}

void SYSSetup::SetLogicInputMode(int mode)
{
    SetByte(kLogicInputMode, mode <= 4 ? mode : 0);
}

int SYSSetup::GetPowerOffMode() const
{
    return BelowOr(Byte(kPowerOffMode), 3, 1);
}

void SYSSetup::SetPowerOffMode(int mode)
{
    SetByte(kPowerOffMode, (mode == 1 || mode == 2) ? mode : 0);
}

void SYSSetup::SetAutoOffTime(int minutes)
{
    SetByte(kAutoOffTime, minutes < 99 ? minutes : 12);
}

void SYSSetup::SetBlankLcdTime(int minutes)
{
    SetByte(kBlankLcdTime, minutes < 99 ? minutes : 4);
}

void SYSSetup::SetBacklightTime(int seconds)
{
    SetByte(kBacklightTime, seconds < 99 ? seconds : 30);
}

void SYSSetup::SetLcdContrast(int contrast)
{
    SetByte(kLcdContrast, contrast < 54 ? 54 : (contrast > 80 ? 80 : contrast));
}

double SYSSetup::GetCalibratorLevel() const
{
    const uint8_t* p = Field(kCalibratorLevel, 2);
    return p ? SetupBlock::Get88(p) : 0.0;
}

void SYSSetup::SetCalibratorLevel(double db)
{
    if (uint8_t* p = Field(kCalibratorLevel, 2))
        SetupBlock::Set88(p, db);
}

void SYSSetup::SetTransducer(int transducer)
{
    if (transducer >= 0 && transducer <= 2)
        SetByte(kTransducer, transducer);
}

void SYSSetup::SetAutoCalCheck(int enabled, int noiseFloor)
{
    SetByte(kAutoCalibration, enabled == 0 ? 0 : (noiseFloor != 0 ? 2 : 1));
}

int SYSSetup::GetAutoCalHour() const
{
    int hour = DecodeBcd(static_cast<uint8_t>(Byte(kAutoCalHour)));
    return hour > 99 ? 0 : hour;
}

int SYSSetup::GetAutoCalMinute() const
{
    int minute = DecodeBcd(static_cast<uint8_t>(Byte(kAutoCalMinute)));
    return minute > 59 ? 0 : minute;
}

void SYSSetup::SetAutoCalTime(int hour, int minute)
{
    SetByte(kAutoCalHour, EncodeBcd(hour));
    SetByte(kAutoCalMinute, EncodeBcd(minute));
}

double SYSSetup::GetEuScaleFactor() const
{
    const uint8_t* p = Field(kEuScale, 2);
    if (p == nullptr)
        return 0.0;
    double db = static_cast<int8_t>(p[0]) + p[1] / 256.0;
    return 1.0 / std::pow(10.0, db / 20.0);
}

void SYSSetup::SetEuScaleFactor(double factor)
{
    uint8_t* p = Field(kEuScale, 2);
    if (p == nullptr || !(factor > 0) || !std::isfinite(factor))
        return;
    double db = 20.0 * std::log10(1.0 / factor);
    // The whole dB below the value and its fraction in 256ths, an exact half
    // rounded down. For a positive value that is the 8.8 form of the other
    // blocks; a negative one reads back as the signed byte plus the fraction.
    double whole = std::floor(db);
    double scaled = (db - whole) * 256.0;
    double fraction = std::floor(scaled);
    if (scaled - fraction > 0.5)
        fraction += 1;
    if (fraction >= 256) {
        fraction = 0;
        whole += 1;
    }
    if (whole < -128) {
        whole = -128;
        fraction = 0;
    } else if (whole > 127) {
        whole = 127;
        fraction = 255;
    }
    p[0] = static_cast<uint8_t>(static_cast<int8_t>(whole));
    p[1] = static_cast<uint8_t>(fraction);
}

void SYSSetup::DecodeLogicOutput(int code, std::array<bool, 7>& flags)
{
    flags.fill(false);
    if (code == 0)
        return;
    flags[0] = true;
    if (code >= 1 && code <= 15)
        for (int bit = 0; bit < 4; ++bit)
            flags[1 + bit] = ((code >> bit) & 1) != 0;
    else if (code == 16)
        flags[5] = true;
    else if (code == 17)
        flags[6] = true;
}

const std::string& SYSSetup::LogicInputModeText(int mode, std::string& out)
{
    static const char* const kTexts[] = {"None", "Pause", "Toggle", "Level", "Alarm"};
    int code = mode & 0xFF;
    out = kTexts[code <= 4 ? code : 0];
    return out;
}

const char* SYSSetup::AutoCalibrationText(int mode)
{
    return mode == 1 ? "Yes" : mode == 2 ? "NF+" : "No";
}

const char* SYSSetup::TransducerText(int transducer)
{
    return transducer == 0 ? "Condensor" : transducer == 1 ? "Electret" : "Direct";
}

const char* SYSSetup::PowerOffModeText(int mode)
{
    return mode == 0 ? "Blank LCD" : mode == 1 ? "Auto Off" : "Manual Off";
}

const std::string& SYSSetup::ModeText(int setupType, std::string& out)
{
    static const char* const kTexts[] = {"SSA", "ISM", "LOG", "TAL", "FFT", "RTA", "ENV", "AUD", "VIB"};
    out = (setupType >= 5 && setupType <= 13) ? kTexts[setupType - 5] : "";
    return out;
}

const std::string& SYSSetup::Text30ToString(std::string& out, const uint8_t* field)
{
    out = field ? SetupBlock::GetText(field, kTextLength) : std::string();
    return out;
}

const std::string& SYSSetup::Text4ToString(std::string& out, const uint8_t* field)
{
    out = field ? SetupBlock::GetText(field, kEuLabelLength) : std::string();
    return out;
}

double SYSSetup::DbToLinear(double db)
{
    return std::pow(10.0, db / 20.0);
}

std::string SYSSetup::EngineeringUnitsText(double scaleDb, const std::string& label)
{
    if (label.empty())
        return "Disabled";
    std::string factor = FormatFixed(DbToLinear(scaleDb), 6);
    FormatEngineeringText(factor);
    return factor + " Volts / " + label;
}

std::string OrNone(std::string text)
{
    return text.empty() ? "<none>" : text;
}
