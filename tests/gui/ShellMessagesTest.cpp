// The document's message texts and the Confirm File Replace dialog.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTimer>

#include "CSetupMessages.h"
#include "ReplaceFileDialog.h"
#include "ScriptedPrompter.h"

namespace {

using Msg = CSetupMessages::Msg;

struct TextCase {
    const char* name;
    Msg msg;
    std::vector<CSetupMessages::Arg> args;
    std::string text;
};

void PrintTo(const TextCase& c, std::ostream* os)
{
    *os << c.name;
}

class MessageTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(MessageTexts, AreBuiltFromTheirPieces)
{
    EXPECT_EQ(CSetupMessages::Text(GetParam().msg, GetParam().args), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MessageTexts,
    ::testing::Values(
        TextCase{"PermanentCannotRename", Msg::PermanentCannotRename, {"FACTORY"},
                 "The setup FACTORY\nis a permanent setup and cannot be renamed.\nYou can save the permanent setup "
                 "using a \ndifferent setup name by storing the setup\nto the J57."},
        TextCase{"NameStored", Msg::NameStored, {"NIGHT"},
                 "A setup by the name of  NIGHT\nis already stored in the J57.\nPlease enter a different name \n"
                 "that is not in use."},
        TextCase{"NameInList", Msg::NameInList, {"OLD", "NEW"},
                 "The setup OLD\ncannot be renamed to NEW\nas a setup by the name of NEW\nalready exists in the "
                 "setup listbox.\nPlease enter a different name \nthat is not in use."},
        TextCase{"RenameFailed", Msg::RenameFailed, {"OLD", "NEW", "Rename Error"},
                 "The setup  OLD\n\ncould not be renamed to NEW\n\nThe J57 message was \n\nRename Error"},
        TextCase{"PermanentCannotChangeShowsTheNewName", Msg::PermanentCannotChange, {"OLD", "NEW"},
                 "The setup NEW\nis a permanent setup and\ncannot be changed.\nPlease enter a different name\n"
                 "that is not in use."},
        TextCase{"NameUsed", Msg::NameUsed, {"DAY"},
                 "The setup name DAY\nis being used by another setup.\nPlease enter a different name \nor first "
                 "delete the setup\nDAY\nfrom the J57."},
        TextCase{"ReplaceQuestion", Msg::ReplaceQuestion, {"OLD", "NEW"},
                 "The setup name NEW\nalready exists on the J57.\nWould you like to replace it?"},
        TextCase{"PermanentCannotUnlock", Msg::PermanentCannotUnlock, {"FACTORY"},
                 "The setup FACTORY\nis a permanent setup and\ncan'tbe unlocked."},
        TextCase{"MakeCurrent", Msg::MakeCurrent, {"NIGHT", "Not found"},
                 "The J57 returned the following\nmessage while making the setup\nNIGHT active:\n\nNot found"},
        TextCase{"RecallErrorDropsTheBell", Msg::RecallError, {"\aBusy"},
                 "There was an error making the\nmeasurement active before downloading.\n\nThe J57 message was:\n"
                 "Busy"},
        TextCase{"DeleteQuestion", Msg::DeleteQuestion, {"NIGHT"},
                 "Deleting the setup\nNIGHT\nwill cause it to be removed from the J57.\n\nDo you want to remove the "
                 "setup\nNIGHT\nfrom the J57?"},
        TextCase{"LockedRenameQuestion", Msg::LockedRenameQuestion, {"OLD", "NEW"},
                 "The setup OLD\nexists in the J57\nand is locked.\nWould you like to rename\nthis locked setup to\n"
                 "NEW?"},
        TextCase{"NoMeasurements", Msg::NoMeasurements, {}, "The J57 does not contain any\nmeasurement files."},
        TextCase{"DefaultFileVersion", Msg::DefaultFileVersion, {2, 1, "/start/default.rta"},
                 " The file \n /start/default.rta\n which is used to create a new\n setup contains data that is NOT\n"
                 " compatible with this software.\n\n The file \n /start/default.rta\n contains setup version 1 "
                 "data.\n This software supports setup\n version 2 or greater.\n\n For instructions on creating\n"
                 " a new default setup file\n see help, or documentation."},
        TextCase{"FileVersion", Msg::FileVersion, {2, 1, "/x/a.rta"},
                 " The file \n /x/a.rta\n setup contains data that is NOT\n compatible with this software.\n\n The "
                 "file \n /x/a.rta\n contains setup version 1 data.\n This software supports setup\n version 2 .\n\n "
                 "The file cannot be opened.\n"},
        TextCase{"CannotCreate", Msg::CannotCreate, {"/x/a.slmdl"},
                 "The file\n\n/x/a.slmdl\n\ncould not be opened or created."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MessageBoxes, QuestionsAnswerAndCarryTheirIcon)
{
    testsupport::ScriptedPrompter prompter;
    CSetupMessages messages;
    prompter.Expect(platform::IDYES).Expect(platform::IDNO);
    EXPECT_TRUE(messages.AskReplace("OLD", "NEW"));
    EXPECT_FALSE(messages.AskReplace("OLD", "NEW"));
    EXPECT_EQ(prompter.Boxes()[0].buttons, platform::Buttons::YesNo);
    EXPECT_EQ(prompter.Boxes()[0].icon, platform::Icon::Question);

    prompter.Expect(platform::IDOK);
    messages.Show(Msg::InstrumentRunning);
    EXPECT_EQ(prompter.Boxes()[2].icon, platform::Icon::Warning);
}

TEST(MessageTexts, CodesBellsSizesAndTimes)
{
    EXPECT_EQ(CSetupMessages::GetCodeText(-202), "instrument firmware too old");
    EXPECT_EQ(CSetupMessages::GetCodeText(-1), "Couldn't open port");
    EXPECT_EQ(CSetupMessages::GetCodeText(-999), "");
    EXPECT_EQ(CSetupMessages::StripBell("\aNo such setup"), "No such setup");
    EXPECT_EQ(CSetupMessages::StripBell("No\a"), "No\a");
    EXPECT_EQ(CSetupMessages::SizeText(1536), "1.5 KB");
    EXPECT_EQ(CSetupMessages::SizeText(0), "0.0 KB");

    std::tm tm{};
    tm.tm_year = 103;
    tm.tm_mon = 6;
    tm.tm_mday = 15;
    tm.tm_hour = 13;
    tm.tm_min = 5;
    tm.tm_sec = 9;
    tm.tm_isdst = -1;
    EXPECT_EQ(CSetupMessages::TimeText(std::mktime(&tm)), "Tuesday, July 15, 2003, 01:05:09 PM");
    tm.tm_hour = 0;
    EXPECT_EQ(CSetupMessages::TimeText(std::mktime(&tm)), "Tuesday, July 15, 2003, 12:05:09 AM");
}

TEST(ReplaceFile, TextsAndYesToAllOnlyForSeveralFiles)
{
    ReplaceFileDialog dialog(nullptr);
    dialog.SetFile(1, "/data/site/J57 north.slmdl", "1.5 KB", "Tuesday, July 15, 2003, 01:05:09 PM");
    EXPECT_EQ(dialog.FileText().toStdString(), "This folder already contains a file called 'J57 north.slmdl'.");
    EXPECT_EQ(dialog.SizeText().toStdString(), "1.5 KB");
    EXPECT_EQ(dialog.TimeText().toStdString(), "Modified on Tuesday, July 15, 2003, 01:05:09 PM");
    EXPECT_FALSE(dialog.findChild<QPushButton*>("yesToAllButton")->isEnabled());
    dialog.SetFile(3, "/data/a.slmdl", "", "");
    EXPECT_TRUE(dialog.findChild<QPushButton*>("yesToAllButton")->isEnabled());

    QTimer::singleShot(0, [&dialog] { dialog.findChild<QPushButton*>("noButton")->click(); });
    EXPECT_EQ(dialog.Ask(), ReplaceFileDialog::No);
    QTimer::singleShot(0, [&dialog] { dialog.reject(); });
    EXPECT_EQ(dialog.Ask(), ReplaceFileDialog::Cancel);
}

}  // namespace
