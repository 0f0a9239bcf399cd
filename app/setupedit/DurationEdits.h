#pragma once
// Hours, minutes and seconds of a duration in three two-digit fields side by
// side, a drawn colon between them (hours 0..99, minutes and seconds 0..59).
#include <array>

#include <QString>

class DayEdit;
class QHBoxLayout;
class QWidget;

class DurationEdits {
public:
    // The fields are named prefix + "Hours", "Minutes", "Seconds"; without a
    // prefix "hours", "minutes", "seconds".
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
    // Hours, minutes and seconds.
    std::array<DayEdit*, 3> Fields() const { return {hours_, minutes_, seconds_}; }

private:
    DayEdit* hours_;
    DayEdit* minutes_;
    DayEdit* seconds_;
    // The drawn colons, greyed with the fields.
    QWidget* separators_[2];
    QHBoxLayout* layout_;
};
