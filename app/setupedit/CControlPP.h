#pragma once
// The "Controls" page inside the advanced page: the heater and the
// calibration tone of a sound analyser or logging setup.
#include "AdvancedNestedPage.h"

class QCheckBox;

class CControlPP : public AdvancedNestedPage {
    Q_OBJECT
public:
    CControlPP();

    void Load() override;
    bool Save() override;
    bool UpdateData(bool save) override;

protected:
    void OnInitDialog() override;

private:
    int heater_ = 0;
    int calTone_ = 0;
    QCheckBox* heaterBox_;
    QCheckBox* calToneBox_;
};
