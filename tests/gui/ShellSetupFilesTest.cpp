// The Setup view's list and the document's setup commands on files: New from
// the default setup files, Open and Save Setup to File, Close Setup and Close
// All Setups, the context menus.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <utility>

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "CSdiView.h"
#include "CommandIds.h"
#include "DownloadFileBuilder.h"
#include "PropSheetSetup.h"
#include "SetupBlock.h"
#include "SetupBlockBuilder.h"
#include "SetupListCtrl.h"
#include "ShellTestSupport.h"

namespace {

using testsupport::SetupBlockBuilder;
using testsupport::SetupFileBuilder;

struct Kind {
    int type;
    const char* ext;
    const char* key;
    int mode;
    size_t size;
    const char* radio;
};

const Kind kKinds[] = {
    {5, "ssa", "CVJ57SetupSsa", 0, 219, "ssaRadio"}, {6, "ism", "CVJ57SetupIsm", 1, 219, "ismRadio"},
    {7, "log", "CVJ57SetupLOG", 2, 219, "logRadio"}, {8, "tal", "CVJ57SetupTal", 7, 219, "talRadio"},
    {9, "fft", "CVJ57SetupFft", 5, 219, "fftRadio"}, {10, "rta", "CVJ57SetupRta", 4, 216, "rtaRadio"},
};

std::vector<uint8_t> Block(const Kind& k, const std::string& name, int version = 3)
{
    return SetupBlockBuilder(k.size).Version(version).Name(name).Title("Title of " + name).Mode(k.mode)
        .Pattern(40, k.size, k.type)
        .Bytes();
}

// The setup sheet saves the page it shows into the setup before the file is
// written, and a page writes back only values it can show: the fields of the
// first pages (the LOG sound level meter, SSA and TAL Ln, ISM, FFT and RTA pages) hold such
// values, so that the round trip leaves every byte as it was.
std::vector<uint8_t> WithShownFieldsKept(std::vector<uint8_t> block)
{
    const std::pair<size_t, uint8_t> fields[] = {
        {56, 1},    {57, 0x15}, {58, 0x06}, {59, 0x24}, {60, 0x16}, {61, 0x07}, {62, 0x25}, {63, 0x08},
        {64, 0x30}, {65, 0x17}, {66, 0x45}, {67, 0x09}, {68, 0x00}, {69, 0x10}, {70, 0x15}, {74, 1},
        {86, 1},    {87, 1},    {89, 2},    {90, 1},    {91, 2},    {93, 3},    {47, 1},    {104, 1},
        {110, 10},  {111, 0},   {112, 20},  {113, 0},   {114, 30},  {115, 0},   {116, 40},  {117, 0},
        {118, 50},  {119, 0},   {120, 90},  {121, 0},   {181, 45},  {94, 2},    {71, 1},    {72, 2},
        {73, 3},
    };
    for (const auto& [offset, value] : fields)
        block.at(offset) = value;
    // The RTA page shows its linear detector time (bytes 74-76) to 0.0025 s:
    // 1.3325 s.
    if (block.size() == 216)
        block.at(76) = 30;
    return block;
}

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

class SetupFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(f.Start({}, Dir()));
    }

    std::string Dir() const { return dir.path().toStdString(); }
    std::string Path(const std::string& name) const { return Dir() + "/" + name; }
    CSdiView& View() { return *f.Doc().GetSdiView(); }
    SetupListCtrl& List() { return *View().GetSetupList(); }

    // File, New Setup with the radio button of that name, then OK.
    void NewSetup(const char* radio)
    {
        QTimer::singleShot(0, [radio] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QRadioButton*>(radio)->click();
            dialog->findChild<QPushButton*>("okButton")->click();
        });
        f.Frame().OnCommand(cmd::NewSetup);
    }

    void Open(const std::string& path)
    {
        f.prompter.ExpectFile(path);
        f.Frame().OnCommand(cmd::OpenSetupFile);
    }

    bool Enabled(int id) { return f.Frame().UpdateCommand(id).enabled; }

    QTemporaryDir dir;
    shelltest::ShellFixture f;
};

TEST_F(SetupFilesTest, NewSetupOfEachTypeComesFromItsDefaultFile)
{
    for (const Kind& k : kKinds) {
        const std::string name = std::string("DEF") + k.ext;
        WriteAll(Path(std::string("default.") + k.ext),
                 SetupFileBuilder(Block(k, name)).Key(k.key).BuildString());
        NewSetup(k.radio);
        EXPECT_EQ(f.Doc().GetNewSetupType(), k.type);

        const int row = List().GetCount() - 1;
        ASSERT_EQ(f.Doc().GetSetupList().GetCount(), row + 1) << k.ext;
        const SetupRec* record = f.Doc().GetSetupList().GetAt(row);
        EXPECT_EQ(List().GetSetupAt(row), record);
        EXPECT_EQ(List().GetSetupText(row).toStdString(), name);
        EXPECT_EQ(List().GetSetupImage(row), 4);  // NEW
        EXPECT_EQ(List().GetSetupType(row), k.type);
        EXPECT_EQ(record->GetType(), k.type);
        EXPECT_EQ(record->GetOrigin(), 6);
        EXPECT_EQ(record->GetFileName(), std::string("default.") + k.ext);
        EXPECT_EQ(record->GetPath(), Path(std::string("default.") + k.ext));
    }
    EXPECT_EQ(f.prompter.Boxes().size(), 0u);
}

TEST_F(SetupFilesTest, NewSetupCancelledAddsNothing)
{
    shelltest::AnswerNextDialog(false);
    f.Frame().OnCommand(cmd::NewSetup);
    EXPECT_EQ(List().GetCount(), 0);
    EXPECT_EQ(f.Doc().GetNewSetupType(), 2);
}

TEST_F(SetupFilesTest, RefusedFilesNameTheirFault)
{
    const Kind& log = kKinds[2];
    const std::string badCrc = SetupFileBuilder(Block(log, "A")).FlipBodyByte(300).BuildString();
    const std::string version1 = SetupFileBuilder(Block(log, "A", 1)).BuildString();
    const std::string env = SetupFileBuilder(SetupBlockBuilder(219).Version(3).Mode(3).Bytes()).BuildString();
    struct Case {
        const char* what;
        const std::string* bytes;  // null: no file
        const char* openText;
        const char* newText;
    } cases[] = {
        {"missing", nullptr, "could not be opened.", "The file that is used to create\na new J57 setup is missing."},
        {"crc", &badCrc, "is not an J57 setup file\nor has been damaged.", "To create a new default setup file:"},
        {"version", &version1, " contains setup version 1 data.\n This software supports setup\n version 2 .",
         " contains setup version 1 data.\n This software supports setup\n version 2 or greater."},
        {"type", &env, "for a valid instrument type\n(SSA, ISM, LOG, TAL, FFT)", "setup has been damaged.\nFor"},
    };
    for (const Case& c : cases) {
        std::remove(Path("default.log").c_str());
        if (c.bytes) {
            WriteAll(Path("default.log"), *c.bytes);
            WriteAll(Path("some.log"), *c.bytes);
        }
        f.prompter.Expect(c.openText, platform::IDOK);
        Open(c.bytes ? Path("some.log") : Path("none.log"));
        f.prompter.Expect(c.newText, platform::IDOK);
        NewSetup(log.radio);
        EXPECT_EQ(f.prompter.Pending(), 0u) << c.what;
    }
    EXPECT_EQ(List().GetCount(), 0);
    EXPECT_EQ(f.Doc().GetSetupList().GetCount(), 0);
}

TEST_F(SetupFilesTest, OpenAndSaveRoundTripByteIdentical)
{
    for (const Kind& k : kKinds) {
        const std::string name = std::string("R") + k.ext;
        const std::string original = SetupFileBuilder(WithShownFieldsKept(Block(k, name, 4))).Key(k.key).BuildString();
        ASSERT_EQ(original.size(), 536u);
        WriteAll(Path(name + "." + k.ext), original);
        Open(Path(name + "." + k.ext));
        const int row = List().GetCount() - 1;
        ASSERT_GE(row, 0);
        EXPECT_EQ(List().GetSetupImage(row), 3);  // file
        EXPECT_EQ(f.Doc().GetSetupList().GetAt(row)->GetFileName(), name + "." + k.ext);

        View().SelectSetup(row);
        f.prompter.ExpectFile(Path("copy." + std::string(k.ext)));
        f.Frame().OnCommand(cmd::SaveSetupToFile);
        EXPECT_EQ(ReadAll(Path("copy." + std::string(k.ext))), original) << k.ext;
    }
    EXPECT_EQ(f.prompter.Boxes().size(), 0u);
}

TEST_F(SetupFilesTest, OldLogFileIsConvertedOnLoadAndTheFileIsKept)
{
    const Kind& log = kKinds[2];
    const std::vector<uint8_t> block =
        SetupBlockBuilder(219).Version(2).Name("OLD").Mode(2).Byte(183, 0x11).Byte(184, 0x22).Byte(185, 0x55)
            .Byte(186, 0x33).Byte(187, 0x44).Bytes();
    const std::string original = SetupFileBuilder(block).Key(log.key).BuildString();
    WriteAll(Path("old.log"), original);
    Open(Path("old.log"));
    View().SelectSetup(0);
    f.prompter.ExpectFile(Path("new.log"));
    f.Frame().OnCommand(cmd::SaveSetupToFile);

    const std::string saved = ReadAll(Path("new.log"));
    ASSERT_EQ(saved.size(), 536u);
    const char* body = saved.data() + 16;
    EXPECT_EQ(body[0], 3);
    EXPECT_EQ(body[186], 0x22);
    EXPECT_EQ(body[184], 0x11);
    EXPECT_EQ(body[183], 0);
    EXPECT_EQ(body[185], 0);
    EXPECT_EQ(body[187], 0);
    EXPECT_EQ(ReadAll(Path("old.log")), original);
}

TEST_F(SetupFilesTest, SaveToAFolderThatIsNotThereShowsCannotCreate)
{
    const Kind& ssa = kKinds[0];
    WriteAll(Path("a.ssa"), SetupFileBuilder(Block(ssa, "A")).Key(ssa.key).BuildString());
    Open(Path("a.ssa"));
    View().SelectSetup(0);
    const std::string target = Path("no/such/folder/a.ssa");
    f.prompter.ExpectFile(target);
    f.prompter.Expect("could not be opened or created.", platform::IDOK);
    f.Frame().OnCommand(cmd::SaveSetupToFile);
    EXPECT_EQ(f.prompter.Boxes().back().buttons, platform::Buttons::OkCancel);
    EXPECT_EQ(f.prompter.Pending(), 0u);
}

TEST_F(SetupFilesTest, APageHoldingAValueItRefusesStopsTheSave)
{
    // The wind page of a LOG setup of the wind format, its wind input on.
    const Kind& log = kKinds[2];
    std::vector<uint8_t> block = Block(log, "WIND", 5);
    block.at(49) = 0x40;
    WriteAll(Path("w.log"), SetupFileBuilder(block).Key(log.key).BuildString());
    Open(Path("w.log"));
    View().SelectSetup(0);
    PropSheetSetup* sheet = View().GetSheet();
    sheet->setCurrentIndex(sheet->count() - 1);
    auto* inner = sheet->currentWidget()->findChild<QTabWidget*>("advancedSheet");
    ASSERT_NE(inner, nullptr);
    auto* scale = inner->currentWidget()->findChild<QLineEdit*>("windScale");
    ASSERT_NE(scale, nullptr);
    scale->selectAll();
    scale->del();
    QTest::keyClicks(scale, "x");
    sheet->setCurrentIndex(0);

    const std::string target = Path("w2.log");
    f.prompter.ExpectFile(target);
    f.prompter.Expect("Please enter a number.", platform::IDOK);
    f.prompter.Expect("The setup was not saved: the page \"Advanced\" holds a value it does not accept.",
                      platform::IDOK);
    f.Frame().OnCommand(cmd::SaveSetupToFile);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(target)));
    EXPECT_EQ(sheet->tabText(sheet->currentIndex()), "Advanced");
    EXPECT_EQ(f.prompter.Pending(), 0u);
}

TEST_F(SetupFilesTest, CloseSetupAndCloseAllRemoveRowsAndRecords)
{
    const Kind& fft = kKinds[4];
    for (const char* name : {"A", "B", "C", "D", "E"}) {
        WriteAll(Path(std::string(name) + ".fft"), SetupFileBuilder(Block(fft, name)).Key(fft.key).BuildString());
        Open(Path(std::string(name) + ".fft"));
    }
    ASSERT_EQ(List().GetCount(), 5);
    EXPECT_FALSE(Enabled(cmd::CloseSetup));  // nothing selected yet
    EXPECT_TRUE(Enabled(cmd::CloseAllSetups));

    View().SelectSetup(1);
    SetupRec* b = View().GetSelectedSetup();
    ASSERT_EQ(View().GetSheet()->ShownSetup(), b);
    ASSERT_TRUE(Enabled(cmd::CloseSetup));
    f.Frame().OnCommand(cmd::CloseSetup);
    EXPECT_EQ(List().GetCount(), 4);
    EXPECT_EQ(f.Doc().GetSetupList().GetCount(), 4);
    EXPECT_EQ(View().GetSheet()->ShownSetup(), nullptr);
    for (int i = 0; i < 4; ++i) {
        EXPECT_NE(List().GetSetupText(i), "B");
        EXPECT_EQ(List().GetSetupAt(i), f.Doc().GetSetupList().GetAt(i));
    }

    f.Frame().OnCommand(cmd::CloseAllSetups);
    EXPECT_EQ(List().GetCount(), 0);
    EXPECT_EQ(f.Doc().GetSetupList().GetCount(), 0);
    EXPECT_FALSE(Enabled(cmd::CloseAllSetups));
}

TEST_F(SetupFilesTest, ListRowsKeepTheirSelectionAndImages)
{
    const Kind& rta = kKinds[5];
    for (const char* name : {"A", "B"}) {
        WriteAll(Path(std::string(name) + ".rta"), SetupFileBuilder(Block(rta, name)).Key(rta.key).BuildString());
        Open(Path(std::string(name) + ".rta"));
    }
    f.Frame().show();
    View().SelectSetup(1);
    // A click below the last row keeps the selection.
    QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, QPoint(10, List().viewport()->height() - 3));
    EXPECT_EQ(View().GetSelectedIndex(), 1);

    EXPECT_TRUE(View().SetSetupImage(0, 2));
    EXPECT_EQ(View().GetSetupImage(0), 2);
    EXPECT_TRUE(View().SetSetupImage(0, 40));  // beyond the strip reads as 0
    EXPECT_EQ(View().GetSetupImage(0), 0);
    EXPECT_FALSE(View().SetSetupImage(5, 1));
    EXPECT_EQ(View().GetSetupImage(-1), 0);

    // Removing a row gives its record back; the record stays in the list.
    SetupRec* first = f.Doc().GetSetupList().GetAt(0);
    EXPECT_EQ(View().RemoveSetupAt(0), first);
    EXPECT_EQ(f.Doc().GetSetupList().GetAt(0), first);
    EXPECT_EQ(View().RemoveSetupAt(3), nullptr);
    View().DeleteAllSetups();
    EXPECT_EQ(View().GetSelectedIndex(), 0);
    EXPECT_EQ(View().GetSelectedSetup(), nullptr);
}

TEST_F(SetupFilesTest, ContextMenus)
{
    const Kind& ssa = kKinds[0];
    WriteAll(Path("a.ssa"), SetupFileBuilder(Block(ssa, "A")).Key(ssa.key).BuildString());
    Open(Path("a.ssa"));
    View().SelectSetup(0);
    std::unique_ptr<QMenu> menu = View().MakeContextMenu(true);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(shelltest::MenuTexts(menu.get()),
              (std::vector<std::string>{"&Rename Setup", "Make Setup &Current", "&Lock Setup", "&Unlock Setup",
                                        "&Delete Setup"}));
    std::vector<int> ids;
    for (QAction* action : menu->actions())
        ids.push_back(action->data().toInt());
    EXPECT_EQ(ids, (std::vector<int>{32808, 32811, 32809, 32807, 32810}));
    // A file setup: rename and delete, but nothing that needs the instrument.
    EXPECT_TRUE(menu->actions()[0]->isEnabled());
    EXPECT_FALSE(menu->actions()[2]->isEnabled());

    // The development menu needs the folder and its download file.
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", dir.path().toUtf8());
    EXPECT_EQ(View().MakeContextMenu(false), nullptr);
    QDir(dir.path()).mkdir("KvorstSetupDir");
    EXPECT_EQ(View().MakeContextMenu(false), nullptr);
    WriteAll(Path("KvorstSetupDir/downloadfile"), "x");
    menu = View().MakeContextMenu(false);
    qputenv("HOME", home);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(shelltest::MenuTexts(menu.get()), (std::vector<std::string>{"&Create setup from download file"}));
}

TEST_F(SetupFilesTest, SetupFromTheDevelopmentDownloadFile)
{
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", dir.path().toUtf8());
    QDir(dir.path()).mkdir("KvorstSetupDir");
    const std::string download = Path("KvorstSetupDir/downloadfile");
    auto run = [&](const std::string& firmware) {
        fixtures::HeaderSpec header;
        header.modeLine = "LOG";
        header.firmware = firmware;
        fixtures::DownloadFileBuilder file;
        file.Header(header).Record('M', fixtures::BodyBuilder().Text("MODE", SetupBlock::kMode).U8(2).PadTo(400));
        WriteAll(download, file.J57Trailer("09Mar2003", "14:05:30", "0.0").End().Bytes());
        f.prompter.Expect(platform::IDOK);
        f.Frame().OnCommand(cmd::CreateSetupFromDownload);
        return f.prompter.Boxes().empty() ? std::string() : f.prompter.Boxes().back().text;
    };
    // The reader starts the translation and hands back no setup.
    EXPECT_EQ(run("3.116"), "Unable to read setup from download file; err = -1");
    // An old J57 file: the firmware warning with the file and its version.
    EXPECT_EQ(run("0.9"), "The data contained in the Slm download file\n" + download +
                              "\nwas created by an J57 with firmware version\n0.900\n"
                              "which is unsupported by the J57 utility.\nThe J57 utility translates J57 Slm download\n"
                              "files created by an J57 with firmware version\n1.000\nor greater.");
    // A missing file is the library's failure to start.
    QFile::remove(QString::fromStdString(download));
    f.prompter.Expect(platform::IDOK);
    f.Frame().OnCommand(cmd::CreateSetupFromDownload);
    EXPECT_EQ(f.prompter.Boxes().back().text, "Unable to read setup from download file; err = 1002");
    qputenv("HOME", home);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("KvorstSetupDir/setupfile.type"))));
}

}  // namespace
