#pragma once
// The first page of a logging sound level meter setup: title, detector,
// frequency weighting, Peak 1 weighting, range and the AC outputs.
#include "PageControls.h"
#include "LogSetupPage.h"
#include "SlmLists.h"

class CharClassEdit;

class PropPageLog : public LogSetupPage {
    Q_OBJECT
public:
    PropPageLog();

    void Load() override;
    bool Save() override;
    // Leaving the page stores its controls at once.
    bool OnKillActive() override;

protected:
    void OnInitDialog() override;
    // Every activation rebuilds the header.
    void OnSetActive() override;

private:
    CPageToolTip toolTip_;
    BitmapStatic bitmap_;
    CharClassEdit* title_;
    QLabel* fileName_;
    SlmLists lists_;
};
