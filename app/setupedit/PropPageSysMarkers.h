#pragma once
// A page for five marker names of the system settings. No page set of the
// sheet holds it and the system block keeps no marker names: loaded, it
// shows five empty fields, and it stores nothing.
#include <array>

#include "SysSetupPage.h"

class CharClassEdit;

class PropPageSysMarkers : public SysSetupPage {
    Q_OBJECT
public:
    PropPageSysMarkers();

    void Load() override;
    bool Save() override { return true; }

protected:
    void OnInitDialog() override;

private:
    CPageToolTip toolTip_;
    // "Marker 1" to "Marker 5".
    std::array<CharClassEdit*, 5> markers_;
};
