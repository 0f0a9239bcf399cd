// The advanced page of the sound analyser and logging sets and its three
// pages: the wind/tachometer input, the printed reports, the heater and the
// calibration tone.
#include <gtest/gtest.h>

#include <QRadioButton>
#include <QTabWidget>

#include "PPAdvanced.h"
#include "PropPageSysMarkers.h"
#include "ScriptedPrompter.h"
#include "SetupEditorTestSupport.h"

using namespace setupedittest;
using Id = PropSheetSetup::PageId;
using testsupport::ScriptedPrompter;

namespace {

// A block of the format that carries the wind input, with the wind/tach on,
// a scale of 1, speeds of 10 (threshold), 40 (exceedance) and 3 (hysteresis).
SetupBlockBuilder WindBlock(SetupBlockBuilder block)
{
    return block.Version(5)
        .Bit(MeasurementSetupFields::kWindFlags, 6)
        .Byte(MeasurementSetupFields::kWindScale, 1)
        .Text(MeasurementSetupFields::kWindUnits, 4, "MPH ")
        .Be16(MeasurementSetupFields::kWindyThreshold, 10)
        .Be16(MeasurementSetupFields::kWindExceedanceLevel, 40)
        .Byte(MeasurementSetupFields::kWindyHysteresis, 3)
        .Byte(MeasurementSetupFields::kDirectionUnits, 1);
}

// A sheet showing a setup with its advanced page in front.
struct AdvancedSheet {
    explicit AdvancedSheet(std::unique_ptr<SetupRec> record) : setup(std::move(record))
    {
        sheet.sheet.ShowSetup(setup.get());
        page = static_cast<PPAdvanced*>(sheet.Open(Id::Advanced));
    }
    // Brings a page of the inner sheet to the front.
    QWidget* Inner(const char* caption)
    {
        QTabWidget* inner = page->NestedSheet();
        for (int i = 0; i < inner->count(); ++i)
            if (inner->tabText(i) == caption)
                inner->setCurrentIndex(i);
        return inner->currentWidget();
    }
    std::vector<std::string> InnerTabs() const
    {
        std::vector<std::string> tabs;
        for (int i = 0; i < page->NestedSheet()->count(); ++i)
            tabs.push_back(page->NestedSheet()->tabText(i).toStdString());
        return tabs;
    }
    NamedSetup* Block() const
    {
        return setup->GetType() == 7 ? static_cast<NamedSetup*>(setup->GetLOGSetup())
                                     : static_cast<NamedSetup*>(setup->GetSSASetup());
    }
    std::vector<uint8_t> Saved()
    {
        sheet.sheet.SaveAll();
        return BlockBytes(Block());
    }
    std::unique_ptr<SetupRec> setup;
    ShownSheet sheet;
    PPAdvanced* page = nullptr;
};

QRadioButton* Radio(QWidget* page, const char* name)
{
    return Control<QRadioButton>(page, name);
}

}  // namespace

TEST(SetupEditorAdvancedPagesTest, BothSetsEndWithTheAdvancedPageAndItsThreePages)
{
    for (int type : {5, 7}) {
        AdvancedSheet s(type == 7 ? LogSetup(LogBlock("LOGA")) : SsaSetup(SsaBlock("SSAA")));
        EXPECT_EQ(s.sheet.Tabs().back(), "Advanced");
        EXPECT_EQ(s.page->GetSetupType(), type);
        EXPECT_EQ(s.InnerTabs(), (std::vector<std::string>{"Wind/Tach", "Report", "Controls"}));
        EXPECT_EQ(Control<QLabel>(s.page, "header")->text().toStdString(),
                  std::string("Sound Level Meter - ") + (type == 7 ? "LOGA" : "SSAA"));
        // Another setup of the type: the header names it at once.
        auto other = type == 7 ? LogSetup(LogBlock("LOGB")) : SsaSetup(SsaBlock("SSAB"));
        s.sheet.sheet.ShowSetup(other.get());
        EXPECT_EQ(s.sheet.ActiveTab(), "Advanced");
        EXPECT_EQ(Control<QLabel>(s.page, "header")->text().toStdString(),
                  std::string("Sound Level Meter - ") + (type == 7 ? "LOGB" : "SSAB"));
        s.sheet.sheet.RemovePagesOf(other.get());
    }
}

TEST(SetupEditorAdvancedPagesTest, WindTachLoadsAndStoresTheWindInput)
{
    for (int type : {5, 7}) {
        AdvancedSheet s(type == 7 ? LogSetup(WindBlock(LogBlock("WIND"))) : SsaSetup(WindBlock(SsaBlock("WIND"))));
        QWidget* wind = s.Inner("Wind/Tach");
        EXPECT_TRUE(Control<QCheckBox>(wind, "windTachEnable")->isChecked());
        EXPECT_EQ(Text(wind, "windScale"), "1");
        EXPECT_EQ(Text(wind, "windUnits"), "MPH ");
        EXPECT_EQ(Text(wind, "windyThreshold"), "10");
        EXPECT_EQ(Text(wind, "windExceedance"), "40");
        EXPECT_EQ(Text(wind, "windyHysteresis"), "3");
        EXPECT_EQ(Control<QComboBox>(wind, "directionUnits")->currentText(), "Degrees");
        EXPECT_TRUE(Radio(wind, "pulseZero")->isChecked());
        EXPECT_TRUE(Radio(wind, "pulseInt")->isChecked());

        Retype(wind, "windUnits", "k/h");
        Retype(wind, "windyThreshold", "12");
        Control<QComboBox>(wind, "directionUnits")->setCurrentIndex(0);
        Radio(wind, "pulseExt")->click();
        Control<QCheckBox>(wind, "windyPause")->click();
        const std::vector<uint8_t> saved = s.Saved();
        // Every non-letter of the units is stored as a blank.
        EXPECT_EQ(std::string(saved.begin() + MeasurementSetupFields::kWindUnits,
                      saved.begin() + MeasurementSetupFields::kWindUnits + 4),
            "k h ")
            << type;
        EXPECT_EQ(
            saved[MeasurementSetupFields::kWindyThreshold] * 256 + saved[MeasurementSetupFields::kWindyThreshold + 1],
            12);
        EXPECT_EQ(saved[MeasurementSetupFields::kWindExceedanceLevel] * 256
                + saved[MeasurementSetupFields::kWindExceedanceLevel + 1],
            40);
        EXPECT_EQ(saved[MeasurementSetupFields::kDirectionUnits], 0);
        EXPECT_EQ(saved[MeasurementSetupFields::kOutputFlags], 0x08);
        EXPECT_EQ(saved[MeasurementSetupFields::kWindFlags], 0xC0);
    }
}

TEST(SetupEditorAdvancedPagesTest, NewScaleKeepsTheStoredCounts)
{
    // Leaving the scale field shows the speeds in the new scale. Saved while
    // the field still has the focus, the speeds on the page are those of the
    // old scale: either way all three keep their counts.
    for (bool leave : {true, false}) {
        AdvancedSheet s(leave ? LogSetup(WindBlock(LogBlock("SCALE"))) : SsaSetup(WindBlock(SsaBlock("SCALE"))));
        QWidget* wind = s.Inner("Wind/Tach");
        Retype(wind, "windScale", "2");
        if (leave) {
            LoseFocus(Control(wind, "windScale"));
            EXPECT_EQ(Text(wind, "windyThreshold"), "20");
            EXPECT_EQ(Text(wind, "windExceedance"), "80");
            EXPECT_EQ(Text(wind, "windyHysteresis"), "6");
        }
        const std::vector<uint8_t> saved = s.Saved();
        EXPECT_EQ(saved[MeasurementSetupFields::kWindScale], 2) << leave;
        EXPECT_EQ(saved[MeasurementSetupFields::kWindyThreshold + 1], 10) << leave;
        EXPECT_EQ(saved[MeasurementSetupFields::kWindExceedanceLevel + 1], 40) << leave;
        EXPECT_EQ(saved[MeasurementSetupFields::kWindyHysteresis], 3) << leave;
    }
}

TEST(SetupEditorAdvancedPagesTest, OlderFormatGreysTheWholeWindPage)
{
    AdvancedSheet s(LogSetup(WindBlock(LogBlock("OLD")).Version(4)));
    QWidget* wind = s.Inner("Wind/Tach");
    for (const char* name : {"windTachEnable", "windyPause", "windScale", "windUnits", "windyThreshold",
                             "windExceedance", "windyHysteresis", "directionUnits", "pulseZero", "pulse25",
                             "pulseInt", "pulseExt"})
        EXPECT_FALSE(Control<QWidget>(wind, name)->isEnabled()) << name;
    // A current block with the input off greys everything but the enable box.
    AdvancedSheet off(LogSetup(LogBlock("OFF").Version(5)));
    wind = off.Inner("Wind/Tach");
    EXPECT_TRUE(Control<QWidget>(wind, "windTachEnable")->isEnabled());
    EXPECT_FALSE(Control<QWidget>(wind, "windScale")->isEnabled());
    Control<QCheckBox>(wind, "windTachEnable")->click();
    EXPECT_TRUE(Control<QWidget>(wind, "windScale")->isEnabled());
    EXPECT_EQ(BlockBytes(off.Block())[MeasurementSetupFields::kWindFlags], 0x40);
    // The older block's page takes a current block: its enable box works again.
    auto current = LogSetup(WindBlock(LogBlock("NEW")));
    s.sheet.sheet.ShowSetup(current.get());
    wind = s.Inner("Wind/Tach");
    EXPECT_TRUE(Control<QWidget>(wind, "windTachEnable")->isEnabled());
    EXPECT_TRUE(Control<QWidget>(wind, "windScale")->isEnabled());
}

TEST(SetupEditorAdvancedPagesTest, PulseVoltageChoiceLeavesThePulseSource)
{
    AdvancedSheet s(SsaSetup(WindBlock(SsaBlock("PULSE"))
                                 .Bit(MeasurementSetupFields::kOutputFlags, 2)
                                 .Bit(MeasurementSetupFields::kOutputFlags, 3)));
    QWidget* wind = s.Inner("Wind/Tach");
    EXPECT_TRUE(Radio(wind, "pulse25")->isChecked());
    EXPECT_TRUE(Radio(wind, "pulseExt")->isChecked());
    Radio(wind, "pulseZero")->click();
    EXPECT_EQ(s.Saved()[MeasurementSetupFields::kOutputFlags], 0x08);
}

TEST(SetupEditorAdvancedPagesTest, ReloadsKeepThePulseChoicesNotYetSaved)
{
    // A new scale and the enable box write at once and show the block anew;
    // the pulse choices, written only by Save, stay as picked.
    for (const char* change : {"windScale", "windTachEnable"}) {
        AdvancedSheet s(SsaSetup(WindBlock(SsaBlock("PULSE"))));
        QWidget* wind = s.Inner("Wind/Tach");
        Radio(wind, "pulse25")->click();
        Radio(wind, "pulseExt")->click();
        if (QString(change) == "windScale") {
            Retype(wind, "windScale", "2");
            LoseFocus(Control(wind, "windScale"));
        } else {
            Control<QCheckBox>(wind, change)->click();
            Control<QCheckBox>(wind, change)->click();
        }
        EXPECT_TRUE(Radio(wind, "pulse25")->isChecked()) << change;
        EXPECT_TRUE(Radio(wind, "pulseExt")->isChecked()) << change;
        EXPECT_EQ(s.Saved()[MeasurementSetupFields::kOutputFlags] & 0x0C, 0x0C) << change;
    }
}

TEST(SetupEditorAdvancedPagesTest, OnlyFieldsTheUserChangedAreCheckedOrWritten)
{
    ScriptedPrompter prompter;  // no message may come up
    // The wind/tach is off: its fields are greyed and hold what no check
    // would take; leaving them or the page, and saving, says nothing.
    AdvancedSheet s(LogSetup(WindBlock(LogBlock("GREY"))
                                 .Bit(MeasurementSetupFields::kWindFlags, 6, false)
                                 .Be16(MeasurementSetupFields::kWindyThreshold, 0x9000)));
    QWidget* wind = s.Inner("Wind/Tach");
    EXPECT_FALSE(Control(wind, "windyThreshold")->isEnabled());
    const std::vector<uint8_t> before = BlockBytes(s.Block());
    for (const char* field : {"windScale", "windyThreshold", "windExceedance", "windyHysteresis"})
        LoseFocus(Control(wind, field));
    s.sheet.sheet.setCurrentIndex(0);
    EXPECT_TRUE(s.sheet.sheet.SaveAll());
    EXPECT_EQ(BlockBytes(s.Block()), before);
    EXPECT_TRUE(prompter.Boxes().empty());
}

TEST(SetupEditorAdvancedPagesTest, APageThatRefusesAValueFailsSaveAllAndIsShown)
{
    AdvancedSheet s(LogSetup(WindBlock(LogBlock("BAD"))));
    QWidget* wind = s.Inner("Wind/Tach");
    Retype(wind, "windScale", "x");
    s.Inner("Report");
    s.sheet.sheet.setCurrentIndex(0);
    ScriptedPrompter prompter;
    prompter.Expect("Please enter a number.", platform::IDOK);
    EXPECT_FALSE(s.sheet.sheet.SaveAll());
    ASSERT_NE(s.sheet.sheet.RefusingPage(), nullptr);
    EXPECT_EQ(s.sheet.sheet.RefusingPage()->Caption(), "Advanced");
    EXPECT_EQ(s.sheet.ActiveTab(), "Advanced");
    EXPECT_EQ(s.page->NestedSheet()->currentWidget(), wind);

    // Taking the pages off runs no check and shows nothing.
    s.sheet.sheet.RemovePagesOf(s.setup.get());
    EXPECT_EQ(prompter.Boxes().size(), 1u);
}

TEST(SetupEditorAdvancedPagesTest, FieldsThatDoNotParseStopTheSave)
{
    struct Case {
        const char* field;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"windyThreshold", "12a", "Please enter an integer."},
        {"windExceedance", "40000", "Please enter an integer."},
        {"windyHysteresis", "", "Please enter an integer."},
        {"windScale", "x", "Please enter a number."},
    };
    for (const Case& c : cases) {
        AdvancedSheet s(LogSetup(WindBlock(LogBlock("BAD"))));
        QWidget* wind = s.Inner("Wind/Tach");
        Retype(wind, "windUnits", "KNOT");
        Retype(wind, c.field, c.text);
        const std::vector<uint8_t> before = BlockBytes(s.Block());
        ScriptedPrompter prompter;
        prompter.Expect(c.message, platform::IDOK);
        EXPECT_FALSE(s.page->UpdateData(true)) << c.field;
        prompter.Expect(c.message, platform::IDOK);
        EXPECT_EQ(s.Saved(), before) << c.field;
        EXPECT_EQ(prompter.Boxes().size(), 2u) << c.field;
    }
}

TEST(SetupEditorAdvancedPagesTest, ReportRowsOfLoggingAndSoundAnalyserSetups)
{
    AdvancedSheet log(LogSetup(LogBlock("LOGR")
                                   .Byte(MeasurementSetupFields::kPrintDataReport, 1)
                                   .Byte(MeasurementSetupFields::kPrintPeak2Histogram, 1)
                                   .Byte(MeasurementSetupFields::kIntervalReportChoice, 7)
                                   .Byte(MeasurementSetupFields::kExceedanceReportChoice, 2)
                                   .Byte(MeasurementSetupFields::kDailyReportChoice, 0)));
    QWidget* report = log.Inner("Report");
    EXPECT_TRUE(Control<QCheckBox>(report, "dataReport")->isChecked());
    EXPECT_TRUE(Control<QCheckBox>(report, "peak2Histogram")->isChecked());
    EXPECT_FALSE(Control<QCheckBox>(report, "peak1Histogram")->isChecked());
    // A stored choice of 3 or more reads as "Short".
    EXPECT_EQ(Control<QComboBox>(report, "intervalReport")->currentText(), "Short");
    EXPECT_TRUE(Control<QWidget>(report, "exceedanceReport")->isVisible());
    EXPECT_EQ(Control<QComboBox>(report, "exceedanceReport")->currentText(), "Long");
    EXPECT_EQ(Control<QComboBox>(report, "dailyReport")->currentText(), "No");

    Control<QCheckBox>(report, "dataReport")->click();
    Control<QCheckBox>(report, "timeHistory")->click();
    Control<QCheckBox>(report, "setupReport")->click();
    // A typed text that names no row keeps the stored choice; a row's name
    // picks it.
    Control<QComboBox>(report, "dailyReport")->setEditText("Weekly");
    Control<QComboBox>(report, "exceedanceReport")->setEditText("no");
    const std::vector<uint8_t> saved = log.Saved();
    EXPECT_EQ(saved[MeasurementSetupFields::kPrintDataReport], 0);
    EXPECT_EQ(saved[MeasurementSetupFields::kPrintSetup], 1);
    EXPECT_EQ(saved[MeasurementSetupFields::kPrintTimeHistory], 1);
    EXPECT_EQ(saved[MeasurementSetupFields::kPrintPeak2Histogram], 1);
    EXPECT_EQ(saved[MeasurementSetupFields::kPrintSplHistogram], 0);
    EXPECT_EQ(saved[MeasurementSetupFields::kIntervalReportChoice], 7);  // untouched: as stored
    EXPECT_EQ(saved[MeasurementSetupFields::kDailyReportChoice], 0);
    EXPECT_EQ(saved[MeasurementSetupFields::kExceedanceReportChoice], 0);

    AdvancedSheet ssa(SsaSetup(SsaBlock("SSAR")
                                   .Byte(MeasurementSetupFields::kExceedanceReportChoice, 2)
                                   .Byte(MeasurementSetupFields::kPrintPeak1Histogram, 1)));
    report = ssa.Inner("Report");
    EXPECT_FALSE(Control<QWidget>(report, "exceedanceReport")->isVisible());
    EXPECT_FALSE(Control<QWidget>(report, "dailyReport")->isVisible());
    EXPECT_TRUE(Control<QCheckBox>(report, "peak1Histogram")->isChecked());
    Control<QComboBox>(report, "intervalReport")->setCurrentIndex(2);
    const std::vector<uint8_t> ssaSaved = ssa.Saved();
    EXPECT_EQ(ssaSaved[MeasurementSetupFields::kIntervalReportChoice], 2);
    EXPECT_EQ(ssaSaved[MeasurementSetupFields::kPrintPeak1Histogram], 1);
    // The logging-only choice of an SSA block is left alone.
    EXPECT_EQ(ssaSaved[MeasurementSetupFields::kExceedanceReportChoice], 2);
}

TEST(SetupEditorAdvancedPagesTest, ControlsStoreHeaterAndCalibrationTone)
{
    for (int type : {5, 7}) {
        AdvancedSheet s(type == 7 ? LogSetup(LogBlock("CTL")
                                                 .Bit(MeasurementSetupFields::kOutputFlags, 1)
                                                 .Bit(MeasurementSetupFields::kOutputFlags, 3))
                                  : SsaSetup(SsaBlock("CTL")
                                                 .Bit(MeasurementSetupFields::kOutputFlags, 1)
                                                 .Bit(MeasurementSetupFields::kOutputFlags, 3)));
        QWidget* controls = s.Inner("Controls");
        EXPECT_TRUE(Control<QCheckBox>(controls, "heater")->isChecked());
        EXPECT_FALSE(Control<QCheckBox>(controls, "calTone")->isChecked());
        Control<QCheckBox>(controls, "heater")->click();
        Control<QCheckBox>(controls, "calTone")->click();
        EXPECT_EQ(s.Saved()[MeasurementSetupFields::kOutputFlags], 0x08 | 0x01) << type;
    }
}

TEST(SetupEditorAdvancedPagesTest, PagesNeverShownLeaveTheirFieldsAlone)
{
    AdvancedSheet s(LogSetup(WindBlock(LogBlock("UNSEEN"))
                                 .Bit(MeasurementSetupFields::kOutputFlags, 1)
                                 .Byte(MeasurementSetupFields::kIntervalReportChoice, 9)));
    const std::vector<uint8_t> before = BlockBytes(s.Block());
    // Only the wind/tach page has been in front; it stores what it shows.
    EXPECT_EQ(s.Saved(), before);
    EXPECT_FALSE(static_cast<SetupPage*>(s.page->NestedSheet()->widget(1))->HasWindow());
}

TEST(SetupEditorAdvancedPagesTest, SwitchingSetsRebuildsTheAdvancedPageForTheNewType)
{
    auto log = LogSetup(WindBlock(LogBlock("LOGW")));
    auto ssa = SsaSetup(WindBlock(SsaBlock("SSAW")).Be16(MeasurementSetupFields::kWindyThreshold, 7));
    AdvancedSheet s(LogSetup(WindBlock(LogBlock("FIRST"))));
    Retype(s.Inner("Wind/Tach"), "windyThreshold", "25");
    s.sheet.sheet.ShowSetup(ssa.get());
    // The logging setup got the page's edits before the page went.
    EXPECT_EQ(BlockBytes(s.Block())[MeasurementSetupFields::kWindyThreshold + 1], 25);
    auto* page = static_cast<PPAdvanced*>(s.sheet.Open(Id::Advanced));
    EXPECT_EQ(page->GetSetupType(), 5);
    EXPECT_EQ(Text(page->NestedSheet()->currentWidget(), "windyThreshold"), "7");
    s.sheet.sheet.ShowSetup(log.get());
    s.sheet.sheet.RemovePagesOf(log.get());
    EXPECT_EQ(s.sheet.sheet.GetPage(Id::Advanced), nullptr);
}

TEST(SetupEditorAdvancedPagesTest, MarkersPageShowsFiveEmptyNames)
{
    auto record = std::make_unique<SetupRec>();
    record->SetType(1);
    record->LoadSYSSetup(SetupBlockBuilder(226).Bytes().data(), 226);
    PropPageSysMarkers page;
    EXPECT_EQ(page.Caption(), "Markers");
    page.SetSetup(record.get());
    Retype(&page, "marker3", "Gate");
    page.CreatePageWindow();
    for (const char* name : {"marker1", "marker2", "marker3", "marker4", "marker5"})
        EXPECT_EQ(Text(&page, name), "") << name;
    EXPECT_EQ(Control<QLabel>(&page, "header")->text(), "J57 System Settings");
}
