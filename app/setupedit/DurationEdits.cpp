#include "DurationEdits.h"

#include <initializer_list>

#include <QHBoxLayout>
#include <QLabel>

#include "DateEdits.h"
#include "PageLayout.h"
#include "PageText.h"

DurationEdits::DurationEdits(QWidget* parent, const QString& prefix) : layout_(new QHBoxLayout)
{
    const auto name = [&prefix](const char* part) {
        return (prefix.isEmpty() ? QString::fromLatin1(part).toLower() : prefix + part).toLatin1();
    };
    hours_ = MakeEdit<DayEdit>(parent, name("Hours").constData());
    minutes_ = MakeEdit<DayEdit>(parent, name("Minutes").constData());
    seconds_ = MakeEdit<DayEdit>(parent, name("Seconds").constData());
    for (QWidget*& separator : separators_)
        separator = new QLabel(":", parent);
    layout_->addWidget(hours_);
    layout_->addWidget(separators_[0]);
    layout_->addWidget(minutes_);
    layout_->addWidget(separators_[1]);
    layout_->addWidget(seconds_);
}

void DurationEdits::Attach()
{
    hours_->SetRange(0, 99);
    minutes_->SetRange(0, 59);
    seconds_->SetRange(0, 59);
    for (DayEdit* edit : {hours_, minutes_, seconds_})
        edit->setMaxLength(2);
}

void DurationEdits::Show(int hours, int minutes, int seconds)
{
    ShowChecked(hours_, TwoDigitText(hours), "00");
    ShowChecked(minutes_, TwoDigitText(minutes), "00");
    ShowChecked(seconds_, TwoDigitText(seconds), "00");
}

void DurationEdits::SetEnabled(bool on)
{
    for (QWidget* w : std::initializer_list<QWidget*>{hours_, separators_[0], minutes_, separators_[1], seconds_})
        w->setEnabled(on);
}

int DurationEdits::Hours() const { return AtoI(hours_->text()); }
int DurationEdits::Minutes() const { return AtoI(minutes_->text()); }
int DurationEdits::Seconds() const { return AtoI(seconds_->text()); }
