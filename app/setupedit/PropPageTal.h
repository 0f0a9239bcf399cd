#pragma once
// The first page of a ZU-Reru tonality setup: title, detector, weighting and
// run time of the sound level meter, gain and average tone count of the
// tonality analysis.
#include "DurationEdits.h"
#include "PageControls.h"
#include "SetupPage.h"

class QComboBox;
class RangeEdit;
class TALSetup;

// The header, label and badge both ZU-Reru pages show.
class TalSetupPage : public SetupPage {
public:
    TalSetupPage(const QString& caption, int dialogId);
    void SetHeader() override;

protected:
    TALSetup* BoundTal() const;
    void CreateBadge() { CreateBitmap(bitmap_, 241); }

private:
    BitmapStatic bitmap_;
};

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
