#pragma once
// The modem page of the system settings: modem control, dial-out on alarm or
// exceedance, the number to dial, the monitor number and the modem's
// initialisation string.
#include "SysSetupPage.h"

class QCheckBox;
class QLineEdit;
class RangeEdit;

class PropPageSysModem : public SysSetupPage {
    Q_OBJECT
public:
    PropPageSysModem();

    void Load() override;
    bool Save() override;

protected:
    void OnInitDialog() override;

private:
    QCheckBox* modemEnabled_;
    QCheckBox* dialOnExceedance_;
    QCheckBox* dialOnAlarm_;
    QCheckBox* makerModem_;
    QLineEdit* telephone_;
    RangeEdit* monitorNumber_;
    QLineEdit* initString_;
};
