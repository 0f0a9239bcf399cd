#pragma once
// The interval history page of a logging sound level meter setup: whether
// interval records are stored, their period, exchange rate and threshold,
// and four interval options.
#include "IntervalHistoryGroup.h"
#include "LogSetupPage.h"
#include "PageControls.h"

class PropPageLogIntv : public LogSetupPage {
    Q_OBJECT
public:
    PropPageLogIntv();

    void Load() override;
    bool Save() override;

protected:
    void OnInitDialog() override;

private:
    CPageToolTip toolTip_;
    BitmapStatic bitmap_;
    IntervalHistoryGroup interval_;
};
