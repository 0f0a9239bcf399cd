#pragma once
// Byte offsets of the fields of the instrument's system settings block (226
// bytes): SYSSetup reads and writes them. Texts are blank filled; one-byte
// values unless noted.
#include <cstddef>

namespace SystemSetupFields {
constexpr size_t kFlags = 2;              // 0x02 backlight, 0x04 external power, 0x20 random
                                          // incidence, 0x40 maker's modem, 0x80 modem enabled
constexpr size_t kSerialNumber = 9;
constexpr size_t kSerialNumberLength = 5;
constexpr size_t kInstrumentName = 19;
constexpr size_t kDescription1 = 49;
constexpr size_t kDescription2 = 79;
constexpr size_t kTextLength = 30;        // of the name, the descriptions, the telephone and modem texts
constexpr size_t kLogicOutput = 115;
constexpr size_t kLogicOutputTime = 116;  // seconds
constexpr size_t kLogicInputMode = 119;
constexpr size_t kDialOutFlags = 120;     // 0x01 on exceedance, 0x02 on alarm
constexpr size_t kTelephone = 121;
constexpr size_t kMonitorNumber = 151;
constexpr size_t kModemInit = 152;
constexpr size_t kPowerOffMode = 192;
constexpr size_t kAutoOffTime = 194;      // minutes
constexpr size_t kBlankLcdTime = 195;     // minutes
constexpr size_t kBacklightTime = 196;    // seconds
constexpr size_t kLcdContrast = 197;
constexpr size_t kCalibratorLevel = 198;  // two bytes, 8.8 dB
constexpr size_t kCalibratorSerial = 200;
constexpr size_t kCalibratorSerialLength = 8;
constexpr size_t kTransducer = 208;
constexpr size_t kAutoCalibration = 209;  // 0 off, 1 on, 2 on with the noise floor check
constexpr size_t kAutoCalHour = 210;      // packed BCD
constexpr size_t kAutoCalMinute = 211;    // packed BCD
constexpr size_t kEuScale = 212;          // a signed byte of dB and 256ths
constexpr size_t kEuLabel = 214;
constexpr size_t kEuLabelLength = 4;
}  // namespace SystemSetupFields
