#pragma once
// The instrument's system settings over the 226-byte block: identity texts,
// power and display, logic input and output, modem and dial-out, calibrator
// and engineering units. They travel only between the program and the
// instrument: never to a setup file.
//
// Text getters keep a cached text, built from the block when the cache is
// empty; a text setter writes the block and rebuilds its cache. A change made
// to the block through its pointer shows only after that field's setter ran.
#include <array>
#include <istream>
#include <ostream>
#include <string>

#include "SetupObject.h"
#include "SystemSetupFields.h"

class SYSSetup : public SetupObject {
public:
    SYSSetup() = default;
    SYSSetup(const SYSSetup&) = default;
    SYSSetup& operator=(const SYSSetup&) = default;

    size_t BlockSize() const override { return 226; }

    // Loads the block from a stream that stands at its first byte.
    void Serialize(std::istream& in);
    // The system settings are never written to a file: writes nothing.
    bool Serialize(std::ostream&) const { return false; }

    // The serial number as taken when the block was loaded.
    const std::string& GetSerialNumber() const { return m_serialNumber; }
    // The firmware revision text; nothing in this class fills it.
    const std::string& GetRevision() const { return m_revision; }

    // The flags byte, set for 1 and cleared otherwise.
    int GetBacklightOn() const { return Flag(SystemSetupFields::kFlags, 0x02); }
    void SetBacklightOn(int on) { SetFlagIfOne(SystemSetupFields::kFlags, 0x02, on); }
    int GetExternalPower() const { return Flag(SystemSetupFields::kFlags, 0x04); }
    void SetExternalPower(int on) { SetFlagIfOne(SystemSetupFields::kFlags, 0x04, on); }
    int GetRandomIncidence() const { return Flag(SystemSetupFields::kFlags, 0x20); }
    void SetRandomIncidence(int on) { SetFlagIfOne(SystemSetupFields::kFlags, 0x20, on); }
    int GetMakerModem() const { return Flag(SystemSetupFields::kFlags, 0x40); }
    void SetMakerModem(int on) { SetFlagIfOne(SystemSetupFields::kFlags, 0x40, on); }
    int GetModemEnabled() const { return Flag(SystemSetupFields::kFlags, 0x80); }
    void SetModemEnabled(int on) { SetFlagIfOne(SystemSetupFields::kFlags, 0x80, on); }

    // 30-character texts, blank filled.
    const std::string& GetInstrumentName() const { return Cached(kInstrumentName); }
    void SetInstrumentName(const std::string& text) { SetCached(kInstrumentName, text); }
    const std::string& GetDescription1() const { return Cached(kDescription1); }
    void SetDescription1(const std::string& text) { SetCached(kDescription1, text); }
    const std::string& GetDescription2() const { return Cached(kDescription2); }
    void SetDescription2(const std::string& text) { SetCached(kDescription2, text); }
    const std::string& GetTelephoneNumber() const { return Cached(kTelephone); }
    void SetTelephoneNumber(const std::string& text) { SetCached(kTelephone, text); }
    const std::string& GetModemInitString() const { return Cached(kModemInit); }
    void SetModemInitString(const std::string& text) { SetCached(kModemInit, text); }
    // 8 characters.
    const std::string& GetCalibratorSerial() const { return Cached(kCalibratorSerial); }
    void SetCalibratorSerial(const std::string& text) { SetCached(kCalibratorSerial, text); }
    // 4 characters.
    const std::string& GetEuUnitsLabel() const { return Cached(kEuLabel); }
    void SetEuUnitsLabel(const std::string& text) { SetCached(kEuLabel, text); }

    // 0 off, 1 to 15 event bits, 16 run mode, 17 exceedance;
    // 18 or more reads 0 and stores 0.
    int GetLogicOutputCode() const;
    int IsLogicOutputOff() const { return GetLogicOutputCode() == 0; }
    void SetLogicOutputCode(int code);
    // Seconds; 255 or more stores 10.
    int GetLogicOutputTime() const { return Byte(SystemSetupFields::kLogicOutputTime); }
    void SetLogicOutputTime(int seconds);
    // 0 none, 1 pause, 2 toggle, 3 level, 4 alarm; 5 or more reads 0,
    // above 4 stores 0.
    int GetLogicInputMode() const;
    void SetLogicInputMode(int mode);

    // Dial-out flags.
    int GetDialOnExceedance() const { return Flag(SystemSetupFields::kDialOutFlags, 0x01); }
    void SetDialOnExceedance(int on) { SetFlagIfOne(SystemSetupFields::kDialOutFlags, 0x01, on); }
    int GetDialOnAlarm() const { return Flag(SystemSetupFields::kDialOutFlags, 0x02); }
    void SetDialOnAlarm(int on) { SetFlagIfOne(SystemSetupFields::kDialOutFlags, 0x02, on); }
    // Unchecked.
    int GetMonitorNumber() const { return Byte(SystemSetupFields::kMonitorNumber); }
    void SetMonitorNumber(int number) { SetByte(SystemSetupFields::kMonitorNumber, number); }

    // 0 blank the display, 1 turn off automatically, 2 stay on;
    // 3 or more reads 1; only 1 and 2 are stored, anything else stores 0.
    int GetPowerOffMode() const;
    void SetPowerOffMode(int mode);
    // Minutes and seconds of inactivity; 99 or more stores the default.
    int GetAutoOffTime() const { return Byte(SystemSetupFields::kAutoOffTime); }
    void SetAutoOffTime(int minutes);
    int GetBlankLcdTime() const { return Byte(SystemSetupFields::kBlankLcdTime); }
    void SetBlankLcdTime(int minutes);
    int GetBacklightTime() const { return Byte(SystemSetupFields::kBacklightTime); }
    void SetBacklightTime(int seconds);
    // Stored clamped to 54 to 80.
    int GetLcdContrast() const { return Byte(SystemSetupFields::kLcdContrast); }
    void SetLcdContrast(int contrast);

    // 8.8 dB.
    double GetCalibratorLevel() const;
    void SetCalibratorLevel(double db);
    // 0 to 2; other values leave the byte unchanged.
    int GetTransducer() const { return Byte(SystemSetupFields::kTransducer); }
    void SetTransducer(int transducer);
    // 0 off, 1 on, 2 on with the noise floor check.
    int IsAutoCalCheck() const { return Byte(SystemSetupFields::kAutoCalibration) != 0; }
    int IsNoiseFloorCheck() const { return Byte(SystemSetupFields::kAutoCalibration) >= 2; }
    void SetAutoCalCheck(int enabled, int noiseFloor);
    // Packed BCD; an hour above 99 or a minute above 59 reads 0.
    int GetAutoCalHour() const;
    int GetAutoCalMinute() const;
    void SetAutoCalTime(int hour, int minute);

    // The engineering units scale in dB (a signed byte and
    // 256ths), as volts per unit = 1 / 10^(dB / 20). A factor of 0 or less
    // changes nothing.
    double GetEuScaleFactor() const;
    void SetEuScaleFactor(double factor);

    // Clears all seven flags; a code other than 0 sets the first; codes 1 to
    // 15 set flags 2 to 5 from their bits 0 to 3; 16 sets the sixth, 17 the
    // seventh.
    static void DecodeLogicOutput(int code, std::array<bool, 7>& flags);

    // Value texts.
    static const std::string& LogicInputModeText(int mode, std::string& out);
    static const std::string& ModeText(int setupType, std::string& out);
    // The automatic calibration: 1 "Yes", 2 "NF+" (with the noise floor
    // check), any other "No".
    static const char* AutoCalibrationText(int mode);
    // 0 "Condensor", 1 "Electret", any other "Direct".
    static const char* TransducerText(int transducer);
    // 0 "Blank LCD", 1 "Auto Off", any other "Manual Off".
    static const char* PowerOffModeText(int mode);
    // A fixed-width text field up to its first zero byte, trailing blanks
    // removed; the field itself is only read.
    static const std::string& Text30ToString(std::string& out, const uint8_t* field);
    static const std::string& Text4ToString(std::string& out, const uint8_t* field);
    static double DbToLinear(double db);
    // The linear engineering units of the settings printout and export:
    // the factor of the scale (dB) in engineering form with six decimals
    // before the trailing zeros go, then " Volts / " and the units label
    // ("1  Volts / Pa"); "Disabled" without a label.
    static std::string EngineeringUnitsText(double scaleDb, const std::string& label);
    static int IsBit01Set(int value) { return (value & 0x01) != 0; }
    static int IsBit20Set(int value) { return (value & 0x20) != 0; }

    // Serves a page of the editor that is never shown: the text unchanged.
    const std::string& GetMarkerName(const std::string& text) const { return text; }

protected:
    void AfterLoad() override;

private:
    enum CachedText { kInstrumentName, kDescription1, kDescription2, kTelephone, kModemInit,
                      kCalibratorSerial, kEuLabel, kCachedTextCount };
    const std::string& Cached(CachedText which) const;
    void SetCached(CachedText which, const std::string& text);

    std::string m_serialNumber;
    std::string m_revision;
    mutable std::array<std::string, kCachedTextCount> m_texts;
};

// The text of a modem setting (dial-out mode, telephone number, init
// string), or "<none>" for an empty one.
std::string OrNone(std::string text);
