#pragma once
// The first page of the system settings: what identifies the instrument
// (model, serial number, the mode and name of its active setup) and its
// editable name and two description lines.
#include "SysSetupPage.h"

class CharClassEdit;
class SetupDocument;

class PropPageSystem : public SysSetupPage {
    Q_OBJECT
public:
    PropPageSystem();

    void Load() override;
    bool Save() override;

protected:
    void OnInitDialog() override;

private:
    CPageToolTip toolTip_;
    SetupDocument* doc_ = nullptr;
    QLabel* model_;
    QLabel* serialNumber_;
    QLabel* revision_;
    QLabel* instrumentType_;
    QLabel* activeSetup_;
    CharClassEdit* name_;
    CharClassEdit* description1_;
    CharClassEdit* description2_;
};
