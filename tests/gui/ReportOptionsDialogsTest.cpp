// The histogram and RT60 option dialogs, run from the main frame's commands
// and driven by keystrokes; what they leave in the profile.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>

#include "CommandIds.h"
#include "FilteredEdit.h"
#include "HistogramOptionsDialog.h"
#include "RT60OptionsDialog.h"
#include "RangeEdit.h"
#include "ReportViewTestSupport.h"
#include "ShellTestSupport.h"

namespace {

class OptionsDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetTranslatorVersionQuery([] { return 323; });
        FilteredEdit::SetBeepHook([this] { ++beeps; });
        ASSERT_TRUE(f.Start());
    }
    void TearDown() override { FilteredEdit::SetBeepHook({}); }

    // Runs the command; drive gets the dialog once it is shown.
    void Run(int command, std::function<void(QDialog*)> drive)
    {
        bool driven = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            driven = true;
            drive(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        f.Frame().OnCommand(command);
        EXPECT_TRUE(driven);
    }
    static void Type(QLineEdit* edit, const char* text)
    {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    static void ClickOk(QDialog* dialog)
    {
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    }
    int Histogram(const char* key) { return f.profile.GetProfileInt("Histogram Options", key, -1); }

    shelltest::ShellFixture f;
    int beeps = 0;
};

TEST_F(OptionsDialogs, HistogramResolutionKeepsEvenSteps)
{
    f.profile.WriteProfileInt("Histogram Options", "SplHighLimit", 93);
    f.profile.WriteProfileInt("Histogram Options", "PeakRes", 7);  // not in the list
    Run(cmd::HistogramOptions, [](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Histogram Report Options");
        auto* spl = d->findChild<QComboBox*>("SPLRes");
        EXPECT_EQ(spl->currentText(), "1 dB");
        EXPECT_EQ(d->findChild<QComboBox*>("PeakRes")->currentText(), "1 dB");
        EXPECT_EQ(d->findChild<RangeEdit*>("SplHighLimit")->text(), "93");
        QTest::keyClick(spl, Qt::Key_Down);  // 2 dB: 48 dB is 24 steps
        EXPECT_EQ(d->findChild<RangeEdit*>("SplHighLimit")->text(), "93");
        QTest::keyClick(spl, Qt::Key_Down);  // 5 dB
        EXPECT_EQ(spl->currentText(), "5 dB");
        EXPECT_EQ(d->findChild<RangeEdit*>("SplHighLimit")->text(), "90");
        ClickOk(d);
    });
    EXPECT_EQ(Histogram("SPLRes"), 50);
    EXPECT_EQ(Histogram("SplLowLimit"), 45);
    EXPECT_EQ(Histogram("SplHighLimit"), 90);
    EXPECT_EQ(Histogram("PeakRes"), 1);
    EXPECT_EQ(Histogram("LnTblRes"), 10);
    EXPECT_EQ(Histogram("LnTblHighLimit"), 95);
}

TEST_F(OptionsDialogs, HistogramLimitsAreExchangedAndKeptInRange)
{
    Run(cmd::HistogramOptions, [this](QDialog* d) {
        Type(d->findChild<RangeEdit*>("UwPkHighLimit"), "256");
        EXPECT_EQ(d->findChild<RangeEdit*>("UwPkHighLimit")->text(), "25") << "a digit past 255 is refused";
        EXPECT_EQ(beeps, 1);
        QTest::keyClicks(d->findChild<RangeEdit*>("UwPkHighLimit"), "0");
        Type(d->findChild<RangeEdit*>("PeakLowLimit"), "100");
        Type(d->findChild<RangeEdit*>("PeakHighLimit"), "50");
        // Return ends the edit, which puts the pair in order, and presses OK.
        QTest::keyClick(d->findChild<RangeEdit*>("PeakHighLimit"), Qt::Key_Return);
    });
    EXPECT_EQ(Histogram("PeakLowLimit"), 50);
    EXPECT_EQ(Histogram("PeakHighLimit"), 100);
    EXPECT_EQ(Histogram("UwPkHighLimit"), 250);
}

TEST_F(OptionsDialogs, HistogramOkRefusesAnEmptyLimit)
{
    f.prompter.Expect(platform::IDOK);
    Run(cmd::HistogramOptions, [this](QDialog* d) {
        auto* low = d->findChild<RangeEdit*>("LnTblLowLimit");
        low->selectAll();
        QTest::keyClick(low, Qt::Key_Backspace);
        ClickOk(d);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(f.prompter.LastText(), "Please enter an integer.");
    });
    EXPECT_EQ(Histogram("SPLRes"), -1) << "Cancel writes nothing";
}

TEST_F(OptionsDialogs, KeepEvenStepsCases)
{
    struct Case {
        int low, high;
        float resolution;
        int wantLow, wantHigh;
    } cases[] = {
        {45, 93, 5.0f, 45, 90}, {70, 120, 2.0f, 70, 120}, {100, 50, 1.0f, 50, 100}, {45, 93, 0.5f, 45, 93},
        {45, 99, 10.0f, 45, 95},
    };
    for (const Case& c : cases) {
        int low = c.low, high = c.high;
        HistogramOptionsDialog::KeepEvenSteps(low, high, c.resolution);
        EXPECT_EQ(low, c.wantLow) << c.low << " " << c.high << " " << c.resolution;
        EXPECT_EQ(high, c.wantHigh) << c.low << " " << c.high << " " << c.resolution;
    }
}

TEST_F(OptionsDialogs, Rt60OctaveDataTakesTheLastOctaveForAThirdOctaveEnd)
{
    f.Frame().SetRt60BandFlag(0);
    Run(cmd::Rt60Options, [](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Select RT60 dB down value.");
        auto* end = d->findChild<QComboBox*>("EndFreq");
        ASSERT_EQ(end->count(), 11);
        EXPECT_EQ(end->itemText(0), "16.0 Hz");
        EXPECT_EQ(end->currentText(), "16000 Hz");
        auto* dbDown = d->findChild<QComboBox*>("dBDown");
        EXPECT_EQ(dbDown->currentText(), "10");
        QTest::keyClick(dbDown, Qt::Key_Down);
        QTest::keyClick(dbDown, Qt::Key_Down);
        QTest::keyClick(end, Qt::Key_Up);
        ClickOk(d);
    });
    EXPECT_EQ(f.profile.GetProfileString("RT60Settings", "dBDown", ""), "20");
    EXPECT_EQ(f.profile.GetProfileInt("RT60Settings", "StartFreq", -1), 0);
    EXPECT_EQ(f.profile.GetProfileInt("RT60Settings", "EndFreq", -1), 9);
}

TEST_F(OptionsDialogs, Rt60UnlistedDbDownGoesBackUnchanged)
{
    f.Frame().SetRt60BandFlag(1);
    f.profile.WriteProfileString("RT60Settings", "dBDown", "12");
    Run(cmd::Rt60Options, [](QDialog* d) {
        EXPECT_EQ(d->findChild<QComboBox*>("dBDown")->currentIndex(), -1);
        auto* start = d->findChild<QComboBox*>("StartFreq");
        ASSERT_EQ(start->count(), 33);
        EXPECT_EQ(start->itemText(32), "20000 Hz");
        EXPECT_EQ(d->findChild<QComboBox*>("EndFreq")->currentText(), "20000 Hz");
        QTest::keyClick(start, Qt::Key_Down);
        ClickOk(d);
    });
    EXPECT_EQ(f.profile.GetProfileString("RT60Settings", "dBDown", ""), "12");
    EXPECT_EQ(f.profile.GetProfileInt("RT60Settings", "StartFreq", -1), 1);
    EXPECT_EQ(f.profile.GetProfileInt("RT60Settings", "EndFreq", -1), 32);

    Run(cmd::Rt60Options, [](QDialog* d) { d->findChild<QComboBox*>("dBDown")->setCurrentIndex(0); });
    EXPECT_EQ(f.profile.GetProfileString("RT60Settings", "dBDown", ""), "12") << "Cancel writes nothing";
}

TEST_F(OptionsDialogs, Rt60DataShownInTheReportViewSetsTheBandsOfTheOptions)
{
    // An RTA measurement of octave data (kind 70, bandwidth flag clear) with
    // one event (kind 1).
    reporttest::ScriptedTranslation translation;
    translation.Add(reporttest::SystemRecord()).Add(reporttest::OutputRecordBuilder(70))
        .Add(reporttest::OutputRecordBuilder(1));
    CDataReport::SetTranslator(&translation);
    const std::string file = ::testing::TempDir() + "rt60-options.slmdl";
    std::ofstream(file) << "x";
    EXPECT_EQ(f.Frame().GetRt60BandFlag(), -1);
    f.Doc().OnTranslateView();
    ASSERT_NE(f.Doc().GetReportView(), nullptr);
    const ViewHint hint{file, "1 RT60 Analyses"};
    f.Doc().GetReportView()->OnUpdate(f.Doc().GetReportView(), &hint);
    EXPECT_EQ(f.Doc().GetReportView()->GetReportType(), 33);
    EXPECT_EQ(f.Frame().GetRt60BandFlag(), 0);

    int bands = 0;
    Run(cmd::Rt60Options, [&bands](QDialog* d) { bands = d->findChild<QComboBox*>("EndFreq")->count(); });
    EXPECT_EQ(bands, 11);
    f.Frame().SwitchView(CMainFrame::kSetupView);
    shelltest::RunDeferredDeletes();
    CDataReport::SetTranslator(nullptr);
    std::remove(file.c_str());
}

}  // namespace
