#pragma once
// The daily noise history page of a logging sound level meter setup.
#include "LogSetupPage.h"
#include "PageControls.h"

class QCheckBox;

class PropPageDaily : public LogSetupPage {
    Q_OBJECT
public:
    PropPageDaily();

    void Load() override;
    bool Save() override;

protected:
    void OnInitDialog() override;

private:
    // The three options follow "Enable Daily History"; the note shows while
    // the midnight calibration check is ticked. Both rules run on the
    // governing box's clicks only, not when another setup is bound.
    void ApplyEnableRule();
    void ApplyNoteRule();

    CPageToolTip toolTip_;
    BitmapStatic bitmap_;
    QLabel* note_;
    QCheckBox* history_;
    QCheckBox* ln_;
    QCheckBox* histogram_;
    QCheckBox* calCheck_;
};
