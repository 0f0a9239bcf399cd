#pragma once
// The "Interval History" group of the interval pages of the logging and the
// sound level meter / real-time analyser setups: the enable box and four
// options, the exchange rate, the threshold with its unit and the interval
// period. Every control but the enable box follows the enable box; time
// synchronisation and auto stop exclude each other. The threshold's stored
// value is the page's to show and write (the two setups keep it apart).
#include <optional>
#include <vector>

#include "DurationEdits.h"

class MeasurementSetup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class RangeEdit;
class SetupPage;

class IntervalHistoryGroup {
public:
    // The group on page; the period's fields are named periodPrefix +
    // "Hours" and so on (see DurationEdits).
    IntervalHistoryGroup(SetupPage* page, const QString& periodPrefix);

    QGroupBox* Group() const { return group_; }
    RangeEdit* Threshold() const { return threshold_; }
    // A further row under the period whose label and field follow the
    // enable box.
    void AddRow(const char* label, QWidget* field);
    // The ranges and text limits, set with the page's dialog initialisation.
    void Attach();
    // The boxes, the period and the exchange rate as block stores them; the
    // enable rule runs after.
    void Load(const MeasurementSetup& block);
    void ApplyEnableRule();
    // Writes what the user changed but the threshold; options stay as they
    // stand in their boxes, greyed or not.
    void Save(MeasurementSetup& block) const;

private:
    void OnTimeSyncClicked();
    void OnAutoStopClicked();

    const SetupPage* page_;
    QGroupBox* group_;
    QGridLayout* grid_;
    int rows_ = 0;
    QCheckBox* enabled_;
    QCheckBox* timeSync_;
    QCheckBox* lnSave_;
    QCheckBox* autoStop_;
    QCheckBox* completeHistogram_;
    QComboBox* exchangeRate_;
    RangeEdit* threshold_;
    // Made after the threshold, so that its fields follow it in the tab
    // order.
    std::optional<DurationEdits> period_;
    // The controls and labels that follow the enable box, the period's
    // fields aside.
    std::vector<QWidget*> followers_;
};
