// Commands that wait on the instrument, driven as the program runs them: with
// the pump hook that main installs, so that a click made while a command
// waits reaches the window. Such a click must not free what the command uses.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include <QComboBox>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "CMeasView.h"
#include "CSdiView.h"
#include "Clock.h"
#include "CommandIds.h"
#include "J57Xmodem.h"
#include "MeasListCtrl.h"
#include "PropPageDownload.h"
#include "QtPlatform.h"
#include "ShellSetupSimSupport.h"

namespace fs = std::filesystem;

namespace {


// What the user does while the command waits.
enum class Poke { TypeFilter, SetupViewButton };

class BusyCommandTest : public ::testing::Test, protected shelltest::SenderHolder, protected shelltest::SimShell {
protected:
    BusyCommandTest()
    {
        // The pump hook and the wait cursor exactly as the program has them.
        platform::InstallQtPump();
        dir = fs::temp_directory_path() / ("j57busy-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        for (int i = 0; i < 6; ++i)
            j57.files.push_back({shelltest::StoredFileInfo("RUN" + std::to_string(i), "LOG"), "file " + std::to_string(i)});
        sim.On("X160", [this](const std::string&) {
            {
                std::lock_guard lock(sim.Mutex());
                sender.payload = j57.files[static_cast<size_t>(std::max(j57.selected, 1) - 1)].payload;
            }
            sim.AfterReply([this] { sender.Run(sim); });
            return std::optional<std::string>("");
        });
    }
    ~BusyCommandTest() override
    {
        platform::SetPumpHook({});
        platform::WaitCursor::SetHook({});
        fs::remove_all(dir);
    }

    int Count(const std::string& command) const
    {
        int n = 0;
        for (const std::string& c : sim.Commands())
            n += c == command;
        return n;
    }

    // Runs poke once, from the window's own event loop, as soon as ready()
    // holds: the command under test is then inside one of its waits.
    void WhenReady(std::function<bool()> ready, std::function<void()> poke)
    {
        auto* timer = new QTimer(&f.Frame());
        timer->setInterval(1);
        QObject::connect(timer, &QTimer::timeout, [this, timer, ready, poke] {
            if (!ready())
                return;
            timer->stop();
            timer->deleteLater();
            frameEnabledAtPoke = f.Frame().isEnabled();
            busyAtPoke = f.Frame().IsBusy();
            poke();
            poked = true;
        });
        timer->start();
    }

    QWidget* ToolButton(int id)
    {
        for (QAction* action : f.Frame().ActionsOf(id))
            if (QWidget* button = f.Frame().GetToolBar()->widgetForAction(action))
                return button;
        return nullptr;
    }

    void Do(Poke poke)
    {
        if (poke == Poke::TypeFilter) {
            // The user picks the next entry of "Show Files of Type:".
            CMeasView* view = f.Doc().GetMeasView();
            ASSERT_NE(view, nullptr);
            QComboBox* combo = view->GetTypeCombo();
            combo->setFocus();
            QTest::keyClick(combo, Qt::Key_Up);
        } else {
            QTest::mouseClick(ToolButton(cmd::SetupView), Qt::LeftButton);
        }
    }

    void OpenDownloadView()
    {
        f.profile.WriteProfileInt("Download", "Type", CMeasView::kAllBinary);
        ASSERT_TRUE(f.Start());
        ASSERT_EQ(f.Doc().ConnectInstrument(1, 9600), 0);
        QTest::mouseClick(ToolButton(cmd::DownloadView), Qt::LeftButton);
        ASSERT_NE(f.Doc().GetMeasView(), nullptr);
    }

    fs::path dir;
    bool poked = false;
    bool busyAtPoke = false;
    bool frameEnabledAtPoke = false;
};

struct PokeCase {
    const char* name;
    Poke poke;
};

class BusyDownloadTest : public BusyCommandTest, public ::testing::WithParamInterface<PokeCase> {};

// Between two measurements of a download (while the second one is recalled)
// the window takes no input: the filter stays, the view stays, and both
// files arrive.
TEST_P(BusyDownloadTest, AClickBetweenTwoMeasurementsOfADownloadIsIgnored)
{
    OpenDownloadView();
    CMeasView* view = f.Doc().GetMeasView();
    const QPointer<CMeasView> alive(view);
    view->GetList()->clearSelection();
    view->GetList()->item(1)->setSelected(true);
    view->GetList()->item(4)->setSelected(true);
    f.prompter.ExpectFile((dir / "site").string());
    view->GetPage()->OnBrowse();

    // The first recall asks "R181" once; the second once more.
    const int counted = Count("R181");
    WhenReady([this, counted] { return Count("R181") >= counted + 2; }, [this] { Do(GetParam().poke); });
    view->GetPage()->findChild<QPushButton*>("downloadButton")->click();

    ASSERT_TRUE(poked);
    EXPECT_TRUE(busyAtPoke);
    EXPECT_TRUE(frameEnabledAtPoke);  // no progress window was up: the click reached the window
    EXPECT_FALSE(f.Frame().IsBusy());
    ASSERT_TRUE(alive);
    EXPECT_EQ(f.Doc().GetMeasView(), view);
    EXPECT_EQ(view->GetTypeFilter(), CMeasView::kAllBinary);
    EXPECT_TRUE(fs::exists(dir / "site_002.slmdl"));
    EXPECT_TRUE(fs::exists(dir / "site_005.slmdl"));
    EXPECT_TRUE(view->GetList()->RecordAt(4)->IsDownloadComplete());
}

// While Download View walks the instrument's directory the same clicks are
// ignored: the view it fills stays and gets every file.
TEST_P(BusyDownloadTest, AClickDuringTheDirectoryWalkIsIgnored)
{
    f.profile.WriteProfileInt("Download", "Type", CMeasView::kAllBinary);
    ASSERT_TRUE(f.Start());
    ASSERT_EQ(f.Doc().ConnectInstrument(1, 9600), 0);
    WhenReady([this] { return Count("&F101") >= 2 && f.Doc().GetMeasView(); }, [this] { Do(GetParam().poke); });
    QTest::mouseClick(ToolButton(cmd::DownloadView), Qt::LeftButton);

    ASSERT_TRUE(poked);
    EXPECT_TRUE(busyAtPoke);
    CMeasView* view = f.Doc().GetMeasView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetTypeFilter(), CMeasView::kAllBinary);
    EXPECT_EQ(view->GetMeasurementCount(), 6);
    EXPECT_EQ(f.Doc().GetMeasurementList().GetCount(), 6u);
    EXPECT_FALSE(f.Frame().IsBusy());
}

INSTANTIATE_TEST_SUITE_P(Pokes, BusyDownloadTest,
                         ::testing::Values(PokeCase{"TypeFilter", Poke::TypeFilter},
                                           PokeCase{"SetupView", Poke::SetupViewButton}),
                         [](const auto& info) { return std::string(info.param.name); });

// A menu opened while a setup is stored would put its questions between the
// store's exchanges: the menu does not open, nothing is asked, and the store
// reports its own result.
TEST_F(BusyCommandTest, AMenuOpeningDuringAStoreAsksNothing)
{
    j57.revision = "3.70";
    ASSERT_TRUE(f.Start());
    ASSERT_EQ(f.Doc().ConnectInstrument(1, 9600), 0);
    f.Doc().GetSdiView()->SelectSetup(0);  // the system setup, stored without a name dialog
    f.Frame().UpdateCommandUI();           // as the idle update does
    sim.ClearTranscript();
    bool menuOpened = false;
    // The store first asks whether the instrument runs, and waits a moment.
    WhenReady([this] { return Count("R3,1") >= 1; },
              [this, &menuOpened] {
                  QMenuBar* bar = f.Frame().menuBar();
                  QMenu* setups = f.Frame().GetMenu("&Setups");
                  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(setups->menuAction()).center());
                  menuOpened = setups->isVisible();
              });
    f.prompter.Expect("System setup uploaded successfully", platform::IDOK);
    QTest::mouseClick(ToolButton(cmd::SaveSetupToJ57), Qt::LeftButton);

    ASSERT_TRUE(poked);
    EXPECT_TRUE(busyAtPoke);
    EXPECT_FALSE(menuOpened);
    EXPECT_EQ(Count("Q204"), 0);
    EXPECT_EQ(Count("R180"), 0);
    EXPECT_EQ(setups.system[0], 5);
    EXPECT_EQ(f.prompter.Pending(), 0u);
}

}  // namespace
