#pragma once
// What the shell's GUI tests share: an application object on an in-memory
// profile with a scripted prompter, and small helpers for modal dialogs and
// deferred deletes.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>
#include <QTimer>

#include "CBinTreeView.h"
#include "CMainFrame.h"
#include "CSdiApp.h"
#include "CSdiDoc.h"
#include "CommandIds.h"
#include "Files.h"
#include "Profile.h"
#include "ScriptedPrompter.h"
#include "TranslatorVersion.h"

namespace shelltest {

// The shell's tests against the simulated J57 run the instrument's pauses
// twenty times faster, but leave it half its real time to answer: a wait for
// an answer ends as soon as the answer comes, and on a busy machine the
// simulator's thread may get its turn 100 ms and more after the command.
constexpr double kSimPauseScale = 0.05;
constexpr double kSimAnswerScale = 0.5;

// Stands in for the program registered for a file type: records what would
// be opened and which extensions were asked about.
class RecordingOpener : public platform::ShellOpener {
public:
    bool Open(const std::string& path) override
    {
        opened.push_back(path);
        return result;
    }
    bool IsViewerRegistered(const std::string& extension) override
    {
        asked.push_back(extension);
        return registered;
    }
    std::vector<std::string> opened;
    std::vector<std::string> asked;
    bool registered = true;
    bool result = true;
};

class ShellFixture {
public:
    ShellFixture()
    {
        platform::SetAppProfile(&profile);
        // The file tree shows the test's temporary folder, not the machine.
        CBinTreeView::SetRootLister([] { return std::vector<std::string>{QDir::tempPath().toStdString()}; });
    }
    ~ShellFixture()
    {
        app.reset();
        platform::SetAppProfile(nullptr);
        SetTranslatorVersionQuery({});
        CBinTreeView::SetRootLister({});
    }

    // Starts the program with these command-line words in startDir.
    bool Start(const std::vector<std::string>& args = {}, const std::string& startDir = "/start/folder")
    {
        app = std::make_unique<CSdiApp>(startDir);
        return app->InitInstance(args);
    }
    CMainFrame& Frame() { return *app->GetMainFrame(); }
    CSdiDoc& Doc() { return *app->GetDocument(); }

    platform::MemoryProfile profile;
    testsupport::ScriptedPrompter prompter;
    std::unique_ptr<CSdiApp> app;
};

// Texts of a menu's items, separators as "-".
inline std::vector<std::string> MenuTexts(const QMenu* menu)
{
    std::vector<std::string> texts;
    for (const QAction* action : menu->actions())
        texts.push_back(action->isSeparator() ? "-" : action->text().toStdString());
    return texts;
}

// Answers the next modal dialog with accept (true) or reject.
inline void AnswerNextDialog(bool accept)
{
    QTimer::singleShot(0, [accept] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            accept ? dialog->accept() : dialog->reject();
    });
}

// Clicks the toolbar button of a command, as the user does.
inline void ClickToolbarButton(CMainFrame& frame, int id)
{
    auto* toolBar = frame.findChild<QToolBar*>("toolBar");
    for (QAction* action : frame.ActionsOf(id))
        if (QWidget* button = toolBar ? toolBar->widgetForAction(action) : nullptr) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    ADD_FAILURE() << "no toolbar button for command " << id;
}

// New Setup on the toolbar, the mode's radio button and OK: the user makes
// a setup of that mode.
inline void ClickNewSetup(CMainFrame& frame, const char* radio)
{
    QTimer::singleShot(0, [radio] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QRadioButton*>(radio)->click();
        QTest::mouseClick(dialog->findChild<QPushButton*>("okButton"), Qt::LeftButton);
    });
    ClickToolbarButton(frame, cmd::NewSetup);
}

// Opens a menu of the menu bar with a click on its title, as a person does;
// true when it opened. It is closed again afterwards.
inline bool OpenMenu(CMainFrame& frame, const QString& title)
{
    QMenuBar* bar = frame.menuBar();
    QMenu* menu = frame.GetMenu(title);
    if (!menu)
        return false;
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    const bool opened = menu->isVisible();
    menu->hide();
    return opened;
}

// Opens a menu of the menu bar with a click on its title, which brings its
// entries up to date, and clicks its entry of that text, as a person does.
// False, with the menu closed, when the entry is missing or greyed.
inline bool ClickMenuEntry(CMainFrame& frame, const QString& title, const QString& entry)
{
    QMenuBar* bar = frame.menuBar();
    QMenu* menu = frame.GetMenu(title);
    if (!menu)
        return false;
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    for (QAction* action : menu->actions())
        if (action->text() == entry && menu->isVisible() && action->isEnabled()) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            return true;
        }
    menu->hide();
    return false;
}

inline void RunDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace shelltest
