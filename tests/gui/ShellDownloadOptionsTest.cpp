// The download options dialog: its switches, the per-mode report lists and
// what the profile keeps of them.
#include <gtest/gtest.h>

#include <functional>

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "DownloadOptionsDialog.h"
#include "ShellTestSupport.h"

namespace {

class DownloadOptionsTest : public ::testing::Test {
protected:
    DownloadOptionsTest() { platform::SetAppProfile(&profile); }
    ~DownloadOptionsTest() override { platform::SetAppProfile(nullptr); }

    // Shows the dialog for type, runs act on it while it is open, and
    // returns the dialog's result.
    int Run(DownloadOptionsDialog& dialog, int type, std::function<void(DownloadOptionsDialog&)> act)
    {
        dialog.SetMeasurementType(type);
        QTimer::singleShot(0, [&dialog, act] {
            act(dialog);
            if (dialog.isVisible())
                dialog.reject();
        });
        return dialog.exec();
    }
    template <class T>
    static T* Child(DownloadOptionsDialog& dialog, const char* name)
    {
        return dialog.findChild<T*>(name);
    }
    static QListWidget* List(DownloadOptionsDialog& dialog) { return Child<QListWidget>(dialog, "reportList"); }
    static void Ok(DownloadOptionsDialog& dialog) { Child<QPushButton>(dialog, "okButton")->click(); }

    platform::MemoryProfile profile;
    testsupport::ScriptedPrompter prompter;
};

TEST_F(DownloadOptionsTest, FirstRunAndWhatTheSwitchesEnable)
{
    DownloadOptionsDialog dialog;
    Run(dialog, 7, [](DownloadOptionsDialog& d) {
        EXPECT_TRUE(Child<QCheckBox>(d, "saveBinary")->isChecked());
        EXPECT_TRUE(Child<QCheckBox>(d, "launch")->isChecked());
        EXPECT_TRUE(Child<QRadioButton>(d, "spreadsheet")->isChecked());
        EXPECT_FALSE(Child<QRadioButton>(d, "text")->isChecked());
        QListWidget* list = List(d);
        ASSERT_EQ(list->count(), 11);
        EXPECT_EQ(list->item(0)->text().toStdString(), "Settings");
        EXPECT_EQ(list->item(10)->text().toStdString(), "Intervals");
        for (int i = 0; i < list->count(); ++i)
            EXPECT_EQ(list->item(i)->checkState(), Qt::Unchecked);

        Child<QRadioButton>(d, "text")->click();
        EXPECT_FALSE(Child<QRadioButton>(d, "spreadsheet")->isChecked());
        Child<QCheckBox>(d, "launch")->click();
        EXPECT_FALSE(list->isEnabled());
        EXPECT_FALSE(Child<QRadioButton>(d, "text")->isEnabled());
        EXPECT_TRUE(Child<QPushButton>(d, "okButton")->isEnabled());
        Child<QCheckBox>(d, "saveBinary")->click();
        EXPECT_FALSE(Child<QPushButton>(d, "okButton")->isEnabled());
    });
    // Cancel keeps nothing.
    EXPECT_EQ(profile.GetProfileInt("Download", "Text", -1), -1);
}

TEST_F(DownloadOptionsTest, ChoicesComeOutInTableOrderAndAreKeptPerMode)
{
    DownloadOptionsDialog dialog;
    const int result = Run(dialog, 10, [](DownloadOptionsDialog& d) {
        QListWidget* list = List(d);
        ASSERT_EQ(list->count(), 6);
        list->item(5)->setCheckState(Qt::Checked);  // Snapshots 29
        list->item(0)->setCheckState(Qt::Checked);  // Settings 28
        list->item(4)->setCheckState(Qt::Checked);  // Events 30
        Child<QRadioButton>(d, "text")->click();
        Ok(d);
    });
    ASSERT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dialog.GetReports(), (std::vector<uint16_t>{28, 30, 29}));
    EXPECT_EQ(dialog.GetSpreadsheet(), 0);
    EXPECT_EQ(profile.GetProfileInt("TranslateOptionsRTA", "Snapshots", 0), 1);
    EXPECT_EQ(profile.GetProfileInt("TranslateOptionsRTA", "Summary", 1), 0);
    EXPECT_EQ(profile.GetProfileInt("Download", "Text", 0), 1);
    EXPECT_EQ(profile.GetProfileInt("Download", "Spreadsheet", 1), 0);

    // They come back for RTA and touch no other mode.
    DownloadOptionsDialog again;
    Run(again, 10, [](DownloadOptionsDialog& d) {
        EXPECT_EQ(List(d)->item(5)->checkState(), Qt::Checked);
        EXPECT_EQ(List(d)->item(1)->checkState(), Qt::Unchecked);
        EXPECT_TRUE(Child<QRadioButton>(d, "text")->isChecked());
    });
    DownloadOptionsDialog log;
    Run(log, 7, [](DownloadOptionsDialog& d) {
        for (int i = 0; i < List(d)->count(); ++i)
            EXPECT_EQ(List(d)->item(i)->checkState(), Qt::Unchecked);
        Child<QPushButton>(d, "selectAll")->click();
        Ok(d);
    });
    EXPECT_EQ(log.GetReports(), (std::vector<uint16_t>{3, 2, 11, 1, 6, 14, 8, 9, 17, 16, 7}));
}

TEST_F(DownloadOptionsTest, NotSavingTheDataAsksFirst)
{
    const char* warning = "If you proceed, the binary data from the instrument will not be saved";
    DownloadOptionsDialog dialog;
    // No to the warning keeps the dialog open; Yes, then Yes to "Quit?"
    // with no report checked cancels.
    prompter.Expect(warning, platform::IDNO);
    prompter.Expect(warning, platform::IDYES);
    prompter.Expect("No reports selected and not saving Binary. Quit?", platform::IDYES);
    const int result = Run(dialog, 5, [](DownloadOptionsDialog& d) {
        Child<QCheckBox>(d, "saveBinary")->click();
        Ok(d);
        EXPECT_TRUE(d.isVisible());
        Ok(d);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(prompter.Pending(), 0u);
    EXPECT_EQ(profile.GetProfileInt("Download", "SaveBinary", -1), -1);

    // With a report checked the warning is the only question.
    DownloadOptionsDialog withReport;
    prompter.Expect(warning, platform::IDYES);
    const int second = Run(withReport, 5, [](DownloadOptionsDialog& d) {
        Child<QCheckBox>(d, "saveBinary")->click();
        List(d)->item(8)->setCheckState(Qt::Checked);
        Ok(d);
    });
    EXPECT_EQ(second, QDialog::Accepted);
    EXPECT_EQ(withReport.GetReports(), (std::vector<uint16_t>{18}));
    EXPECT_EQ(profile.GetProfileInt("Download", "SaveBinary", -1), 0);
}

TEST_F(DownloadOptionsTest, TypesWithoutReportsHaveAnEmptyList)
{
    DownloadOptionsDialog dialog;
    const int result = Run(dialog, 12, [](DownloadOptionsDialog& d) {
        EXPECT_EQ(List(d)->count(), 0);
        Ok(d);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(dialog.GetReports().empty());
}

}  // namespace
