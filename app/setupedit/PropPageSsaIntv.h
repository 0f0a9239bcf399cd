#pragma once
// The interval history page of a sound level meter / real-time analyser
// setup: whether interval records are stored, their period, exchange rate,
// threshold and spectra, and four interval options.
#include <vector>

#include "DurationEdits.h"
#include "PageControls.h"
#include "SetupPage.h"

class QCheckBox;
class QComboBox;
class RangeEdit;
class SSASetup;

class PropPageSsaIntv : public SetupPage {
    Q_OBJECT
public:
    PropPageSsaIntv();

    void Load() override;
    bool Save() override;
    void SetHeader() override;

protected:
    void OnInitDialog() override;

private:
    SSASetup* BoundSsa() const;
    // Every interval control but the enable box follows the enable box.
    void ApplyEnableRule();
    // Time synchronisation and auto stop exclude each other.
    void OnTimeSyncClicked();
    void OnAutoStopClicked();

    BitmapStatic bitmap_;
    QCheckBox* enabled_;
    QCheckBox* timeSync_;
    QCheckBox* lnSave_;
    QCheckBox* autoStop_;
    QCheckBox* completeHistogram_;
    RangeEdit* threshold_;
    DurationEdits period_;
    QComboBox* exchangeRate_;
    QComboBox* spectra_;
    std::vector<QWidget*> group_;
};
