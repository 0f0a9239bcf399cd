#pragma once
// Which document commands are enabled or checked, decided from what the
// frame shows and what is selected. The frame asks every time it shows a menu
// or the toolbar and after each command.
#include <optional>

// The view the frame shows.
enum class ActiveView { None, Setup, Download, Translate };

// The setup selected in the Setup view's list, as the rules need it.
struct SelectedSetupState {
    int type = 0;    // setup type code; 1 is the system setup
    int origin = 0;  // 5 file, 6 new, 7 instrument
    bool locked = false;
    bool protect = false;
    bool instrumentActive = false;  // it is the instrument's active setup
};

struct CommandContext {
    ActiveView view = ActiveView::None;
    std::optional<SelectedSetupState> selected;
    bool hasReport = false;  // the report view exists and shows a report
    bool csvViewer = false;  // some program is registered for CSV files
    int setupRows = 0;       // rows of the Setup view's list
    bool connected = false;  // the instrument link exists
};

struct CmdUI {
    int id = 0;
    bool handled = false;  // some handler decided the state
    bool enabled = false;
    bool checkable = false;
    bool checked = false;
    void Enable(bool on)
    {
        handled = true;
        enabled = on;
    }
    void SetCheck(bool on)
    {
        checkable = true;
        checked = on;
    }
};

// Sets ui for the commands whose state the document decides; leaves it
// untouched (handled false) for the others.
void DocumentCommandState(CmdUI& ui, const CommandContext& ctx);
