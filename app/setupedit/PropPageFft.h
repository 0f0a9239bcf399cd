#pragma once
// The page of an FFT analyser setup: title, gain, bandwidth, count
// averaging, overload skipping and the FFT window.
#include <array>

#include "PageControls.h"
#include "SetupPage.h"

class CharClassEdit;
class FFTSetup;
class QCheckBox;
class QRadioButton;
class RangeEdit;

class PropPageFft : public SetupPage {
    Q_OBJECT
public:
    PropPageFft();

    void Load() override;
    bool Save() override;
    // Leaving the page stores its controls at once.
    bool OnKillActive() override;

protected:
    void OnInitDialog() override;

private:
    FFTSetup* BoundFft() const;

    BitmapStatic bitmap_;
    CharClassEdit* title_;
    QLabel* fileName_;
    QComboBox* gain_;
    QComboBox* bandwidth_;
    RangeEdit* averages_;
    QCheckBox* overloadSkipping_;
    std::array<QRadioButton*, 3> windows_;
};
