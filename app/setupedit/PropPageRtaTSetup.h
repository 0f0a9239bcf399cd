#pragma once
// The trigger setup page of a real-time analyser setup: triggering on or
// off, the band that triggers, and whether a run follows the logic input.
// Its "Enable Triggering" box also governs the arm, trigger, end, then and
// logic-out pages of the set (through the sheet).
#include "RtaSetupPage.h"

class PropPageRtaTSetup : public RtaSetupPage {
    Q_OBJECT
public:
    PropPageRtaTSetup();

    void Load() override;
    bool Save() override;
    // The box's state while the window exists; true before.
    bool IsTriggeringEnabled() const;

protected:
    void OnInitDialog() override;

private:
    void OnEnableTriggering();
    void OnRunOnInput();

    QCheckBox* enableTriggering_;
    QLabel* triggerSourceLabel_;
    QComboBox* triggerSource_;
    QLabel* hzLabel_;
    QCheckBox* runOnInput_;
    QLabel* runLogicLabel_;
    QComboBox* runLogic_;
};
