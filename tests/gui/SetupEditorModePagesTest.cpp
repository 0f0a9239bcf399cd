// The single pages of the FFT analyser and the integrating sound level
// meter setups.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QRadioButton>

#include "PropPageIsm.h"
#include "SetupEditorTestSupport.h"

using namespace setupedittest;
using Id = PropSheetSetup::PageId;

namespace
{

// The FFT block's own fields; the data model keeps them inside FFTSetup.
constexpr size_t kFftBandwidth = 75;
constexpr size_t kFftAverageCount = 76;  // high byte first
constexpr size_t kFftWindow = 78;

}  // namespace

TEST(SetupEditorModePagesTest, FftPageReplacesOddValuesAndStoresTheSetterRules)
{
    auto fft = FftSetup(FftBlock("SPECTRUM")
                            .Title("Pump")
                            .Byte(MeasurementSetupFields::kGain, 8)
                            .Byte(kFftBandwidth, 4)
                            .Be16(kFftAverageCount, 0)
                            .Bit(MeasurementSetupFields::kStoreFlags, 6)
                            .Byte(kFftWindow, 2));
    fft->SetFileName("pump.fft");
    ShownSheet s;
    s.sheet.ShowSetup(fft.get());
    EXPECT_EQ(s.Tabs(), std::vector<std::string>{"FFT"});
    SetupPage* page = s.Page(Id::Fft);
    EXPECT_EQ(Text(page, "title"), "Pump");
    EXPECT_EQ(Control<QLabel>(page, "fileName")->text(), "(pump.fft)");
    EXPECT_EQ(Control<QComboBox>(page, "gain")->currentIndex(), -1);
    EXPECT_EQ(Control<QComboBox>(page, "bandwidth")->currentIndex(), 4);
    EXPECT_EQ(Text(page, "averageCount"), "30");
    EXPECT_TRUE(Control<QCheckBox>(page, "overloadSkipping")->isChecked());
    EXPECT_TRUE(Control<QRadioButton>(page, "window2")->isChecked());

    Retype(page, "title", QString(32, 't'));
    Control<QRadioButton>(page, "window1")->click();
    s.sheet.SaveAll();
    const std::vector<uint8_t> bytes = BlockBytes(fft->GetFFTSetup());
    EXPECT_EQ(std::string(bytes.begin() + 9, bytes.begin() + 39), std::string(30, 't'));
    EXPECT_EQ(bytes[39], 5);  // the mode byte after the title is untouched
    // The gain beyond the list and the fallback average count are kept as
    // stored: the user did not touch them.
    EXPECT_EQ(bytes[93], 8);
    EXPECT_EQ(bytes[75], 4);
    EXPECT_EQ(bytes[76], 0);
    EXPECT_EQ(bytes[77], 0);
    EXPECT_EQ(bytes[78], 1);
}

TEST(SetupEditorModePagesTest, FftPageKeepsAWindowCodeOutsideTheGroup)
{
    auto fft = FftSetup(FftBlock("ODD").Byte(kFftWindow, 7).Be16(kFftAverageCount, 1000));
    ShownSheet s;
    s.sheet.ShowSetup(fft.get());
    SetupPage* page = s.Page(Id::Fft);
    for (const char* name : {"window0", "window1", "window2"})
        EXPECT_FALSE(Control<QRadioButton>(page, name)->isChecked()) << name;
    EXPECT_EQ(Text(page, "averageCount"), "1000");
    s.sheet.SaveAll();
    EXPECT_EQ(BlockBytes(fft->GetFFTSetup())[78], 7);
}

TEST(SetupEditorModePagesTest, IsmPageDefaultsLoadAndHeader)
{
    PropPageIsm unbound;
    unbound.show();
    EXPECT_EQ(Text(&unbound, "threshold"), "80");
    EXPECT_EQ(Control<QComboBox>(&unbound, "detector")->currentIndex(), 0);
    EXPECT_EQ(Control<QComboBox>(&unbound, "exchangeRate")->currentIndex(), 0);

    auto ism = IsmSetup(IsmBlock("METER")
                            .Byte(MeasurementSetupFields::kExchangeRate, 4)
                            .Byte(MeasurementSetupFields::kThreshold, 65)
                            .Byte(MeasurementSetupFields::kFreqWeighting, 2)
                            .Byte(MeasurementSetupFields::kDetector, 9));
    ShownSheet s;
    s.sheet.ShowSetup(ism.get());
    SetupPage* page = s.Page(Id::Ism);
    EXPECT_EQ(Control<QLabel>(page, "header")->text(), "Integrating Sound Level Meter Settings");
    EXPECT_EQ(Text(page, "threshold"), "65");
    EXPECT_EQ(Control<QComboBox>(page, "exchangeRate")->currentIndex(), -1);
    EXPECT_EQ(Control<QComboBox>(page, "freqWeighting")->currentIndex(), 2);
    EXPECT_EQ(Control<QComboBox>(page, "detector")->currentIndex(), 0);
    s.sheet.RefreshHeaders();
    EXPECT_EQ(Control<QLabel>(page, "header")->text(), "Integrating Sound Level Meter - METER");

    Retype(page, "threshold", "70");
    s.sheet.SaveAll();
    const std::vector<uint8_t> bytes = BlockBytes(ism->GetISMSetup());
    EXPECT_EQ(bytes[74], 4);  // codes the lists do not show stay
    EXPECT_EQ(bytes[75], 70);
    EXPECT_EQ(bytes[86], 9);
    EXPECT_EQ(bytes[87], 2);
}
