#pragma once
// A page that shows the exceedance levels of a logging sound level meter
// setup without editing them. No page set of the sheet holds it (the events
// page edits these fields).
#include "ExceedanceLevels.h"
#include "LogSetupPage.h"
#include "PageControls.h"

class PropPageTrigger : public LogSetupPage {
    Q_OBJECT
public:
    PropPageTrigger();

    void Load() override;
    // The page only displays.
    bool Save() override { return true; }

protected:
    void OnInitDialog() override;

private:
    CPageToolTip toolTip_;
    BitmapStatic bitmap_;
    ExceedanceLevels levels_;
};
