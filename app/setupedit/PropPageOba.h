#pragma once
// The first page of an octave band analyser setup of model J46: title, scan
// mode, profile, range, bandwidth, AC output filter and the interval
// settings.
#include <vector>

#include "DurationEdits.h"
#include "PageControls.h"
#include "SetupPage.h"

class CharClassEdit;
class OBASetup;
class QCheckBox;
class QComboBox;

// The header prefix of the octave band analyser pages.
inline constexpr const char* kObaHeaderPrefix = "Octave Band Analyzer -";

class PropPageOba : public SetupPage {
    Q_OBJECT
public:
    PropPageOba();

    void Load() override;
    bool Save() override;
    void SetHeader() override;

protected:
    void OnInitDialog() override;

private:
    OBASetup* BoundOba() const;
    // The interval options and the period follow "Enable Intervals".
    void ApplyEnableRule();

    CPageToolTip toolTip_;
    BitmapStatic bitmap_;
    CharClassEdit* title_;
    QLabel* fileName_;
    QComboBox* scanMode_;
    QComboBox* profile_;
    QComboBox* range_;
    QComboBox* bandwidth_;
    QComboBox* acOutFilter_;
    DurationEdits period_;
    QCheckBox* intervalsEnabled_;
    QCheckBox* timeSync_;
    QCheckBox* autoStop_;
    // The period's labels, greyed with it.
    std::vector<QWidget*> periodLabels_;
};
