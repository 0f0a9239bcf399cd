#pragma once
// Hours, minutes and seconds of a duration in three two-digit fields side by
// side, a drawn colon between them (hours 0..99, minutes and seconds 0..59).
#include <QString>

class DayEdit;
class QHBoxLayout;
class QWidget;

class DurationEdits {
public:
    // The fields are named prefix + "Hours", "Minutes", "Seconds".
    DurationEdits(QWidget* parent, const QString& prefix);

    QHBoxLayout* Layout() const { return layout_; }
    // The ranges and text limits, set with the page's dialog initialisation.
    void Attach();
    // Shows each value as two digits, "00" where it fails its range.
    void Show(int hours, int minutes, int seconds);
    void SetEnabled(bool on);
    int Hours() const;
    int Minutes() const;
    int Seconds() const;

private:
    DayEdit* hours_;
    DayEdit* minutes_;
    DayEdit* seconds_;
    QHBoxLayout* layout_;
};
