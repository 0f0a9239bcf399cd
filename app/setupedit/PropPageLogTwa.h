#pragma once
// The time-weighted average (dose) page of a logging sound level meter
// setup: the criterion time and the "Current" and "Overall" criterion level,
// threshold and exchange rate.
#include "PageControls.h"
#include "LogSetupPage.h"

class RangeEdit;

class PropPageLogTwa : public LogSetupPage {
    Q_OBJECT
public:
    PropPageLogTwa();

    void Load() override;
    bool Save() override;

protected:
    void OnInitDialog() override;

private:

    CPageToolTip toolTip_;
    BitmapStatic bitmap_;
    RangeEdit* criterionTime_;
    RangeEdit* criterionLevel_;
    RangeEdit* threshold_;
    QComboBox* exchangeRate_;
    RangeEdit* overallCriterionLevel_;
    RangeEdit* overallThreshold_;
    QComboBox* overallExchangeRate_;
};
