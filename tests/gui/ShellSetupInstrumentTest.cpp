// The document's setup commands with the instrument, against the simulated
// J57: get setups, store, rename, make current, lock, unlock, delete.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

#include "CSdiView.h"
#include "CharClassEdit.h"
#include "CommandIds.h"
#include "MeasurementSetupFields.h"
#include "SetupBlockBuilder.h"
#include "SetupExistsDialog.h"
#include "SetupListCtrl.h"
#include "SetupNameDialog.h"
#include "ShellSetupSimSupport.h"

namespace {

using testsupport::SetupBlockBuilder;

std::string Block513(const std::vector<uint8_t>& block)
{
    std::string bytes(block.begin(), block.end());
    bytes.resize(513, '\0');
    return bytes;
}

std::vector<uint8_t> LogBlock(const std::string& name)
{
    return SetupBlockBuilder(219).Version(3).Name(name).Mode(2).Pattern(41, 219, 3).Bytes();
}

sim::SimSetup Entry(const std::string& name, const std::vector<uint8_t>& block, char p = ' ', char r = ' ',
                    char a = ' ')
{
    sim::SimSetup s;
    s.name = name;
    s.protect = p;
    s.lock = r;
    s.active = a;
    s.block = Block513(block);
    return s;
}

class SetupInstrumentTest : public ::testing::Test, protected shelltest::SimShell {
protected:
    void SetUp() override
    {
        j57.revision = "3.70";
        setups.setups = {
            Entry("DEFAULT.RTA", SetupBlockBuilder(216).Version(5).Name("DEFAULT").Mode(4).Bytes(), 'P', ' ', 'A'),
            Entry("LOCKED.LOG", LogBlock("LOCKED"), ' ', 'R'),
            Entry("PLAIN.SSA", SetupBlockBuilder(219).Version(5).Name("PLAIN").Mode(0).Bytes()),
            Entry("ENVIRO.ENV", SetupBlockBuilder(219).Version(5).Name("ENVIRO").Mode(3).Bytes()),
        };
        ActiveSetupFollowsDirectory();
        ASSERT_TRUE(f.Start());
        ASSERT_EQ(f.Doc().ConnectInstrument(1, 9600), 0);
    }

    SetupListCtrl& List() { return *f.Doc().GetSdiView()->GetSetupList(); }
    int RowOf(const std::string& name)
    {
        for (int i = 0; i < List().GetCount(); ++i)
            if (List().GetSetupText(i).toStdString() == name)
                return i;
        return -1;
    }
    void Select(const std::string& name)
    {
        const int row = RowOf(name);
        ASSERT_GE(row, 0) << name;
        f.Doc().GetSdiView()->SelectSetup(row);
    }
    SetupRec* Record(const std::string& name) { return List().GetSetupAt(RowOf(name)); }

    // The name dialog of the next command gets this name and OK; a dialog
    // still open afterwards is cancelled.
    void NameDialog(const std::string& name)
    {
        QTimer::singleShot(0, [name] {
            auto* dialog = qobject_cast<SetupNameDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->NameEdit()->setText(QString::fromStdString(name));
            dialog->accept();
            if (dialog->isVisible())
                dialog->reject();
        });
    }

    // Every Setup Exists question is answered with that button; the count.
    // A question is answered only after it has been up longer than the
    // frame's idle update interval, so the frame refreshes its commands from
    // the selected setup while the question is asked, as it does while a
    // person reads it.
    int AnswerExists(const char* button)
    {
        int asked = 0;
        QTimer timer;
        QWidget* shown = nullptr;
        QElapsedTimer up;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<SetupExistsDialog*>(QApplication::activeModalWidget());
            if (dialog != shown) {
                shown = dialog;
                up.start();
                return;
            }
            if (dialog && up.elapsed() >= 400) {
                shown = nullptr;
                ++asked;
                dialog->findChild<QPushButton*>(button)->click();
            }
        });
        timer.start(5);
        f.Frame().OnCommand(cmd::GetSetups);
        return asked;
    }

};

TEST_F(SetupInstrumentTest, GetSetupsListsFlagsAndTheCurrentSetup)
{
    EXPECT_EQ(AnswerExists("yesButton"), 0);  // the system setup is replaced silently
    ASSERT_EQ(List().GetCount(), 4);          // ENV is not a setup the program edits
    EXPECT_EQ(List().GetSetupText(0), "System");
    EXPECT_EQ(List().GetSetupImage(0), 6);
    EXPECT_EQ(List().GetSetupImage(RowOf("DEFAULT")), 5);  // protected, and current
    EXPECT_EQ(Record("DEFAULT")->GetProtectFlag(), 1);
    EXPECT_EQ(Record("DEFAULT")->GetAFlag(), 1);
    EXPECT_TRUE(Record("DEFAULT")->IsCurrent());
    EXPECT_EQ(List().GetSetupImage(RowOf("LOCKED")), 2);
    EXPECT_EQ(List().GetSetupImage(RowOf("PLAIN")), 0);
    EXPECT_EQ(List().GetSetupType(RowOf("PLAIN")), 5);
    EXPECT_EQ(f.Doc().GetSdiView()->GetSelectedIndex(), 0);

    // Again: one "Yes to All" replaces every duplicate.
    EXPECT_EQ(AnswerExists("yesToAllButton"), 1);
    EXPECT_EQ(List().GetCount(), 4);
    EXPECT_EQ(f.Doc().GetSetupList().GetCount(), 4);
}

TEST_F(SetupInstrumentTest, SaveToJ57StoresUnderANewNameOrRefuses)
{
    auto file = std::make_unique<SetupRec>();
    file->SetType(7);
    file->SetOrigin(5);
    file->LoadLOGSetup(LogBlock("FROMFILE").data(), 219);
    SetupRec* record = file.get();
    f.Doc().GetSetupList().AddTail(std::move(file));
    f.Doc().RebuildSetupView();

    // A permanent setup of that name: refused, nothing stored.
    setups.setups.push_back(Entry("PERM.LOG", LogBlock("PERM"), 'P'));
    Select("FROMFILE");
    f.prompter.Expect("is a permanent setup and\ncannot be changed.", platform::IDOK);
    NameDialog("PERM");
    f.Frame().OnCommand(cmd::SaveSetupToJ57);
    EXPECT_FALSE(Sent("&I5,"));

    Select("FROMFILE");
    NameDialog("NEWLOG");
    f.Frame().OnCommand(cmd::SaveSetupToJ57);
    EXPECT_TRUE(Sent("&I5,NEWLOG  .LOG"));
    EXPECT_GE(setups.receiver.packets.size(), 10u);  // 513 bytes in packets of 56
    const sim::SimSetup* stored = setups.Find("NEWLOG.LOG");
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->block[0], 5);
    EXPECT_EQ(stored->block.substr(1, 8), "NEWLOG  ");
    EXPECT_EQ(record->GetName(), "NEWLOG");
    EXPECT_EQ(record->GetOrigin(), 7);
    EXPECT_EQ(List().GetSetupImage(RowOf("NEWLOG")), 0);
    EXPECT_EQ(f.prompter.Pending(), 0u);
}

TEST_F(SetupInstrumentTest, StoringALockedSetupUnderItsOwnNameAsksFirst)
{
    AnswerExists("yesButton");
    Select("LOCKED");
    f.prompter.Expect("Would you like to overwrite\nthe locked setup?", platform::IDNO);
    NameDialog("LOCKED");
    f.Frame().OnCommand(cmd::SaveSetupToJ57);
    EXPECT_FALSE(Sent("&I5,"));

    Select("LOCKED");
    f.prompter.Expect("Would you like to overwrite\nthe locked setup?", platform::IDYES);
    NameDialog("LOCKED");
    f.Frame().OnCommand(cmd::SaveSetupToJ57);
    EXPECT_TRUE(Sent("&I5,LOCKED  .LOG"));
    EXPECT_EQ(setups.Find("LOCKED.LOG")->block[40] & 0x80, 0x80);  // sent with its lock flag
    EXPECT_EQ(f.prompter.Pending(), 0u);
}

TEST_F(SetupInstrumentTest, UploadRulesChangeTheSentCopyOnly)
{
    struct Case {
        const char* revision;
        std::vector<uint8_t> block;
        int type;
        const char* name;
        std::function<void(const std::string&)> check;
        bool outOfDate;
    } cases[] = {
        {"3.0",
         SetupBlockBuilder(219).Version(5).Name("FFTA").Mode(5).Byte(78, 1).Byte(MeasurementSetupFields::kStoreFlags, 0x01)
             .Bytes(),
         9, "FFTA.FFT",
         [](const std::string& b) {
             EXPECT_EQ(b[0], 3);
             EXPECT_EQ(static_cast<uint8_t>(b[47]), 0x81);
         },
         false},
        {"2.01",
         SetupBlockBuilder(219).Version(3).Name("LOGA").Mode(2).Byte(MeasurementSetupFields::kThLiveA, 1)
             .Byte(MeasurementSetupFields::kThLevelC, 2).Byte(MeasurementSetupFields::kThLevelF, 3).Bytes(),
         7, "LOGA.LOG",
         [](const std::string& b) {
             EXPECT_EQ(b[0], 2);
             EXPECT_EQ(b[183], 2);
             EXPECT_EQ(b[184], 3);
         },
         true},
        {"3.2", SetupBlockBuilder(216).Version(5).Name("RTAA").Mode(4).Byte(130, 5).Bytes(), 10, "RTAA.RTA",
         [](const std::string& b) {
             EXPECT_EQ(b[0], 4);
             EXPECT_EQ(b[130], 5);  // version 4 keeps the longer list
         },
         false},
    };
    for (Case& c : cases) {
        j57.revision = c.revision;
        ASSERT_EQ(f.Doc().ConnectInstrument(1, 9600), 0);
        auto file = std::make_unique<SetupRec>();
        file->SetType(c.type);
        file->SetOrigin(5);
        if (c.type == 9)
            file->LoadFFTSetup(c.block.data(), 219);
        else if (c.type == 7)
            file->LoadLOGSetup(c.block.data(), 219);
        else
            file->LoadRTASetup(c.block.data(), 216);
        SetupRec* record = file.get();
        const std::vector<uint8_t> before = record->GetType() == 9   ? record->GetFFTSetup()->FileBytes()
                                            : record->GetType() == 7 ? record->GetLOGSetup()->FileBytes()
                                                                     : record->GetRTASetup()->FileBytes();
        for (int round = 0; round < 2; ++round) {
            if (c.outOfDate)
                f.prompter.Expect("Out-of-date firmware version (2.010 or earlier)", platform::IDOK);
            EXPECT_GE(f.Doc().StoreSetupInInstrument(*record), 0) << c.revision;
            const sim::SimSetup* stored = setups.Find(c.name);
            ASSERT_NE(stored, nullptr);
            c.check(stored->block);
        }
        const std::vector<uint8_t> after = record->GetType() == 9   ? record->GetFFTSetup()->FileBytes()
                                           : record->GetType() == 7 ? record->GetLOGSetup()->FileBytes()
                                                                    : record->GetRTASetup()->FileBytes();
        EXPECT_EQ(after, before) << c.revision;
        f.Doc().GetSetupList().AddTail(std::move(file));
    }
    EXPECT_EQ(f.prompter.Pending(), 0u);
}

TEST_F(SetupInstrumentTest, LockUnlockMakeCurrentRenameAndDeleteChangeTheDirectory)
{
    AnswerExists("yesButton");
    Select("PLAIN");
    f.Frame().OnCommand(cmd::LockSetup);
    EXPECT_EQ(setups.Find("PLAIN.SSA")->lock, 'R');
    EXPECT_EQ(List().GetSetupImage(RowOf("PLAIN")), 2);
    f.prompter.Expect("is already locked.", platform::IDOK);
    f.Frame().OnCommand(cmd::LockSetup);

    f.Frame().OnCommand(cmd::UnlockSetup);
    EXPECT_EQ(setups.Find("PLAIN.SSA")->lock, ' ');
    EXPECT_EQ(List().GetSetupImage(RowOf("PLAIN")), 0);

    f.Frame().OnCommand(cmd::MakeSetupCurrent);
    EXPECT_EQ(setups.Find("PLAIN.SSA")->active, 'A');
    EXPECT_EQ(List().GetSetupImage(RowOf("PLAIN")), 5);
    EXPECT_NE(List().GetSetupImage(RowOf("DEFAULT")), 5);

    f.prompter.Expect("Would you like to rename\nthis J57 setup to\nNEWNAME?", platform::IDYES);
    NameDialog("NEWNAME");
    f.Frame().OnCommand(cmd::RenameSetup);
    EXPECT_EQ(setups.Find("PLAIN.SSA"), nullptr);
    ASSERT_NE(setups.Find("NEWNAME.SSA"), nullptr);
    ASSERT_GE(RowOf("NEWNAME"), 0);

    Select("NEWNAME");
    f.prompter.Expect("Do you want to remove the setup\nNEWNAME\nfrom the J57?", platform::IDYES);
    f.Frame().OnCommand(cmd::DeleteSetup);
    EXPECT_EQ(setups.Find("NEWNAME.SSA"), nullptr);
    EXPECT_EQ(RowOf("NEWNAME"), -1);
    EXPECT_EQ(f.Doc().GetSetupList().GetCount(), 3);

    Select("DEFAULT");
    f.prompter.Expect("is a permanent setup and\ncannot be deleted.", platform::IDOK);
    f.Frame().OnCommand(cmd::DeleteSetup);
    EXPECT_NE(setups.Find("DEFAULT.RTA"), nullptr);
    EXPECT_EQ(f.prompter.Pending(), 0u);
}

TEST_F(SetupInstrumentTest, TheCurrentMarkerFollowsTheInstrumentWhenMakeCurrentIsUpdated)
{
    AnswerExists("yesButton");
    MakeActiveAtInstrument("PLAIN.SSA");

    // The toolbar's idle update leaves the instrument alone.
    Select("PLAIN");
    sim.ClearTranscript();
    f.Frame().UpdateCommandUI(true);
    EXPECT_FALSE(Sent("Q204"));
    EXPECT_EQ(List().GetSetupImage(RowOf("PLAIN")), 0);

    // A full update (a command done) asks nothing; opening the Setups menu
    // asks once, and the marker follows.
    f.Frame().UpdateCommandUI();
    EXPECT_FALSE(Sent("Q204"));
    ASSERT_TRUE(shelltest::OpenMenu(f.Frame(), "&Setups"));
    int asked = 0;
    for (const std::string& c : sim.Commands())
        asked += c == "Q204";
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(List().GetSetupImage(RowOf("PLAIN")), 5);
    EXPECT_TRUE(Record("PLAIN")->IsCurrent());
    EXPECT_FALSE(f.Frame().UpdateCommand(cmd::MakeSetupCurrent).enabled);

    // The old active setup loses its marker once it is selected again, and
    // shows its own state.
    EXPECT_EQ(List().GetSetupImage(RowOf("DEFAULT")), 5);
    Select("DEFAULT");
    f.Frame().UpdateCommand(cmd::MakeSetupCurrent);
    EXPECT_EQ(List().GetSetupImage(RowOf("DEFAULT")), 1);
    EXPECT_FALSE(Record("DEFAULT")->IsCurrent());

    // A setup that is not active keeps its image; the system setup is never
    // compared.
    Select("LOCKED");
    f.Frame().UpdateCommand(cmd::MakeSetupCurrent);
    EXPECT_EQ(List().GetSetupImage(RowOf("LOCKED")), 2);
    f.Doc().GetSdiView()->SelectSetup(0);
    sim.ClearTranscript();
    f.Frame().UpdateCommand(cmd::MakeSetupCurrent);
    EXPECT_FALSE(Sent("Q204"));
    EXPECT_EQ(List().GetSetupImage(0), 6);
}

TEST_F(SetupInstrumentTest, ARenameWhoseStoreFailsSaysSoAndKeepsTheSetup)
{
    AnswerExists("yesButton");
    Select("PLAIN");
    setups.receiver.rejectPasses = 3;
    f.prompter.Expect("Would you like to rename", platform::IDYES);
    f.prompter.Expect("Instrument unable to accept setup", platform::IDOK);
    NameDialog("OTHER");
    f.Frame().OnCommand(cmd::RenameSetup);
    EXPECT_EQ(setups.Find("PLAIN.SSA"), nullptr);
    ASSERT_GE(RowOf("OTHER"), 0);
    EXPECT_EQ(Record("OTHER")->GetType(), 5);
    EXPECT_EQ(f.prompter.Pending(), 0u);
}

TEST_F(SetupInstrumentTest, SystemSetupIsSentAtOnceAndARunningInstrumentRefuses)
{
    f.Doc().GetSdiView()->SelectSetup(0);
    f.prompter.Expect("System setup uploaded successfully", platform::IDOK);
    f.Frame().OnCommand(cmd::SaveSetupToJ57);
    EXPECT_TRUE(Sent("&S2"));
    EXPECT_TRUE(Sent("S207,"));
    EXPECT_EQ(setups.system[0], 5);

    j57.running = true;
    sim.ClearTranscript();
    f.prompter.Expect("the J57 is running (collecting data).", platform::IDOK);
    f.Frame().OnCommand(cmd::SaveSetupToJ57);
    EXPECT_FALSE(Sent("&S2"));
    EXPECT_EQ(f.prompter.Pending(), 0u);
}

}  // namespace
