#pragma once
// The main menu, the toolbar, the accelerators and the setup list's context
// commands as tables: the frame builds its widgets from them.
#include <vector>

struct MenuItemDef {
    const char* menu;   // title of the top-level menu
    const char* text;   // item text; '&' marks the access key, '\t' the shortcut
    int id;
    bool separatorAfter;
};

struct ToolButtonDef {
    int id;               // 0 for a separator
    const char* tooltip;  // also the status-bar prompt
};

struct AcceleratorDef {
    const char* keys;  // in QKeySequence's portable form
    int id;
};

struct ContextCommandDef {
    int id;
    const char* text;
};

const std::vector<const char*>& MainMenuTitles();
const std::vector<MenuItemDef>& MainMenuItems();
const std::vector<ToolButtonDef>& ToolbarButtons();
const std::vector<AcceleratorDef>& Accelerators();
// The setup list's context commands (text and drawn image per state).
const std::vector<ContextCommandDef>& SetupContextCommands();
// Text of a context command, nullptr for another id.
const char* SetupContextText(int id);
