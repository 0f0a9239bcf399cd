#pragma once
// The control connector page of the system settings: when the logic output
// is driven (on chosen events, in run mode or on exceedance), how long it is
// held, and what the logic input does.
#include <array>

#include "SysSetupPage.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QRadioButton;
class RangeEdit;

class PropPageSysControls : public SysSetupPage {
    Q_OBJECT
public:
    PropPageSysControls();

    void Load() override;
    bool Save() override;

protected:
    void OnInitDialog() override;

private:
    void ApplyEnableRule();
    void OnEventRadioClicked();
    void OnOtherRadioClicked(QRadioButton* clicked);
    void ClearRadios();

    CPageToolTip toolTip_;
    QCheckBox* enable_;
    QRadioButton* eventRadio_;
    QRadioButton* runRadio_;
    QRadioButton* excdRadio_;
    QButtonGroup* radios_;
    // RMS, Peak, Interval, A:D: bits 1, 2, 4, 8 of the output code.
    std::array<QCheckBox*, 4> events_{};
    RangeEdit* holdTime_;
    QLabel* holdLabel_;
    QLabel* secondsLabel_;
    QComboBox* inputMode_;
};
