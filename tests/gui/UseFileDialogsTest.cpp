// The program's file dialogs on Qt's own dialog, in a folder that holds files
// of every kind: each dialog, reached as the user reaches it, lists the files
// it is meant to pick and no others.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <set>

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include "CBinTreeView.h"
#include "CDataReport.h"
#include "CMeasView.h"
#include "CSdiView.h"
#include "CommandIds.h"
#include "FileRecordCounter.h"
#include "FirmwareUpdateDialog.h"
#include "MeasListCtrl.h"
#include "QtPrompter.h"
#include "ReportViewTestSupport.h"
#include "SetupBlockBuilder.h"
#include "SetupListCtrl.h"
#include "ShellSetupSimSupport.h"

namespace {

using Names = std::vector<std::string>;

const Names kSetupFiles = {"a.fft", "a.ism", "a.log", "a.rta", "a.ssa", "a.tal"};

// The files (not folders) that a file dialog shows once it has read its
// folder; empty when it never settles.
Names Listed(QFileDialog* dialog)
{
    auto* view = dialog->findChild<QListView*>("listView");
    auto* model = view ? qobject_cast<QFileSystemModel*>(view->model()) : nullptr;
    if (!model)
        return {};
    Names names;
    int steady = 0;
    for (int wait = 0; wait < 500 && steady < 5; ++wait) {
        QTest::qWait(10);
        Names now;
        const QModelIndex root = view->rootIndex();
        for (int row = 0; row < model->rowCount(root); ++row) {
            const QModelIndex index = model->index(row, 0, root);
            if (!model->isDir(index))
                now.push_back(index.data().toString().toStdString());
        }
        std::sort(now.begin(), now.end());
        steady = !now.empty() && now == names ? steady + 1 : 0;
        names = now;
    }
    return names;
}

class UseFileDialogsTest : public ::testing::Test, protected shelltest::SimShell {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        // Files of every kind the program reads or writes, and two it has
        // nothing to do with.
        const std::string setup = testsupport::SetupFileBuilder(
                                      testsupport::SetupBlockBuilder(219).Version(4).Name("A").Mode(0).Bytes())
                                      .Key("CVJ57SetupSsa")
                                      .BuildString();
        for (const char* name : {"a.ssa", "a.ism", "a.log", "a.rta", "a.fft", "a.tal"})
            Write(name, setup);
        for (const char* name : {"site.slmdl", "report.txt", "table.csv", "J57-0571234.CVK", "backup.cbk",
                                 "notes.dat", "README"})
            Write(name, "x");
        QDir(folder.path()).mkdir("sub");
        oldCurrent = QDir::currentPath();
        QDir::setCurrent(folder.path());
        ASSERT_TRUE(f.Start({}, folder.path().toStdString()));
    }
    void TearDown() override
    {
        platform::SetAppPrompter(&f.prompter);
        QDir::setCurrent(oldCurrent);
    }

    void Write(const std::string& name, const std::string& bytes)
    {
        std::ofstream(folder.path().toStdString() + "/" + name, std::ios::binary) << bytes;
    }

    // Runs then() on the next file dialog that comes up, after keeping what
    // it lists; then() closes it. Until then the program's dialogs are Qt's.
    void OnFileDialog(std::function<void(QFileDialog*)> then)
    {
        platform::SetAppPrompter(&qtPrompter);
        listed.clear();
        seen = false;
        auto* poll = new QTimer(&f.Frame());
        QObject::connect(poll, &QTimer::timeout, [this, poll, then] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            poll->stop();
            poll->deleteLater();
            seen = true;
            listed = Listed(dialog);
            then(dialog);
            platform::SetAppPrompter(&f.prompter);
        });
        poll->start(20);
    }
    static void Close(QFileDialog* dialog) { dialog->reject(); }

    void ClickToolbar(int id) { shelltest::ClickToolbarButton(f.Frame(), id); }

    QTemporaryDir folder;
    QString oldCurrent;
    platform::QtPrompter qtPrompter;
    Names listed;
    bool seen = false;
};

// Open Setup File lists every setup file; the SSA setup it opens saves to
// .ssa files only.
TEST_F(UseFileDialogsTest, SetupFileDialogsListTheirSetupFiles)
{
    OnFileDialog(Close);
    ClickToolbar(cmd::OpenSetupFile);
    EXPECT_TRUE(seen);
    EXPECT_EQ(listed, kSetupFiles);

    f.prompter.ExpectFile(folder.filePath("a.ssa").toStdString());
    ClickToolbar(cmd::OpenSetupFile);
    ASSERT_EQ(f.Doc().GetSdiView()->GetSetupList()->GetCount(), 1);
    f.Doc().GetSdiView()->SelectSetup(0);
    f.Frame().UpdateCommandUI();
    OnFileDialog(Close);
    ClickToolbar(cmd::SaveSetupToFile);
    EXPECT_TRUE(seen);
    EXPECT_EQ(listed, Names{"a.ssa"});
}

// Browse on the download page lists download files.
TEST_F(UseFileDialogsTest, DownloadBrowseListsDownloadFiles)
{
    // One stored measurement: its name, type and times at their columns.
    auto slot = [](const std::string& text, size_t width) { return (text + std::string(width, ' ')).substr(0, width); };
    const std::string time = slot("05Jan2003 12:30:00", 20);
    j57.files.push_back({slot("RUN1", 10) + slot("LOG", 5) + slot("Site", 32) + time + time + time + time + slot("300", 8),
                         "data"});
    ASSERT_EQ(f.Doc().ConnectInstrument(1, 9600), 0);
    f.profile.WriteProfileInt("Download", "Type", 101);
    ClickToolbar(cmd::DownloadView);
    CMeasView* view = f.Doc().GetMeasView();
    ASSERT_NE(view, nullptr);
    view->GetList()->item(0)->setSelected(true);
    OnFileDialog(Close);
    QTest::mouseClick(view->findChild<QPushButton*>("browseButton"), Qt::LeftButton);
    EXPECT_TRUE(seen);
    EXPECT_EQ(listed, Names{"site.slmdl"});
}

// The firmware dialog's Browse lists firmware and calibration backup files,
// in either case.
TEST_F(UseFileDialogsTest, FirmwareBrowseListsFirmwareAndBackupFiles)
{
    ASSERT_EQ(f.Doc().ConnectInstrument(1, 9600), 0);
    f.prompter.Expect("Purge all data", platform::IDOK);
    bool firmwareSeen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [this, &poll, &firmwareSeen] {
        auto* firmware = qobject_cast<FirmwareUpdateDialog*>(QApplication::activeModalWidget());
        if (!firmware)
            return;
        poll.stop();
        firmwareSeen = true;
        OnFileDialog(Close);
        QTest::mouseClick(firmware->findChild<QPushButton*>("browseButton"), Qt::LeftButton);
        QTest::mouseClick(firmware->findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
    });
    poll.start(20);
    EXPECT_TRUE(shelltest::ClickMenuEntry(f.Frame(), "&File", "&Upgrade Firmware..."));
    EXPECT_TRUE(firmwareSeen);
    EXPECT_TRUE(seen);
    EXPECT_EQ(listed, (Names{"J57-0571234.CVK", "backup.cbk"}));
}

// Export Data, reached from the File menu once a report of a download file
// shows in the Translate view, lists text files and, with the other file
// type chosen, CSV files. The library's count and translation of the file
// are played by stand-ins.
TEST_F(UseFileDialogsTest, ExportListsTextThenCsvFiles)
{
    SetFileRecordCounter([](const std::string&) {
        FileRecordCount result;
        result.model = 57;
        result.counts[15] = 1;  // one system settings record
        return result;
    });
    reporttest::ScriptedTranslation translation;
    translation.Add(reporttest::SystemRecord()).Add(testsupport::OutputRecordBuilder(50));
    CDataReport::SetTranslator(&translation);
    struct Restore {
        ~Restore()
        {
            CDataReport::SetTranslator(nullptr);
            SetFileRecordCounter({});
        }
    } restore;
    const std::string download = folder.filePath("site.slmdl").toStdString();
    f.profile.WriteProfileString("Defaults", "LastPath", download);

    ClickToolbar(cmd::TranslateView);
    auto* tree = f.Frame().findChild<CBinTreeView*>();
    ASSERT_NE(tree, nullptr);
    QTreeWidgetItem* file = tree->FindItem(download);
    ASSERT_NE(file, nullptr);
    // A click on the item's branch mark opens it. The tree's pane keeps the
    // width an earlier test gave it: what is clicked is scrolled into view.
    tree->scrollToItem(file);
    const QRect row = tree->visualItemRect(file);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(row.left() - tree->indentation() / 2, row.center().y()));
    ASSERT_EQ(file->childCount(), 1);
    QTreeWidgetItem* settings = file->child(0);
    EXPECT_EQ(settings->text(0), "1 .Sys Settings");
    tree->scrollToItem(settings);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(settings).topLeft() + QPoint(4, 4));
    ASSERT_NE(f.Doc().GetReportView(), nullptr);
    ASSERT_EQ(f.Doc().GetReportView()->GetReportType(), 2);

    Names csv;
    OnFileDialog([&csv](QFileDialog* dialog) {
        auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
        ASSERT_NE(types, nullptr);
        QTest::keyClick(types, Qt::Key_Down);
        csv = Listed(dialog);
        Close(dialog);
    });
    EXPECT_TRUE(shelltest::ClickMenuEntry(f.Frame(), "&File", "&Export Data..."));
    EXPECT_TRUE(seen);
    EXPECT_EQ(listed, Names{"report.txt"});
    EXPECT_EQ(csv, Names{"table.csv"});
}

}  // namespace
