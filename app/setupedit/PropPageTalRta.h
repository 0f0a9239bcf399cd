#pragma once
// The RTA page of a ZU-Reru tonality setup: the analyser's detector and its
// run time (a duration of its own, apart from the sound level meter's).
#include "DurationEdits.h"
#include "TalSetupPage.h"

class PropPageTalRta : public TalSetupPage {
    Q_OBJECT
public:
    PropPageTalRta();

    void Load() override;
    bool Save() override;
    bool OnKillActive() override;

protected:
    void OnInitDialog() override;

private:
    QLabel* fileName_;
    QComboBox* detector_;
    DurationEdits runTime_;
};
