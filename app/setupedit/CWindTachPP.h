#pragma once
// The "Wind/Tach" page inside the advanced page: the wind/tachometer input
// of a sound analyser or logging setup. Speeds are stored as raw counts of
// the input and shown in wind units (raw count times the wind scale), so a
// new scale shows the stored counts anew. Blocks before format 5 have no
// wind input: the whole page is greyed.
#include <array>
#include <string>

#include "AdvancedNestedPage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

class CWindTachPP : public AdvancedNestedPage {
    Q_OBJECT
public:
    CWindTachPP();

    using AdvancedNestedPage::SetSetup;
    void SetSetup(SetupRec* setup, int type);

    void Load() override;
    bool Save() override;
    bool UpdateData(bool save) override;

protected:
    void OnInitDialog() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyEnableRule();
    void OnEnableClicked();
    // Shows the block again after a value was written at once.
    void Reload();
    void OnWindyPauseClicked();
    void OnDirectionUnitsChosen();
    // A speed field or the scale has lost the focus.
    void OnFieldLeft(QLineEdit* field);
    // Shows the framework's message for a field that failed and gives it the
    // focus; returns false.
    bool Refuse(QLineEdit* field, const char* text);

    // The values the controls exchange with.
    int enable_ = 0;
    int windyPause_ = 0;
    int exceedanceLevel_ = 40;
    float scale_ = 0.0f;
    int threshold_ = 5;
    std::string units_;
    int hysteresis_ = 0;
    int trig25_ = 0;
    int sourceExt_ = 0;
    int version_ = 5;
    // While a refusal moves the focus back, no other field is left.
    bool refusing_ = false;

    QCheckBox* enableBox_;
    QCheckBox* windyPauseBox_;
    QLineEdit* scaleEdit_;
    QLineEdit* unitsEdit_;
    QLineEdit* thresholdEdit_;
    QLineEdit* exceedanceEdit_;
    QLineEdit* hysteresisEdit_;
    QComboBox* directionUnits_;
    // "O.O", "2.5", "Int", "Ext".
    std::array<QRadioButton*, 4> radios_;
};
