// The file tree of the Translate view: folders and download files, the data
// items of a file with their counts, the selection handed to the report view
// and the last path kept in the profile.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include <QApplication>
#include <QScrollBar>
#include <QSplitter>

#include "CBinTreeView.h"
#include "CDataReport.h"
#include "DataItemLabels.h"
#include "DownloadFileBuilder.h"
#include "FileRecordCounter.h"
#include "ShellTestSupport.h"

namespace fs = std::filesystem;

namespace {

RecordCounts Counts(std::initializer_list<std::pair<int, uint32_t>> filled)
{
    RecordCounts counts{};
    for (const auto& [slot, count] : filled)
        counts[slot] = count;
    return counts;
}

struct LabelCase {
    const char* name;
    RecordCounts counts;
    int model;
    std::vector<std::string> labels;
};

void PrintTo(const LabelCase& c, std::ostream* os)
{
    *os << c.name;
}

class DataItems : public ::testing::TestWithParam<LabelCase> {};

TEST_P(DataItems, LabelsInTheTreeOrder)
{
    EXPECT_EQ(DataItemLabels(GetParam().counts, GetParam().model), GetParam().labels);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DataItems,
    ::testing::Values(
        LabelCase{"J57SettingsCalibrationIntervals", Counts({{8, 3}, {0, 1}, {15, 1}}), 57,
                  {"1 .Sys Settings", "1 Calibrations", "3 Intervals"}},
        LabelCase{"J46PlainSettingsAndSummary", Counts({{15, 1}, {16, 2}, {13, 1}, {14, 40}}), 46,
                  {"1 Sys Settings", "2 Cal Settings", "40 Time Hist Samples", "1 _Summary"}},
        LabelCase{"FftSummaryWhateverTheModel", Counts({{26, 1}, {13, 1}}), 17,
                  {"1 FFT Settings", "1 FFT Summary"}},
        LabelCase{"OtherModelSummary", Counts({{13, 1}, {40, 2}}), 33, {"1 Summary", "2 SSA Summary"}},
        LabelCase{"RtaEventsGiveRt60Analyses", Counts({{4, 2}, {3, 1}}), 57,
                  {"1 Events", "2 RTA Events", "2 RT60 Analyses"}},
        LabelCase{"SlotsWithoutItems", Counts({{10, 5}, {12, 5}, {27, 5}, {29, 5}, {38, 5}}), 57, {}},
        LabelCase{"J57StreamsAndRuns", Counts({{14, 7}, {31, 8}, {34, 9}, {39, 1}, {11, 2}, {33, 4}}), 57,
                  {"2 Run/Stops", "4 SSA Run/Stops", "7 .Time Hist Samples", "8 .SSA Time Hist Samples",
                   "9 .TAL Time Hist Samples", "1 RTA Spatially Averaged Samples"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DataItems, ImageByModel)
{
    for (int model : {5, 17, 33, 52})
        EXPECT_EQ(DataItemImage(model), 8) << model;
    EXPECT_EQ(DataItemImage(46), 7);
    EXPECT_EQ(DataItemImage(57), 7);
    EXPECT_EQ(DataItemImage(61), 6);
    EXPECT_EQ(DataItemImage(0), 6);
}

// A folder tree of its own as the only root, a report view beside the tree,
// and a stand-in for the library's count unless a test uses the library.
class TreeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/shell-tree-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root = pattern;
        CBinTreeView::SetRootLister([this] { return std::vector<std::string>{root}; });
        platform::SetAppProfile(&profile);
        SetFileRecordCounter([this](const std::string& path) {
            ++counted;
            FileRecordCount result;
            result.status = status;
            result.model = 57;
            if (path.find("bad") == std::string::npos)
                result.counts = Counts({{15, 1}, {8, 12}});
            else
                result.status = -312;
            return result;
        });
    }
    void TearDown() override
    {
        report.reset();
        tree.reset();
        SetFileRecordCounter({});
        CBinTreeView::SetRootLister({});
        platform::SetAppProfile(nullptr);
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    std::string Touch(const std::string& relative)
    {
        const std::string path = root + "/" + relative;
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path) << "x";
        return path;
    }
    void MakeTree()
    {
        tree = std::make_unique<CBinTreeView>(&doc, nullptr);
        report = std::make_unique<CDataReport>(&doc, nullptr);
    }
    QTreeWidgetItem* Item(const std::string& relative)
    {
        return tree->FindItem(relative.empty() ? root : root + "/" + relative);
    }
    static std::vector<std::string> Children(const QTreeWidgetItem* item)
    {
        std::vector<std::string> texts;
        for (int i = 0; item && i < item->childCount(); ++i)
            texts.push_back(item->child(i)->text(0).toStdString());
        return texts;
    }

    std::string root;
    platform::MemoryProfile profile;
    testsupport::ScriptedPrompter prompter;
    CSdiDoc doc;
    std::unique_ptr<CBinTreeView> tree;
    std::unique_ptr<CDataReport> report;
    int counted = 0;
    int status = 0;
};

TEST_F(TreeTest, FoldersAndDownloadFilesInOrder)
{
    Touch("b.slmdl");
    Touch("A.SLMDL");
    Touch("notes.txt");
    Touch("Zeta/inner.slmdl");
    Touch("alpha/readme.txt");
    fs::create_directories(root + "/empty");
    fs::create_directories(root + "/.hidden");
    profile.WriteProfileString("Defaults", "LastPath", root);
    MakeTree();
    QTreeWidgetItem* top = Item("");
    ASSERT_NE(top, nullptr);
    top->setExpanded(true);
    EXPECT_EQ(Children(top), (std::vector<std::string>{"alpha", "empty", "Zeta", "A.SLMDL", "b.slmdl"}));
    // Only a folder with something to show has an expand button.
    EXPECT_EQ(Item("alpha")->childCount(), 0);
    EXPECT_EQ(Item("empty")->childCount(), 0);
    EXPECT_EQ(Item("Zeta")->childCount(), 1);
    EXPECT_EQ(CBinTreeView::ImageOf(Item("b.slmdl")), 5);
}

// UTF-8 file names are shown as they are, and their items still lead to
// their files.
TEST_F(TreeTest, Utf8NamesAreShownAsTheyAre)
{
    Touch("Grüße/Straße.slmdl");
    profile.WriteProfileString("Defaults", "LastPath", root);
    MakeTree();
    QTreeWidgetItem* top = Item("");
    ASSERT_NE(top, nullptr);
    top->setExpanded(true);
    EXPECT_EQ(Children(top), std::vector<std::string>{"Grüße"});
    QTreeWidgetItem* folder = Item("Grüße");
    ASSERT_NE(folder, nullptr);
    folder->setExpanded(true);
    EXPECT_EQ(Children(folder), std::vector<std::string>{"Straße.slmdl"});
    EXPECT_EQ(tree->GetItemPath(folder->child(0)), root + "/Grüße/Straße.slmdl");
}

TEST_F(TreeTest, FileItemsAndTheirSelectionReachTheReportView)
{
    const std::string file = Touch("site 1/J57 survey.slmdl");
    MakeTree();
    Item("")->setExpanded(true);
    Item("site 1")->setExpanded(true);
    QTreeWidgetItem* fileItem = Item("site 1/J57 survey.slmdl");
    ASSERT_NE(fileItem, nullptr);
    fileItem->setExpanded(true);
    EXPECT_EQ(Children(fileItem), (std::vector<std::string>{"1 .Sys Settings", "12 Intervals"}));
    EXPECT_EQ(CBinTreeView::ImageOf(fileItem->child(1)), 7);

    // The report view loads the selected item; the file is no download.
    prompter.Expect("Translation Error", platform::IDOK);
    tree->setCurrentItem(fileItem->child(1));
    EXPECT_EQ(report->FilePath(), file);
    EXPECT_EQ(report->ItemLabel(), "12 Intervals");

    // A folder selection is not data: the report view keeps what it has.
    tree->setCurrentItem(Item("site 1"));
    EXPECT_EQ(report->ItemLabel(), "12 Intervals");

    // Collapsing and expanding again counts again.
    fileItem->setExpanded(false);
    EXPECT_EQ(Children(fileItem), std::vector<std::string>{""});
    fileItem->setExpanded(true);
    EXPECT_EQ(counted, 2);
    EXPECT_EQ(fileItem->childCount(), 2);
}

TEST_F(TreeTest, FailedCountShowsTheErrorAndNoItems)
{
    Touch("bad.slmdl");
    MakeTree();
    Item("")->setExpanded(true);
    prompter.Expect(platform::IDOK);
    Item("bad.slmdl")->setExpanded(true);
    EXPECT_EQ(prompter.LastText(), "Translation Error: Unknown data type found in translator");
    EXPECT_FALSE(Item("bad.slmdl")->isExpanded());
    EXPECT_EQ(Item("bad.slmdl")->childCount(), 1);  // only the placeholder again
}

TEST_F(TreeTest, LastPathIsKeptAndRestoredWithItsCase)
{
    Touch("Data/2003/j57.slmdl");
    Touch("data/other.slmdl");
    MakeTree();
    Item("")->setExpanded(true);
    Item("Data")->setExpanded(true);
    Item("Data/2003")->setExpanded(true);
    tree->setCurrentItem(Item("Data/2003/j57.slmdl"));
    tree.reset();
    EXPECT_EQ(profile.GetProfileString("Defaults", "LastPath", ""), root + "/Data/2003/j57.slmdl");

    MakeTree();
    ASSERT_NE(tree->currentItem(), nullptr);
    EXPECT_EQ(tree->GetItemPath(tree->currentItem()), root + "/Data/2003/j57.slmdl");

    // A file that has gone leaves the deepest folder that is still there.
    fs::remove(root + "/Data/2003/j57.slmdl");
    Touch("Data/2003/other.slmdl");
    tree.reset();
    MakeTree();
    EXPECT_EQ(tree->GetItemPath(tree->currentItem()), root + "/Data/2003");
}

}  // namespace

// With the translation library itself: download files of the J57 and the J46.
namespace {

fixtures::BodyBuilder TimedBody(size_t n)
{
    fixtures::BodyBuilder b;
    b.BcdDate(9, 3, 3).BcdTime(14, 10, 0);
    return b.PadTo(n);
}

std::string J57File()
{
    fixtures::DownloadFileBuilder f;
    f.AtLines("North gate", "Note one", "Note two").Header(fixtures::HeaderSpec{});
    f.Record('S', fixtures::BodyBuilder().PadTo(226));
    f.Record(5, TimedBody(40));
    for (int i = 0; i < 3; ++i)
        f.Record(2, TimedBody(40));
    f.J57Trailer("09Mar2003", "14:05:30", "0.0");
    return f.End().Bytes();
}

std::string J46File()
{
    fixtures::HeaderSpec h;
    h.model = 46;
    h.modeLine = "OBA";
    h.line4 = "Meter J46";
    fixtures::DownloadFileBuilder f;
    f.AtLines("Quarry", "", "").Header(h);
    f.Record('S', fixtures::BodyBuilder().PadTo(226));
    for (int i = 0; i < 2; ++i)
        f.Record(2, TimedBody(40));
    return f.End().Bytes();
}

class LibraryTreeTest : public TreeTest {
protected:
    void SetUp() override
    {
        TreeTest::SetUp();
        SetFileRecordCounter({});
    }
};

TEST_F(LibraryTreeTest, DownloadFilesOfTheJ57AndTheJ46)
{
    std::ofstream(root + "/north.slmdl", std::ios::binary) << J57File();
    std::ofstream(root + "/quarry.SLMDL", std::ios::binary) << J46File();
    std::ofstream(root + "/broken.slmdl", std::ios::binary) << "this is no download file";
    MakeTree();
    Item("")->setExpanded(true);
    EXPECT_EQ(Children(Item("")), (std::vector<std::string>{"broken.slmdl", "north.slmdl", "quarry.SLMDL"}));

    Item("north.slmdl")->setExpanded(true);
    const std::vector<std::string> j57 = Children(Item("north.slmdl"));
    ASSERT_GE(j57.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(j57.begin(), j57.begin() + 3),
              (std::vector<std::string>{"1 .Sys Settings", "1 Calibrations", "3 SSA Intvs"}));
    EXPECT_EQ(CBinTreeView::ImageOf(Item("north.slmdl")->child(0)), 7);

    Item("quarry.SLMDL")->setExpanded(true);
    EXPECT_EQ(Children(Item("quarry.SLMDL")), (std::vector<std::string>{"1 Sys Settings", "2 OBA Intvs"}));

    tree->setCurrentItem(Item("quarry.SLMDL")->child(1));
    EXPECT_EQ(report->FilePath(), root + "/quarry.SLMDL");
    EXPECT_EQ(report->ItemLabel(), "2 OBA Intvs");

    prompter.Expect("Translation Error: ", platform::IDOK);
    Item("broken.slmdl")->setExpanded(true);
    EXPECT_EQ(Item("broken.slmdl")->childCount(), 1);
    EXPECT_EQ(prompter.Pending(), 0u);
}

}  // namespace

TEST_F(TreeTest, NamesAreNeverCutAndThePaneKeepsTheUsersWidth)
{
    const std::string longName = "a_download_file_with_a_long_name_from_the_north_gate_survey.slmdl";
    Touch(longName);
    MakeTree();
    Item("")->setExpanded(true);
    EXPECT_GE(CBinTreeView::PaneWidth(), 170) << "a typical name fits at first";

    // In a narrow pane the column keeps the whole name and the tree scrolls.
    QSplitter splitter;
    splitter.addWidget(tree.release());
    splitter.addWidget(new QWidget);
    splitter.resize(600, 300);
    splitter.setSizes({150, 450});
    splitter.show();
    QApplication::processEvents();
    auto* shown = static_cast<CBinTreeView*>(splitter.widget(0));
    EXPECT_GE(shown->columnWidth(0), shown->fontMetrics().horizontalAdvance(QString::fromStdString(longName)));
    EXPECT_GT(shown->horizontalScrollBar()->maximum(), 0);

    // The width the user drags the pane to is the width of the next pane.
    splitter.setSizes({260, 340});
    QApplication::processEvents();
    EXPECT_GT(shown->width(), 200);
    EXPECT_EQ(CBinTreeView::PaneWidth(), shown->width());
}
