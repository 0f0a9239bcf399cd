#pragma once
// Command numbers of the menus, the toolbar and the accelerators. The
// numbers are the program's historical ones; the report view and the setup
// list's context menu use the same. They sit with the resources, below every
// folder that names a command, as the toolbar images are drawn by them.

namespace cmd {

enum : int {
    GetSetups = 32771,
    Connect = 32772,
    SaveSetupToJ57 = 32782,
    UnlockSetup = 32807,
    RenameSetup = 32808,
    LockSetup = 32809,
    DeleteSetup = 32810,
    MakeSetupCurrent = 32811,
    DownloadView = 32812,
    TranslateView = 32813,
    CloseSetup = 32818,
    SetupView = 32820,
    ExportData = 32832,
    ViewDataInSpreadsheet = 32833,
    CloseAllSetups = 32834,
    UpgradeFirmware = 32837,
    HistogramOptions = 32838,
    CreateSetupFromDownload = 32839,
    Rt60Options = 32842,
    PurgeAll = 32844,
    RunInstrument = 32848,
    StopInstrument = 32849,

    NewSetup = 57600,
    OpenSetupFile = 57601,
    SaveSetupToFile = 57604,
    PrintSetup = 57606,
    Print = 57607,
    PrintPreview = 57609,
    EditCopy = 57634,
    EditCut = 57635,
    EditPaste = 57637,
    EditUndo = 57643,
    About = 57664,
    Exit = 57665,
    HelpDocument = 57667,
    ContextHelp = 57669,
    Help = 57670,
    NextPane = 57680,
    PrevPane = 57681,
    ViewToolbar = 59392,
    ViewStatusBar = 59393,
};

}  // namespace cmd
