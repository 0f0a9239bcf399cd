#pragma once
// The first two pages of a real-time analyser setup: the analyser's title,
// gain, bandwidth, detector and RT60 step (RTA), and automatic storing
// (AutoStore).
#include "RtaSetupPage.h"

class CharClassEdit;
class FloatEdit;
class RangeEdit;

class PropPageRta : public RtaSetupPage {
    Q_OBJECT
public:
    PropPageRta();

    void Load() override;
    bool Save() override;

protected:
    void OnInitDialog() override;

private:
    // The Lin Detector Time edit serves the linear detector, the two
    // exponential lists the exponential one.
    void OnDetectorSelChange();

    CharClassEdit* title_;
    QComboBox* gain_;
    QComboBox* bandwidth_;
    QComboBox* rt60DbDown_;
    QComboBox* detector_;
    FloatEdit* linDetectorTime_;
    QComboBox* expDetectorTime_;
    QComboBox* expStoreRate_;
};

class PropPageRtaAutoStore : public RtaSetupPage {
    Q_OBJECT
public:
    PropPageRtaAutoStore();

    void Load() override;
    bool Save() override;

protected:
    void OnInitDialog() override;

private:
    // "Enable AutoStore" governs the pretrigger number and "Save ByTime".
    void OnEnableAutoStore();

    QCheckBox* enableAutoStore_;
    QLabel* pretriggerLabel_;
    RangeEdit* pretrigger_;
    QCheckBox* saveByTime_;
};
