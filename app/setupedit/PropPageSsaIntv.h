#pragma once
// The interval history page of a sound level meter / real-time analyser
// setup: whether interval records are stored, their period, exchange rate,
// threshold and spectra, and four interval options.
#include "IntervalHistoryGroup.h"
#include "PageControls.h"
#include "SetupPage.h"

class QComboBox;
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

    BitmapStatic bitmap_;
    IntervalHistoryGroup interval_;
    QComboBox* spectra_;
};
