#pragma once
// The four exceedance levels and the hysteresis of a LOG setup, as the events
// page edits them and the triggering page shows them.
#include <functional>

class FloatEdit;
class LOGSetup;
class QComboBox;
class QGroupBox;
class QWidget;
class RangeEdit;

struct ExceedanceLevels {
    FloatEdit* splLevel1 = nullptr;
    RangeEdit* splLevel2 = nullptr;
    RangeEdit* peak1Level = nullptr;
    RangeEdit* peak2Level = nullptr;
    QComboBox* hysteresis = nullptr;

    // The fields in a "Triggering" group of parent.
    QGroupBox* Make(QWidget* parent);
    // Ranges and text limits, at the page's dialog initialisation.
    void Configure();
    // Each level shown when it passes its field's test, else the level the
    // instrument starts with.
    void Load(const LOGSetup& log);
    // Writes the fields for which edited is true.
    void Save(LOGSetup& log, const std::function<bool(const QWidget*)>& edited) const;
};
