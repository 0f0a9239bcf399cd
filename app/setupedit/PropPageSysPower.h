#pragma once
// The power page of the system settings: what the instrument does after a
// spell of inactivity (blank the display, turn itself off, or nothing), the
// backlight, the external power source and the display contrast.
#include "SysSetupPage.h"

class DayEdit;
class QCheckBox;
class QComboBox;

class PropPageSysPower : public SysSetupPage {
    Q_OBJECT
public:
    PropPageSysPower();

    void Load() override;
    bool Save() override;

protected:
    void OnInitDialog() override;

private:
    void ApplyModeRule();
    void ApplyBacklightRule();

    CPageToolTip toolTip_;
    QComboBox* powerOffMode_;
    QLabel* timeLabel_;
    DayEdit* powerOffTime_;
    QLabel* minutesLabel_;
    QLabel* explanation_;
    QCheckBox* backlightOn_;
    QLabel* backlightBefore_;
    DayEdit* backlightTime_;
    QLabel* backlightAfter_;
    QComboBox* externalPower_;
    QComboBox* contrast_;
};
