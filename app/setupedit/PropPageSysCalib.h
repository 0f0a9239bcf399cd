#pragma once
// The calibration page of the system settings: transducer and noise floor,
// random-incidence correction, the daily automatic calibration check, the
// calibrator and the linear engineering units of the FFT analyser. The noise
// floor belongs to the setup record, not to the system block: the document
// sends it to the instrument on its own after storing the settings.
#include "SysSetupPage.h"

class CharClassEdit;
class EngFloatEdit;
class FloatEdit;
class QCheckBox;
class QComboBox;
class QLineEdit;
class RangeEdit;

class PropPageSysCalib : public SysSetupPage {
    Q_OBJECT
public:
    PropPageSysCalib();

    void Load() override;
    bool Save() override;

protected:
    void OnInitDialog() override;

private:
    void OnTransducerChanged();
    void OnMicChanged(int row);
    void OnEnableClicked();

    CPageToolTip toolTip_;
    QComboBox* transducer_;
    QComboBox* mic_;
    FloatEdit* noiseFloor_;
    QCheckBox* randomIncidence_;
    QCheckBox* autoCheck_;
    QCheckBox* noiseFloorCheck_;
    RangeEdit* hour_;
    RangeEdit* minute_;
    FloatEdit* calibratorLevel_;
    QLineEdit* calibratorSerial_;
    EngFloatEdit* scaleFactor_;
    QComboBox* unitsLabel_;
};
