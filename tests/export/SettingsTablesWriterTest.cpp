// The FFT and RTA settings printouts.
#include <gtest/gtest.h>

#include "KeptRecordFields.h"
#include "TableWriterFixtures.h"

using namespace tablefixture;

namespace {

OutputRecordBuilder FftSetup(int bandwidth, int gain, int averages, int window, int skipping)
{
    OutputRecordBuilder record(63);
    record.U16(FftSetupFields::kBandwidthIndex, bandwidth).U16(FftSetupFields::kGain, gain)
        .U16(FftSetupFields::kWindow, window).U16(FftSetupFields::kOverloadSkipping, skipping)
        .I16(FftSetupFields::kAverageCount, averages);
    return record;
}

std::string FftSettings(ExportFormat format, const RecordView& setup)
{
    return Written([&](std::ostream& out) { ReportWriter().WriteFftSettings(out, format, setup); });
}

// An RTA setup: third octaves, exponential detector 1/8 s, store rate 1/8;
// AutoStore with ByTime; triggering on an Arm level, a Trigger time and an
// End count, the End logic High.
OutputRecordBuilder RtaSetup()
{
    OutputRecordBuilder record(70);
    record.U16(RtaSetupFields::kVersion, 4).U8(RtaSetupFields::kBandwidthFlags, 0x80 | 0x40 | 0x20)
        .U8(RtaSetupFields::kStoreFlags, 0x80 | 0x20).U8(RtaSetupFields::kTriggerFlags, 0x80 | 0x10 | 0x08 | 0x04);
    record.F32(RtaSetupFields::kLinearDetectorTime, 0.0037f).U8(RtaSetupFields::kExpDetectorTime, 2)
        .I16(RtaSetupFields::kPretrigger, 12).U16(RtaSetupFields::kLogicOutMap, (1 << 14) | (1 << 4))
        .U8(RtaSetupFields::kGain, 3).U8(RtaSetupFields::kTriggerSource, 0);
    record.U8(RtaSetupFields::kArmMode, 3).F32(RtaSetupFields::kArmLevel, 65.5f).F32(RtaSetupFields::kArmTime, 1.25f);  // Arm: L> 65.5 dB
    record.U8(RtaSetupFields::kTriggerMode, 5).F32(RtaSetupFields::kTriggerTime, 0.5f);  // Trigger: Time 0.5 s
    record.U8(RtaSetupFields::kEndMode, 6).I16(RtaSetupFields::kEndSamples, 250);  // End: Count 250
    record.U8(RtaSetupFields::kEndThen, 1).U8(RtaSetupFields::kRepeatCount, 4).U8(RtaSetupFields::kAverageCount, 2)
        .Text(RtaSetupFields::kNote, "Hall B").U8(RtaSetupFields::kRt60DbDown, 2);
    return record;
}

std::string RtaSettings(ExportFormat format, const RecordView& setup)
{
    return Written([&](std::ostream& out) { ReportWriter().WriteRtaSettings(out, format, setup); });
}

}  // namespace

TEST(FftSettingsWriter, TextLayout)
{
    const auto setup = FftSetup(3, 2, 64, 1, 1);
    EXPECT_EQ(FftSettings(kTextFormat, View(setup)),
              "FFT Analyzer Settings\n"
              "  Bandwidth:               0 - 2K Hz\n"
              "  Gain:                    +0\n"
              "  Average Count:           64\n"
              "  Window:                  Hanning\n"
              "  Overload Skipping:       Enabled\n"
              "\n");
}

TEST(FftSettingsWriter, CsvLayout)
{
    const auto setup = FftSetup(3, 2, 64, 1, 1);
    EXPECT_EQ(FftSettings(kCsvFormat, View(setup)),
              "\"FFT Analyzer Settings\",\n"
              "\"Bandwidth:\",\"0 - 2K Hz\",\n"
              "\"Gain:\",\"+0\",\n"
              "\"Averaging count:\",\"64\",\n"
              "\"Window:\",\"Hanning\",\n"
              "\"Overload Skipping:\",\"Enabled\",\n"
              "\n");
}

TEST(FftSettingsWriter, CodesOutsideTheirListsAndNothingToWrite)
{
    const auto setup = FftSetup(9, 12, -5, 3, 0);
    EXPECT_EQ(Lines(FftSettings(kTextFormat, View(setup)), 1, 5),
              "  Bandwidth:               \n"
              "  Gain:                    +0\n"
              "  Average Count:           -5\n"
              "  Window:                  \n"
              "  Overload Skipping:       Disabled\n");
    EXPECT_EQ(Lines(FftSettings(kCsvFormat, View(setup)), 4, 4), "\"Window:\",\"\",\n");
    EXPECT_EQ(FftSettings(kTextFormat, RecordView()), "");
    ExportStream failed;
    failed.setstate(std::ios::badbit);
    ReportWriter().WriteFftSettings(failed, kCsvFormat, View(setup));
    EXPECT_EQ(writertest::Plain(failed), "");
}

TEST(RtaSettingsWriter, TextLayout)
{
    const auto setup = RtaSetup();
    EXPECT_EQ(RtaSettings(kTextFormat, View(setup)),
              "RTA Settings\n"
              "  Bandwidth:               1/3\n"
              "  Detector:                Exp\n"
              "  Gain:                    +10\n"
              "  Lin. Detect Time:        0.0025\n"
              "  Exp. Detect. Time:       1/8\n"
              "  Exp. Store Rate:         1/8\n"
              "  RT60 dB Down:            15 dB\n"
              "  Note:                    Hall B\n"
              "\n"
              "Auto Store\n"
              "  Auto Store:              Enabled\n"
              "  Pretrigger #:            12\n"
              "  Save ByTime:             Yes\n"
              "\n"
              "Trigger\n"
              "  Triggering:              Enabled\n"
              "  Trigger Source:          12.5 Hz\n"
              "\n"
              "                           Mode    \tLevel dB\tTime sec.\tSamples \tLogic   \n"
              "  Arm                      L>      \t65.50   \t1.2500  \t   -    \t   -    \n"
              "  Trigger                  Time    \t   -    \t0.5000  \t   -    \t   -    \n"
              "  End                      Count   \t   -    \t   -    \t250     \t   -    \n"
              "\n"
              "  Then:                    \n"
              "    Action:                  Repeat\n"
              "    Repeat Count:            4\n"
              "    Average Count:           2\n"
              "\n"
              "Run On Logic Input       Yes\n"
              "Logic Level:             High\n"
              "\n"
              "Logic Out:               Ended   \tTrigger \tArmed   \tReady   \tStop    \n"
              "  Heat:                       X    \t        \t        \t        \t        \n"
              "  Cal:                             \t        \t        \t   X    \t        \n"
              "  Logic Out:                       \t        \t        \t        \t        \n");
}

TEST(RtaSettingsWriter, CsvLayout)
{
    const auto setup = RtaSetup();
    EXPECT_EQ(RtaSettings(kCsvFormat, View(setup)),
              "\"RTA Settings\",\n"
              "\"Bandwidth:\",\"0 1/3\",\n"
              "\"Detector:\",\"Exp\",\n"
              "\"Gain:\",\"+10\",\n"
              "\"Lin. Detect Time:\",\"0.0025\",\n"
              "\"Exp. Detect. Time:\",\"0 1/8\",\n"
              "\"Exp. Store Rate:\",\"0 1/8\",\n"
              "\"RT60 dB Down:\",\"15 dB\",\n"
              "\"Note:\",\"Hall B\",\n"
              "\n"
              "\"Auto Store\",\n"
              "\"Auto Store:\",\"Enabled\",\n"
              "\"Pretrigger #:\",\"12\",\n"
              "\"Save ByTime:\",\"Yes\",\n"
              "\n"
              "\"Trigger\",\n"
              "\"Triggering:\",\"Enabled\",\n"
              "\"Trigger Source:\",\"12.5 Hz\",\n"
              "\n"
              "\" \",\"Mode\",\"Level dB\",\"Time sec.\",\"Samples\",\"Logic\",\n"
              "\"Arm:\",\"L>\",\"65.50\",\"1.2500\",\"  -  \",\"  -  \",\n"
              "\"Trigger:\",\"Time\",\"   -   \",\"0.5000\",\"  -  \",\"  -  \",\n"
              "\"End:\",\"Count\",\"  -  \",\"  -  \",\"250\",\"  -  \",\n"
              "\n"
              "\"Then\",\n"
              "\"Action:\",\"Repeat\",\n"
              "\"Repeat Count:\",\"4\",\n"
              "\"Average Count:\",\"2\",\n"
              "\n"
              "\"Run On Logic Input:\",\"Yes\",\n"
              "\"Logic Level:\",\"High\",\n"
              "\n"
              "\"Logic Out:\",\"Ended\",\"Trigger\",\"Armed\",\"Ready\",\"Stop\",\n"
              "\"Heat:\",\"   X   \",\"       \",\"       \",\"       \",\"       \",\n"
              "\"Cal:\",\"       \",\"       \",\"       \",\"   X   \",\"       \",\n"
              "\"Logic Out:\",\"       \",\"       \",\"       \",\"       \",\"       \",\n");
}

TEST(RtaSettingsWriter, TriggerRowsByMode)
{
    ReportWriter writer;
    struct Case {
        ExportFormat format;
        const char* name;
        int mode;
        int logic;
        std::string row;
    };
    const Case cases[] = {
        {kTextFormat, "Now", 0, 1, "Now     \t   -    \t   -    \t   -    \t   -    "},
        {kTextFormat, "Never", 0, 0, "Never   \t   -    \t   -    \t   -    \t   -    "},
        {kTextFormat, "L<", 1, 0, "L<      \t-3.25   \t0.1250  \t   -    \t   -    "},
        {kTextFormat, "Input", 4, 1, "Input   \t   -    \t   -    \t   -    \tHigh    "},
        {kCsvFormat, "Input", 4, 0, "\"Input\",\"  -  \",\"  -  \",\"  -  \",\"Low\","},
        {kTextFormat, "Count", 6, 0, "Count   \t   -    \t   -    \t-7      \t   -    "},
        {kTextFormat, "", 7, 0, " "},
        {kCsvFormat, "", 0x107, 0, " "},
        {kCsvFormat, "L=", 0x102, 0, "\"L=\",\"-3.25\",\"0.1250\",\"  -  \",\"  -  \","},
    };
    for (const Case& c : cases)
        EXPECT_EQ(writer.FormatTriggerRow(c.format, c.name, c.mode, -3.25f, 0.125f, -7, c.logic), c.row) << c.mode;
}

TEST(RtaSettingsWriter, ATriggerModeOutsideTheTableLeavesOneBlank)
{
    auto setup = RtaSetup();
    setup.U8(RtaSetupFields::kArmMode, 7).U8(RtaSetupFields::kEndMode, 9);  // Arm and End modes the instrument does not have
    EXPECT_EQ(Lines(RtaSettings(kTextFormat, View(setup)), 20, 22),
              "  Arm                       \n"
              "  Trigger                  Time    \t   -    \t0.5000  \t   -    \t   -    \n"
              "  End                       \n");
    EXPECT_EQ(Lines(RtaSettings(kCsvFormat, View(setup)), 20, 22),
              "\"Arm:\", \n"
              "\"Trigger:\",\"Time\",\"   -   \",\"0.5000\",\"  -  \",\"  -  \",\n"
              "\"End:\", \n");
}

TEST(RtaSettingsWriter, DerivedValues)
{
    struct Case {
        float linearTime;
        int version;
        int dbDownIndex;
        int source;
        int expIndex;
        std::string detectTime, dbDown, sourceName, expTime;
    };
    const Case cases[] = {
        {0.0037f, 4, 2, 33, 11, "0.0025", "15 dB", "Flat", "64"},
        {0.005f, 3, 2, 40, 12, "0.0050", "20 dB", "Flat", ""},
        {0.0037f, 3, 9, 32, 0, "0.0025", "0 dB", "20000 Hz", "1/32"},
    };
    for (const Case& c : cases) {
        OutputRecordBuilder setup(70);
        setup.U16(RtaSetupFields::kVersion, c.version).F32(RtaSetupFields::kLinearDetectorTime, c.linearTime)
            .U8(RtaSetupFields::kRt60DbDown, c.dbDownIndex).U8(RtaSetupFields::kTriggerSource, c.source)
            .U8(RtaSetupFields::kExpDetectorTime, c.expIndex);
        const std::string text = RtaSettings(kTextFormat, View(setup));
        EXPECT_EQ(Lines(text, 4, 5),
                  "  Lin. Detect Time:        " + c.detectTime + "\n  Exp. Detect. Time:       " + c.expTime + "\n");
        EXPECT_EQ(Lines(text, 7, 7), "  RT60 dB Down:            " + c.dbDown + "\n");
        EXPECT_EQ(Lines(text, 17, 17), "  Trigger Source:          " + c.sourceName + "\n");
        // Every mode 0: the End row's mode is Never, the Arm row's Now.
        EXPECT_EQ(Lines(text, 20, 22).substr(27, 3), "Now");
    }
    EXPECT_EQ(RtaSettings(kTextFormat, RecordView()), "");
}
