#pragma once
// The then page of a real-time analyser setup: what follows the end of a
// triggered run (stop, repeat a number of times, or average a number of
// runs).
#include "RtaSetupPage.h"

class RangeEdit;

class PropPageRtaThen : public RtaSetupPage {
    Q_OBJECT
public:
    PropPageRtaThen();

    void Load() override;
    bool Save() override;
    void EnableAdvanced(bool enabled) override;

protected:
    void OnInitDialog() override;

private:
    // The action chosen enables the count it uses.
    void OnEndThenSelChange();

    QLabel* endThenLabel_;
    QComboBox* endThen_;
    QLabel* repeatCountLabel_;
    RangeEdit* repeatCount_;
    QLabel* averageCountLabel_;
    RangeEdit* averageCount_;
};
