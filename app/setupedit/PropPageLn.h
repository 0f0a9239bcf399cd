#pragma once
// The statistical-level (Ln) pages of the SSA, LOG and TAL setups: six
// percentiles, the start level, whether Ln values are computed and, for the
// SSA, the spectral Ln values; the weighting and detector of the main page
// are shown for reference. The three blocks keep these fields in the same
// bytes; the pages differ in how they treat "Enable Ln".
#include <array>
#include <vector>

#include "PageControls.h"
#include "SetupPage.h"

class FloatEdit;
class MeasurementSetup;
class QCheckBox;
class RangeEdit;

class LnPage : public SetupPage {
    Q_OBJECT
public:
    void Load() override;
    bool Save() override;
    void SetHeader() override;
    bool OnKillActive() override;

protected:
    enum class Kind { Ssa, Log, Tal };
    LnPage(Kind kind, int dialogId);

    void OnInitDialog() override;
    // Becoming the active tab refreshes what the main page may have changed.
    void OnSetActive() override;

private:
    MeasurementSetup* Bound() const;
    // A click on "Enable Ln"; the greying it governs follows at the end of
    // Load too.
    void OnEnableLnClicked();
    void ApplyLnRule();
    void ShowWeightingAndDetector();

    Kind kind_;
    CPageToolTip toolTip_;
    BitmapStatic bitmap_;
    QCheckBox* enableLn_;
    QComboBox* spectralLn_ = nullptr;
    RangeEdit* startLevel_;
    std::array<FloatEdit*, 6> percentiles_;
    QLabel* weighting_;
    QLabel* detector_;
    // The controls "Enable Ln" governs.
    std::vector<QWidget*> lnControls_;
};

class PropPageSsaLn : public LnPage {
    Q_OBJECT
public:
    PropPageSsaLn() : LnPage(Kind::Ssa, 237) {}
};

class PropPageLogLn : public LnPage {
    Q_OBJECT
public:
    PropPageLogLn() : LnPage(Kind::Log, 150) {}
};

class PropPageTalLn : public LnPage {
    Q_OBJECT
public:
    PropPageTalLn() : LnPage(Kind::Tal, 243) {}
};
