// The Download view against the simulated J57: the measurement directory,
// the type filter, the selection and the download page.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "CMeasView.h"
#include "CommandIds.h"
#include "DownloadFileNames.h"
#include "GFTiming.h"
#include "J57Instrument.h"
#include "J57Setups.h"
#include "J57Sim.h"
#include "MeasListCtrl.h"
#include "PropPageDownload.h"
#include "ShellTestSupport.h"

namespace {

// The "&F101" description of a stored file, fields at their columns.
struct FileInfo {
    std::string name = "RUN1";
    std::string type = "LOG";
    std::string title = "Site A";
    std::string time1 = "05Jan2003 12:30:00";
    std::string time2 = "05Jan2003 12:40:00";
    std::string start = "05Jan2003 12:30:00";
    std::string end = "05Jan2003 12:40:00";
    std::string size = "4096";

    std::string Text() const
    {
        auto slot = [](const std::string& text, size_t width) { return (text + std::string(width, ' ')).substr(0, width); };
        return slot(name, 10) + slot(type, 5) + slot(title, 32) + slot(time1, 20) + slot(time2, 20) + slot(start, 20) +
               slot(end, 20) + slot(size, 8);
    }
};

std::vector<std::string> Rows(const QListWidget* list)
{
    std::vector<std::string> rows;
    for (int i = 0; i < list->count(); ++i)
        rows.push_back(list->item(i)->text().toStdString());
    return rows;
}

std::string Label(const QWidget* page, const char* name)
{
    return page->findChild<QLabel*>(name)->text().toStdString();
}

class DownloadViewTest : public ::testing::Test {
protected:
    DownloadViewTest() : scale(shelltest::kSimPauseScale, shelltest::kSimAnswerScale)
    {
        sim.Bind(f.profile, 1);
        j57.application = "LOG";
        j57.activeSetup = "LOGSET  ";
        j57.times = {{6, "07Feb2004 09:00:00"}, {175, "07Feb2004 10:00:00"},
                     {8, "07Feb2004 09:00:00"}, {176, "07Feb2004 10:00:00"}};
        FileInfo run2;
        run2.name = "RUN2";
        run2.type = "SSA";
        run2.start = "06Jan2003 14:00:00";
        run2.end = "06Jan2003 15:00:00";
        FileInfo run3;
        run3.name = "RUN3";
        run3.start = "01Mar2003 08:15:00";
        run3.end = "01Mar2003 09:15:00";
        run3.size = "12";
        j57.files = {{FileInfo().Text(), "a"}, {run2.Text(), "b"}, {run3.Text(), "c"}};
    }
    void SetUp() override
    {
        ASSERT_TRUE(f.Start());
        f.profile.WriteProfileInt("Download", "Type", 7);
    }

    // Data, Download Measurement, connecting through the dialog.
    CMeasView* OpenDownloadView()
    {
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QPushButton*>("connectButton")->click();
        });
        f.Frame().OnCommand(cmd::DownloadView);
        return f.Doc().GetMeasView();
    }
    void Select(CMeasView* view, std::initializer_list<int> rows)
    {
        MeasListCtrl* list = view->GetList();
        list->clearSelection();
        for (int row : rows)
            list->item(row)->setSelected(true);
    }

    shelltest::ShellFixture f;
    comm::ScopedTimeScale scale;
    sim::J57Sim sim;
    sim::J57Instrument j57{sim};
    sim::J57Setups setups{sim};
};

TEST_F(DownloadViewTest, DownloadMeasurementConnectsAndListsTheDirectory)
{
    j57.active = true;
    CMeasView* view = OpenDownloadView();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(f.Doc().IsConnected());
    EXPECT_EQ(view->GetTypeCombo()->currentText().toStdString(), "LOG");
    // The filter shows the LOG entries; the document keeps every one.
    EXPECT_EQ(Rows(view->GetList()), (std::vector<std::string>{"LOGSET", "1. RUN1", "3. RUN3"}));
    ASSERT_EQ(f.Doc().GetMeasurementList().GetCount(), 4u);

    const MeasRec& active = *f.Doc().GetMeasurementList().GetAt(0);
    EXPECT_TRUE(active.IsActive());
    EXPECT_EQ(active.GetListIndex(), -1);
    EXPECT_EQ(active.GetTypeText(), "log");
    EXPECT_EQ(active.GetMeasType(), 7);
    EXPECT_EQ(active.GetTitle(), "J57 Sound Level Meter");
    EXPECT_EQ(active.GetStartTime(), "2004 Feb 07 09:00:00");
    EXPECT_EQ(active.GetFileName(), "07Feb09l.slmdl");

    const MeasRec& run3 = *f.Doc().GetMeasurementList().GetAt(3);
    EXPECT_EQ(run3.GetListIndex(), 2);
    EXPECT_EQ(run3.GetName(), "RUN3");
    EXPECT_EQ(run3.GetTitle(), "Site A");
    EXPECT_EQ(run3.GetTime2(), "2003 Jan 05 12:40:00");
    EXPECT_EQ(run3.GetStartTime(), "2003 Mar 01 08:15:00");
    EXPECT_EQ(run3.GetEndTime(), "2003 Mar 01 09:15:00");
    EXPECT_EQ(run3.GetSize(), 12u);
    EXPECT_EQ(run3.GetFileName(), "01Mar08l.slmdl");

    // The first row is selected and shown on the page.
    QWidget* page = view->GetPage();
    EXPECT_EQ(Label(page, "firstLine"), "Setup:          logset.log");
    EXPECT_EQ(Label(page, "startTime"), "2004 Feb 07 09:00:00");
    EXPECT_EQ(Label(page, "size"), "");
    EXPECT_EQ(view->GetPage()->GetTabCaption(), "Active Measurement");

    Select(view, {2});
    EXPECT_EQ(Label(page, "firstLine"), "Data File:     3. run3.log");
    EXPECT_EQ(Label(page, "size"), "12 bytes");
    EXPECT_EQ(view->GetPage()->GetTabCaption(), "Data File");
}

TEST_F(DownloadViewTest, TheFilterHidesAndShowsRowsAndIsKept)
{
    j57.active = true;
    CMeasView* view = OpenDownloadView();
    ASSERT_NE(view, nullptr);
    view->GetTypeCombo()->setCurrentIndex(view->GetTypeCombo()->findText("ALL <binary>"));
    EXPECT_EQ(Rows(view->GetList()), (std::vector<std::string>{"LOGSET", "1. RUN1", "2. RUN2", "3. RUN3"}));
    view->GetTypeCombo()->setCurrentIndex(view->GetTypeCombo()->findText("SSA"));
    EXPECT_EQ(Rows(view->GetList()), (std::vector<std::string>{"2. RUN2"}));
    EXPECT_EQ(f.Doc().GetMeasurementList().GetCount(), 4u);

    f.Frame().SwitchView(CMainFrame::kSetupView);
    shelltest::RunDeferredDeletes();
    EXPECT_EQ(f.profile.GetProfileInt("Download", "Type", 0), 5);
}

TEST_F(DownloadViewTest, NoActiveMeasurementAndAnUnreadableFileLeaveGaps)
{
    // The second file's description cannot be read: the third keeps its own
    // index, and the walk still steps past the gap.
    sim.On("&F101", [this](const std::string&) -> std::optional<std::string> {
        std::lock_guard lock(sim.Mutex());
        if (j57.selected == 2)
            return std::string("\x07Read error");
        return j57.files[static_cast<size_t>(j57.selected - 1)].info;
    });
    f.profile.WriteProfileInt("Download", "Type", 101);
    CMeasView* view = OpenDownloadView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Rows(view->GetList()), (std::vector<std::string>{"1. RUN1", "3. RUN3"}));
}

TEST_F(DownloadViewTest, ActiveAudiometerMeasurementIsNotListed)
{
    j57.active = true;
    j57.application = "AUD";
    f.profile.WriteProfileInt("Download", "Type", 101);
    CMeasView* view = OpenDownloadView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Rows(view->GetList()), (std::vector<std::string>{"1. RUN1", "2. RUN2", "3. RUN3"}));
}

TEST_F(DownloadViewTest, SeveralSelectedShowTheirRangeAndKeepTheirTexts)
{
    j57.active = true;
    CMeasView* view = OpenDownloadView();
    ASSERT_NE(view, nullptr);
    PropPageDownload* page = view->GetPage();
    page->findChild<QLineEdit*>("location")->setText("Main Street");

    // With the active measurement first, the range starts at the first
    // stored file; it ends with the later of active and last.
    Select(view, {0, 1, 2});
    EXPECT_EQ(Label(page, "firstLine"), "3 measurements selected");
    EXPECT_EQ(Label(page, "startTime"), "2003 Jan 05 12:30:00");
    EXPECT_EQ(Label(page, "endTime"), "2004 Feb 07 10:00:00");
    EXPECT_EQ(Label(page, "fileName"), "Based on each meas. date, time, type");
    EXPECT_EQ(page->GetTabCaption(), "Multiple Measurements");
    // The active measurement's texts came with it.
    EXPECT_EQ(page->GetLocation(), "Main Street");

    Select(view, {1, 2});
    EXPECT_EQ(Label(page, "startTime"), "2003 Jan 05 12:30:00");
    EXPECT_EQ(Label(page, "endTime"), "2003 Mar 01 09:15:00");

    page->findChild<QLineEdit*>("note1")->setText("windy");
    Select(view, {0});
    EXPECT_EQ(page->GetLocation(), "Main Street");
    EXPECT_EQ(page->GetNote1(), "");
    Select(view, {2});
    EXPECT_EQ(page->GetNote1(), "windy");
    EXPECT_EQ(page->findChild<QLineEdit*>("note2")->maxLength(), 70);
}

TEST_F(DownloadViewTest, BrowseSetsThePatternOrTheName)
{
    CMeasView* view = OpenDownloadView();
    ASSERT_NE(view, nullptr);
    PropPageDownload* page = view->GetPage();
    Select(view, {0, 1});
    f.prompter.ExpectFile(std::string("/data/survey/site.txt"));
    page->OnBrowse();
    EXPECT_EQ(page->GetPattern(), "site*.slmdl");
    EXPECT_EQ(Label(page, "fileName"), "site*.slmdl");
    EXPECT_EQ(Label(page, "folder"), "/data/survey");
    for (int row : {0, 1}) {
        EXPECT_EQ(view->GetList()->RecordAt(row)->GetFileName(), "site.slmdl");
        EXPECT_EQ(view->GetList()->RecordAt(row)->GetFolder(), "/data/survey");
    }

    Select(view, {1});
    f.prompter.ExpectFile(std::string("/data/north"));
    page->OnBrowse();
    EXPECT_EQ(Label(page, "fileName"), "north.slmdl");
    EXPECT_EQ(view->GetDownloadPath(), "/data/north.slmdl");

    // Cancelling the file dialog changes nothing.
    f.prompter.ExpectFile(std::nullopt);
    page->OnBrowse();
    EXPECT_EQ(Label(page, "fileName"), "north.slmdl");
}

TEST_F(DownloadViewTest, TheActiveMeasurementReplacesOnlyTheActiveRow)
{
    f.profile.WriteProfileInt("Download", "Type", 101);
    CMeasView* view = OpenDownloadView();
    ASSERT_NE(view, nullptr);
    MeasListCtrl* list = view->GetList();
    ASSERT_EQ(Rows(list), (std::vector<std::string>{"1. RUN1", "2. RUN2", "3. RUN3"}));

    // No active row: the new active measurement goes before the stored files.
    j57.active = true;
    f.Doc().AddActiveMeasurement();
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"LOGSET", "1. RUN1", "2. RUN2", "3. RUN3"}));

    // An active row is replaced.
    j57.activeSetup = "NEXT";
    f.Doc().AddActiveMeasurement();
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"NEXT", "1. RUN1", "2. RUN2", "3. RUN3"}));

    // One that the filter hides only takes the old active row away.
    view->GetTypeCombo()->setCurrentIndex(view->GetTypeCombo()->findText("SSA"));
    j57.application = "RTA";
    f.Doc().AddActiveMeasurement();
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"2. RUN2"}));
}

TEST_F(DownloadViewTest, RowsCarryTheirStateAndTypeImages)
{
    j57.active = true;
    f.profile.WriteProfileInt("Download", "Type", 101);
    CMeasView* view = OpenDownloadView();
    ASSERT_NE(view, nullptr);
    MeasListCtrl* list = view->GetList();
    struct Row {
        int state, type;
        bool operator==(const Row&) const = default;
    };
    auto images = [list] {
        std::vector<Row> rows;
        for (int i = 0; i < list->count(); ++i) {
            EXPECT_FALSE(list->item(i)->icon().isNull()) << i;
            rows.push_back({list->GetStateImage(i), list->GetTypeImage(i)});
        }
        return rows;
    };
    // The active LOG measurement, then stored LOG, SSA and LOG files.
    EXPECT_EQ(images(), (std::vector<Row>{{2, 7}, {1, 7}, {1, 5}, {1, 7}}));

    // A new active measurement of another mode takes the active row's images.
    j57.application = "RTA";
    f.Doc().AddActiveMeasurement();
    EXPECT_EQ(images(), (std::vector<Row>{{2, 10}, {1, 7}, {1, 5}, {1, 7}}));
    EXPECT_EQ(list->GetStateImage(4), 0);

    // The page's Browse button shows its folder.
    EXPECT_FALSE(view->GetPage()->findChild<QPushButton*>("browseButton")->icon().isNull());
}

TEST_F(DownloadViewTest, AClickOnEmptySpaceKeepsTheFocusedRowSelected)
{
    f.profile.WriteProfileInt("Download", "Type", 101);
    CMeasView* view = OpenDownloadView();
    ASSERT_NE(view, nullptr);
    MeasListCtrl* list = view->GetList();
    view->SelectMeasurement(1);
    list->item(2)->setSelected(true);
    QWidget* empty = list->viewport();
    QTest::mouseClick(empty, Qt::LeftButton, {}, QPoint(10, empty->height() - 3));
    EXPECT_EQ(list->SelectedRows(), (std::vector<int>{1}));
    EXPECT_EQ(Label(view->GetPage(), "firstLine"), "Data File:     2. run2.ssa");
}

TEST(DownloadFileNamesTest, WildcardsAndNumbers)
{
    EXPECT_EQ(AddWildcard("site.slmdl"), "site*.slmdl");
    EXPECT_EQ(AddWildcard("a.b.slmdl"), "a.b*.slmdl");
    EXPECT_EQ(AddWildcard("name"), "name*");
    EXPECT_EQ(AddWildcard("s*te.slmdl"), "s*te.slmdl");
    EXPECT_EQ(RemoveWildcard("a*b*c"), "a*bc");
    EXPECT_EQ(RemoveWildcard("abc"), "abc");
    EXPECT_EQ(NumberedFileName("site.slmdl", 5), "site_005.slmdl");
    EXPECT_EQ(NumberedFileName("name", 10), "name_010");
    EXPECT_EQ(NumberedFileName("n", 1234), "n_1234");
    EXPECT_EQ(FolderOfPath("/data/x/site.slmdl"), "/data/x/");
    EXPECT_EQ(FolderOfPath("/data/north\\south.slmdl"), "/data/");  // '\\' belongs to the name
    EXPECT_EQ(FolderOfPath("/site.slmdl"), "/");
    EXPECT_EQ(FolderOfPath("plain"), "plain");
}

TEST(ConvertInstrumentTimeTest, Table)
{
    struct Case {
        const char* in;
        const char* out;
        bool ok;
    } cases[] = {{"01Jan2000 12:34:56", "2000 Jan 01 12:34:56", true},
                 {"01Jan2000 12:34:5", "", false},
                 {"01Jan00 00:00:00", "", false}};
    for (const Case& c : cases) {
        std::string out = "old";
        EXPECT_EQ(CSdiDoc::ConvertInstrumentTime(c.in, out), c.ok) << c.in;
        EXPECT_EQ(out, c.out) << c.in;
    }
}

}  // namespace
