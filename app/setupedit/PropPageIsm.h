#pragma once
// The page of an integrating sound level meter setup: title, detector,
// weightings, threshold, exchange rate, range and AC outputs.
#include "PageControls.h"
#include "SetupPage.h"
#include "SlmLists.h"

class CharClassEdit;
class ISMSetup;
class RangeEdit;

class PropPageIsm : public SetupPage {
    Q_OBJECT
public:
    PropPageIsm();

    void Load() override;
    bool Save() override;
    // The header names the setup only from the first call on.
    void SetHeader() override;

protected:
    void OnInitDialog() override;

private:
    ISMSetup* BoundIsm() const;

    BitmapStatic bitmap_;
    CharClassEdit* title_;
    QLabel* fileName_;
    SlmLists lists_;
    RangeEdit* threshold_;
    QComboBox* exchangeRate_;
};
