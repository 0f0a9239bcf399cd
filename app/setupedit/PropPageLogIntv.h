#pragma once
// The interval history page of a logging sound level meter setup: whether
// interval records are stored, their period, exchange rate and threshold,
// and four interval options.
#include <vector>

#include "LogSetupPage.h"
#include "PageControls.h"

class DayEdit;
class QCheckBox;
class RangeEdit;

class PropPageLogIntv : public LogSetupPage {
    Q_OBJECT
public:
    PropPageLogIntv();

    void Load() override;
    bool Save() override;

protected:
    void OnInitDialog() override;

private:
    // Every interval control but the enable box follows the enable box.
    void ApplyEnableRule();
    // Time synchronisation and auto stop exclude each other.
    void OnTimeSyncClicked();
    void OnAutoStopClicked();

    CPageToolTip toolTip_;
    BitmapStatic bitmap_;
    QCheckBox* enabled_;
    QCheckBox* timeSync_;
    QCheckBox* lnSave_;
    QCheckBox* autoStop_;
    QCheckBox* completeHistogram_;
    RangeEdit* threshold_;
    DayEdit* hours_;
    DayEdit* minutes_;
    DayEdit* seconds_;
    QComboBox* exchangeRate_;
    std::vector<QLabel*> labels_;
};
