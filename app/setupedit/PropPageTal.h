#pragma once
// The first page of a ZU-Reru tonality setup: title, detector, weighting and
// run time of the sound level meter, gain and average tone count of the
// tonality analysis.
#include "DurationEdits.h"
#include "TalSetupPage.h"

class QComboBox;
class RangeEdit;

class PropPageTal : public TalSetupPage {
    Q_OBJECT
public:
    PropPageTal();

    void Load() override;
    bool Save() override;
    // Leaving the page saves it; nothing is checked.
    bool OnKillActive() override;

protected:
    void OnInitDialog() override;

private:
    CharClassEdit* title_ = nullptr;
    QLabel* fileName_ = nullptr;
    QComboBox* detector_;
    QComboBox* weighting_;
    QComboBox* gain_;
    RangeEdit* toneCount_;
    DurationEdits runTime_;
};
