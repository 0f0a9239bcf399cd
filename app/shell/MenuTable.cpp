#include "MenuTable.h"

#include "CommandIds.h"

const std::vector<const char*>& MainMenuTitles()
{
    static const std::vector<const char*> titles{"&File", "&View", "&Setups", "&Data", "&Help"};
    return titles;
}

const std::vector<MenuItemDef>& MainMenuItems()
{
    static const std::vector<MenuItemDef> items{
        {"&File", "&Connect...", cmd::Connect, false},
        {"&File", "&Get Setups from J57", cmd::GetSetups, true},
        {"&File", "&New Setup...\tCtrl+N", cmd::NewSetup, false},
        {"&File", "&Open Setup File...\tCtrl+O", cmd::OpenSetupFile, true},
        {"&File", "&Save Setup to File...\tCtrl+S", cmd::SaveSetupToFile, false},
        {"&File", "Save Setup to &J57", cmd::SaveSetupToJ57, true},
        {"&File", "&Export Data...", cmd::ExportData, false},
        {"&File", "V&iew Data in Spreadsheet", cmd::ViewDataInSpreadsheet, true},
        {"&File", "C&lose Setup", cmd::CloseSetup, false},
        {"&File", "Close &All Setups", cmd::CloseAllSetups, true},
        {"&File", "&Print...\tCtrl+P", cmd::Print, false},
        {"&File", "Print Pre&view", cmd::PrintPreview, false},
        {"&File", "P&rint Setup...", cmd::PrintSetup, true},
        {"&File", "&Upgrade Firmware...", cmd::UpgradeFirmware, true},
        {"&File", "E&xit", cmd::Exit, false},
        {"&View", "&Setup View", cmd::SetupView, false},
        {"&View", "&Download View", cmd::DownloadView, false},
        {"&View", "&Translate View", cmd::TranslateView, true},
        {"&View", "&Histogram Options", cmd::HistogramOptions, false},
        {"&View", "Set &RT60 Options", cmd::Rt60Options, true},
        {"&View", "T&oolbar", cmd::ViewToolbar, false},
        {"&View", "Status &Bar", cmd::ViewStatusBar, false},
        {"&Setups", "&Rename Setup", cmd::RenameSetup, false},
        {"&Setups", "Make Setup &Current", cmd::MakeSetupCurrent, false},
        {"&Setups", "&Lock Setup", cmd::LockSetup, false},
        {"&Setups", "&Unlock Setup", cmd::UnlockSetup, false},
        {"&Setups", "&Delete", cmd::DeleteSetup, false},
        {"&Data", "&Download Measurement", cmd::DownloadView, false},
        {"&Data", "&Translate Measurement", cmd::TranslateView, false},
        {"&Data", "&Purge All J57 Data Files", cmd::PurgeAll, false},
        {"&Data", "&Run Instrument", cmd::RunInstrument, false},
        {"&Data", "&Stop Instrument", cmd::StopInstrument, false},
        {"&Help", "&Help Document", cmd::HelpDocument, true},
        {"&Help", "&About J57 Utility...", cmd::About, false},
    };
    return items;
}

const std::vector<ToolButtonDef>& ToolbarButtons()
{
    static const std::vector<ToolButtonDef> buttons{
        {cmd::Connect, "Connect"},
        {0, nullptr},
        {cmd::GetSetups, "Retrieve setups from J57"},
        {cmd::NewSetup, "New J57 Setup"},
        {cmd::OpenSetupFile, "Open Setup File"},
        {0, nullptr},
        {cmd::SaveSetupToFile, "Save Setup to a File"},
        {cmd::SaveSetupToJ57, "Store Setup in J57"},
        {0, nullptr},
        {cmd::SetupView, "Setup Window"},
        {cmd::DownloadView, "Download Window"},
        {cmd::TranslateView, "Translate Window"},
        {0, nullptr},
        {cmd::ViewDataInSpreadsheet, "Launch spreadsheet and view data"},
    };
    return buttons;
}

const std::vector<AcceleratorDef>& Accelerators()
{
    static const std::vector<AcceleratorDef> keys{
        {"Ctrl+8", cmd::SaveSetupToJ57},
        {"Ctrl+N", cmd::NewSetup},
        {"Ctrl+O", cmd::OpenSetupFile},
        {"Ctrl+S", cmd::SaveSetupToFile},
        {"Ctrl+P", cmd::Print},
        {"Ctrl+C", cmd::EditCopy},
        {"Ctrl+Ins", cmd::EditCopy},
        {"Ctrl+V", cmd::EditPaste},
        {"Shift+Ins", cmd::EditPaste},
        {"Ctrl+X", cmd::EditCut},
        {"Shift+Del", cmd::EditCut},
        {"Ctrl+Z", cmd::EditUndo},
        {"Alt+Backspace", cmd::EditUndo},
        {"F1", cmd::Help},
        {"Shift+F1", cmd::ContextHelp},
        {"F6", cmd::NextPane},
        {"Shift+F6", cmd::PrevPane},
    };
    return keys;
}

const std::vector<ContextCommandDef>& SetupContextCommands()
{
    static const std::vector<ContextCommandDef> commands{
        {cmd::UnlockSetup, "&Unlock Setup"},
        {cmd::RenameSetup, "&Rename Setup"},
        {cmd::LockSetup, "&Lock Setup"},
        {cmd::DeleteSetup, "&Delete Setup"},
        {cmd::MakeSetupCurrent, "Make Setup &Current"},
    };
    return commands;
}

const char* SetupContextText(int id)
{
    for (const ContextCommandDef& c : SetupContextCommands())
        if (c.id == id)
            return c.text;
    return nullptr;
}
