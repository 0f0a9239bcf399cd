#pragma once
// The time-history page family: whether a time history is recorded, its
// sampling period (a count of a period unit), the level resolution and the
// quantities each sample carries. The sound analyser, logging and ZU-Reru
// setups each have one page of the family on their own block; the three
// differ in the items they offer and in a few rules, told by their variant.
#include <vector>

#include "PageControls.h"
#include "SetupPage.h"

class MeasurementSetup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class RangeEdit;

class ThSetupPage : public SetupPage {
    Q_OBJECT
public:
    struct Variant {
        int type;              // setup type code of the page set
        int dialogId;
        int bitmapId;
        const char* headerPrefix;
        const char* dialogHeader;
    };

    void Load() override;
    bool Save() override;
    void SetHeader() override;

protected:
    explicit ThSetupPage(const Variant& variant);
    void OnInitDialog() override;

private:
    struct ItemBox {
        QCheckBox* box;
        int offset;  // 182..187
        int mask;
    };

    MeasurementSetup* Bound() const;
    bool IsSsa() const { return variant_.type == 5; }
    bool IsLog() const { return variant_.type == 7; }
    bool IsTal() const { return variant_.type == 8; }
    QCheckBox* AddItem(QWidget* parent, const char* text, int offset, int mask);
    void BuildGrid(QGroupBox* group);
    void BuildOtherItems(QGroupBox* group);
    // Minimum 0 or 1 and the step of the period for the LAFTM5 box and unit.
    void ApplyPeriodLimits();
    int UnitStep(bool laftm5) const;
    // The advanced items and the wind items (these shown only from format 5).
    void EnableAdvancedItems(bool on);
    void OnEnableTimeHistory();
    void OnSelchangeOtherLevel();
    void OnLaftm5();
    void OnSelchangePeriodUnit();
    void OnRtaClicked(QCheckBox* clicked, QCheckBox* other);

    Variant variant_;
    int version_ = 0;
    bool loading_ = false;
    BitmapStatic bitmap_;
    CPageToolTip toolTip_;
    QCheckBox* enabled_;
    RangeEdit* period_;
    QComboBox* unit_;
    QComboBox* resolution_;
    QComboBox* otherLevel_ = nullptr;
    QGroupBox* group_;
    QCheckBox* laftm5_ = nullptr;
    QCheckBox* rtaLeq_ = nullptr;
    QCheckBox* rtaLive_ = nullptr;
    std::vector<QCheckBox*> wind_;
    std::vector<ItemBox> items_;
    // Follow the enable box alone; follow the advanced rule.
    std::vector<QWidget*> basic_;
    std::vector<QWidget*> advanced_;
};
