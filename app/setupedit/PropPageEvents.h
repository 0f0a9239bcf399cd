#pragma once
// The exceedance ("event") page of a logging sound level meter setup: the
// four exceedance levels, the hysteresis and the exceedance history options.
#include "ExceedanceLevels.h"
#include "LogSetupPage.h"
#include "PageControls.h"

class QCheckBox;
class RangeEdit;

class PropPageEvents : public LogSetupPage {
    Q_OBJECT
public:
    PropPageEvents();

    void Load() override;
    bool Save() override;

protected:
    void OnInitDialog() override;

private:
    // "PassBy" needs a time-history period of a power of two.
    // The period takes only powers of two while the trigger is "PassBy".
    void SetPeriodRule(bool passBy);
    void OnTriggerChanged(int index);

    CPageToolTip toolTip_;
    BitmapStatic bitmap_;
    ExceedanceLevels levels_;
    QCheckBox* historyEnabled_;
    RangeEdit* minimumDuration_;
    QCheckBox* thEnabled_;
    RangeEdit* thPeriod_;
    QComboBox* trigger_;
    QComboBox* time_;
    RangeEdit* timedMinutes_;
    RangeEdit* timedSeconds_;
};
