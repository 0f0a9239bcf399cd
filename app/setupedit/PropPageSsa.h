#pragma once
// The first page of a sound level meter / real-time analyser setup: title,
// SLM and RTA detectors, weightings, gain, bandwidth and AC output.
#include "PageControls.h"
#include "SetupPage.h"

class QComboBox;
class SSASetup;

class PropPageSsa : public SetupPage {
    Q_OBJECT
public:
    PropPageSsa();

    void Load() override;
    bool Save() override;
    void SetHeader() override;
    // Leaving the page saves it; nothing is checked.
    bool OnKillActive() override;

protected:
    void OnInitDialog() override;

private:
    SSASetup* BoundSsa() const;

    BitmapStatic bitmap_;
    CharClassEdit* title_ = nullptr;
    QLabel* fileName_ = nullptr;
    QComboBox* slmDetector_;
    QComboBox* rtaDetector_;
    QComboBox* weighting_;
    QComboBox* peak1_;
    QComboBox* rtaWeighting_;
    QComboBox* gain_;
    QComboBox* bandwidth_;
    QComboBox* acOutput_;
};
