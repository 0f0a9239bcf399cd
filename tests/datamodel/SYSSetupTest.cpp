#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>

#include "SYSSetup.h"
#include "SetupBlockBuilder.h"
#include "SystemSetupFields.h"

using testsupport::SetupBlockBuilder;

namespace {
SYSSetup Loaded(const SetupBlockBuilder& builder)
{
    SYSSetup s;
    s.Load(builder.Bytes().data(), builder.Bytes().size());
    return s;
}
}  // namespace

TEST(SYSSetup, ChoiceSettersAndGettersKeepTheirRanges)
{
    SYSSetup s = Loaded(SetupBlockBuilder(226)
                            .Byte(SystemSetupFields::kPowerOffMode, 5)
                            .Byte(SystemSetupFields::kLogicOutput, 18)
                            .Byte(SystemSetupFields::kLogicInputMode, 5));
    EXPECT_EQ(s.GetPowerOffMode(), 1);
    EXPECT_EQ(s.GetLogicOutputCode(), 0);
    EXPECT_TRUE(s.IsLogicOutputOff());
    EXPECT_EQ(s.GetLogicInputMode(), 0);
    const uint8_t* b = s.GetSetupBlock();

    s.SetLcdContrast(40);
    EXPECT_EQ(b[197], 54);
    s.SetLcdContrast(90);
    EXPECT_EQ(b[197], 80);
    for (int mode : {0, 3, -1}) {
        s.SetPowerOffMode(mode);
        EXPECT_EQ(b[192], 0) << mode;
    }
    s.SetPowerOffMode(2);
    EXPECT_EQ(s.GetPowerOffMode(), 2);
    s.SetLogicOutputCode(17);
    EXPECT_EQ(s.GetLogicOutputCode(), 17);
    s.SetLogicOutputCode(18);
    EXPECT_EQ(b[115], 0);
    s.SetLogicOutputTime(255);
    EXPECT_EQ(b[116], 10);
    s.SetLogicInputMode(-1);
    EXPECT_EQ(b[119], 255);
    EXPECT_EQ(s.GetLogicInputMode(), 0);
    s.SetLogicInputMode(4);
    EXPECT_EQ(s.GetLogicInputMode(), 4);
    s.SetAutoOffTime(99);
    s.SetBlankLcdTime(99);
    s.SetBacklightTime(99);
    EXPECT_EQ(s.GetAutoOffTime(), 12);
    EXPECT_EQ(s.GetBlankLcdTime(), 4);
    EXPECT_EQ(s.GetBacklightTime(), 30);
    s.SetTransducer(1);
    s.SetTransducer(3);
    EXPECT_EQ(s.GetTransducer(), 1);

    s.SetAutoCalCheck(1, 1);
    EXPECT_EQ(b[209], 2);
    EXPECT_TRUE(s.IsAutoCalCheck());
    EXPECT_TRUE(s.IsNoiseFloorCheck());
    s.SetAutoCalCheck(1, 0);
    EXPECT_TRUE(s.IsAutoCalCheck());
    EXPECT_FALSE(s.IsNoiseFloorCheck());
    s.SetAutoCalCheck(0, 1);
    EXPECT_FALSE(s.IsAutoCalCheck());

    s.SetAutoCalTime(23, 45);
    EXPECT_EQ(b[210], 0x23);
    EXPECT_EQ(s.GetAutoCalHour(), 23);
    EXPECT_EQ(s.GetAutoCalMinute(), 45);
    s.SetAutoCalTime(100, 60);
    EXPECT_EQ(s.GetAutoCalHour(), 0);
    EXPECT_EQ(s.GetAutoCalMinute(), 0);

    s.SetModemEnabled(1);
    s.SetRandomIncidence(2);  // only 1 sets a flag
    EXPECT_EQ(b[2], 0x80);
    s.SetDialOnAlarm(1);
    EXPECT_EQ(s.GetDialOnAlarm(), 1);
    EXPECT_EQ(s.GetDialOnExceedance(), 0);
}

TEST(SYSSetup, EuScaleFactorRoundTrip)
{
    SYSSetup s = Loaded(SetupBlockBuilder(226));
    const uint8_t* b = s.GetSetupBlock();
    s.SetEuScaleFactor(0.5);
    EXPECT_EQ(b[212], 6);
    EXPECT_EQ(b[213], 5);
    EXPECT_NEAR(s.GetEuScaleFactor(), 0.50006, 0.000005);

    // Above 1 the dB value is negative; it still reads back within 1/256 dB.
    for (double factor : {2.0, 31.6, 1.0, 0.001}) {
        s.SetEuScaleFactor(factor);
        double db = 20 * std::log10(1 / s.GetEuScaleFactor());
        EXPECT_NEAR(db, 20 * std::log10(1 / factor), 1.0 / 256) << factor;
    }
    s.SetEuScaleFactor(0.5);
    for (double bad : {0.0, -1.0, std::nan("")})
        s.SetEuScaleFactor(bad);
    EXPECT_EQ(b[212], 6);
    EXPECT_EQ(b[213], 5);
}

TEST(SYSSetup, TextsAreCachedUntilTheirSetterRuns)
{
    SYSSetup s = Loaded(SetupBlockBuilder(226)
                            .Text(SystemSetupFields::kSerialNumber, SystemSetupFields::kSerialNumberLength, "A1234")
                            .Text(SystemSetupFields::kInstrumentName, SystemSetupFields::kTextLength, "Meter one")
                            .Text(SystemSetupFields::kCalibratorSerial, SystemSetupFields::kCalibratorSerialLength, "CAL77")
                            .Text(SystemSetupFields::kEuLabel, SystemSetupFields::kEuLabelLength, "m/s"));
    EXPECT_EQ(s.GetSerialNumber(), "A1234");
    EXPECT_EQ(s.GetInstrumentName(), "Meter one");
    EXPECT_EQ(s.GetCalibratorSerial(), "CAL77");
    EXPECT_EQ(s.GetEuUnitsLabel(), "m/s");
    EXPECT_EQ(s.GetRevision(), "");

    uint8_t* b = s.GetSetupBlock();
    b[SystemSetupFields::kInstrumentName] = 'X';
    EXPECT_EQ(s.GetInstrumentName(), "Meter one");
    s.SetInstrumentName("A name that is longer than thirty characters");
    EXPECT_EQ(s.GetInstrumentName(), "A name that is longer than thi");
    EXPECT_EQ(b[48], 'i');
    EXPECT_EQ(b[49], 0);  // description 1 untouched
    s.SetEuUnitsLabel("Pa");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b + 214), 4), "Pa  ");

    SYSSetup copy(s);
    EXPECT_EQ(copy.GetInstrumentName(), "A name that is longer than thi");
    EXPECT_NE(copy.GetSetupBlock(), s.GetSetupBlock());
    EXPECT_EQ(s.GetMarkerName("Marker 3"), "Marker 3");
}

TEST(SYSSetup, DecodeLogicOutput)
{
    struct Case {
        int code;
        std::array<bool, 7> flags;
    };
    const Case cases[] = {
        {0, {}},
        {5, {true, true, false, true, false, false, false}},
        {15, {true, true, true, true, true, false, false}},
        {16, {true, false, false, false, false, true, false}},
        {17, {true, false, false, false, false, false, true}},
        {18, {true, false, false, false, false, false, false}},
    };
    for (const auto& c : cases) {
        std::array<bool, 7> flags;
        flags.fill(true);
        SYSSetup::DecodeLogicOutput(c.code, flags);
        EXPECT_EQ(flags, c.flags) << c.code;
    }
}

TEST(SYSSetup, StaticTextsAndTests)
{
    std::string out;
    EXPECT_EQ(SYSSetup::LogicInputModeText(0, out), "None");
    EXPECT_EQ(SYSSetup::LogicInputModeText(4, out), "Alarm");
    EXPECT_EQ(SYSSetup::LogicInputModeText(9, out), "None");
    EXPECT_EQ(SYSSetup::ModeText(5, out), "SSA");
    EXPECT_EQ(SYSSetup::ModeText(13, out), "VIB");
    EXPECT_EQ(SYSSetup::ModeText(4, out), "");
    EXPECT_EQ(SYSSetup::ModeText(14, out), "");
    EXPECT_NEAR(SYSSetup::DbToLinear(20), 10.0, 1e-12);
    EXPECT_EQ(SYSSetup::IsBit20Set(0x120), 1);
    EXPECT_EQ(SYSSetup::IsBit01Set(2), 0);

    // The fields are read only: the byte after each stays as it was.
    std::array<uint8_t, 31> field;
    field.fill('x');
    std::memcpy(field.data(), "Notes   ", 8);
    std::memset(field.data() + 8, ' ', 22);
    EXPECT_EQ(SYSSetup::Text30ToString(out, field.data()), "Notes");
    EXPECT_EQ(field[30], 'x');
    const uint8_t label[5] = {'d', 'B', 0, 'q', '!'};
    EXPECT_EQ(SYSSetup::Text4ToString(out, label), "dB");
    EXPECT_EQ(label[4], '!');
}
