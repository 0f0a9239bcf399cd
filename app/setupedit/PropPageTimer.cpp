#include "PropPageTimer.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "DateEdits.h"
#include "PageLayout.h"
#include "PageText.h"
#include "SetupRec.h"

namespace {

const char* const kModeTexts[] = {"Timer Off", "Block Timer", "1 / Daily", "2 / Daily"};
const char* const kTimeNames[] = {"start1", "stop1", "start2", "stop2"};
const char* const kTimeLabels[] = {"Start Time 1", "Stop Time 1", "Start Time 2", "Stop Time 2"};

}  // namespace

PropPageTimer::PropPageTimer(int setupType)
    : PropPageTimer(setupType, 155, setupType == 7 ? 234 : 228, kSlmHeaderPrefix, true)
{
}

PropPageTimer::PropPageTimer(int setupType, int dialogId, int bitmapId, const char* headerPrefix,
                             bool modeRuleOnLoad)
    : SetupPage("Timer", dialogId),
      type_(setupType),
      bitmapId_(bitmapId),
      headerPrefix_(headerPrefix),
      modeRuleOnLoad_(modeRuleOnLoad)
{
    auto* modeGroup = new QGroupBox("Timer Mode", this);
    auto* modeColumn = new QVBoxLayout(modeGroup);
    for (int i = 0; i < 4; ++i) {
        modes_[i] = MakeButton<QRadioButton>(modeGroup, QString("mode%1").arg(i), kModeTexts[i]);
        modeColumn->addWidget(modes_[i]);
        connect(modes_[i], &QRadioButton::clicked, this, [this, i] { OnModeClicked(i); });
    }
    Body()->addWidget(modeGroup);

    auto* grid = new QGridLayout;
    auto label = [this](const char* text) { return new QLabel(QString::fromLatin1(text), this); };
    QLabel* yearLabel = label("Year");
    QLabel* monthLabel = label("Month");
    QLabel* dayLabel = label("Day");
    grid->addWidget(yearLabel, 0, 1);
    grid->addWidget(monthLabel, 0, 2);
    grid->addWidget(dayLabel, 0, 3);
    QLabel* runLabel = label("Run Date");
    QLabel* stopLabel = label("Stop Date");
    dateGroup_ = {yearLabel, monthLabel, dayLabel, runLabel, stopLabel};
    int row = 1;
    for (auto [fields, text, prefix] : {std::tuple{&run_, runLabel, "run"}, std::tuple{&stop_, stopLabel, "stop"}}) {
        fields->year = MakeEdit<YearEdit>(this, (QByteArray(prefix) + "Year").constData());
        fields->month = MakeEdit<MonthEdit>(this, (QByteArray(prefix) + "Month").constData());
        fields->day = MakeEdit<DayEdit>(this, (QByteArray(prefix) + "Day").constData());
        grid->addWidget(text, row, 0);
        grid->addWidget(fields->year, row, 1);
        grid->addWidget(fields->month, row, 2);
        grid->addWidget(fields->day, row, 3);
        dateGroup_.insert(dateGroup_.end(), {fields->year, fields->month, fields->day});
        ++row;
    }
    for (int pair = 0; pair < 2; ++pair) {
        QLabel* hh = label("hh");
        QLabel* mm = label("mm");
        grid->addWidget(hh, row, 1);
        grid->addWidget(mm, row, 2);
        ++row;
        std::vector<QWidget*>& group = pair == 0 ? firstTimes_ : secondTimes_;
        group = {hh, mm};
        for (int k = pair * 2; k < pair * 2 + 2; ++k) {
            times_[k].hour = MakeEdit<DayEdit>(this, (QByteArray(kTimeNames[k]) + "Hour").constData());
            times_[k].minute = MakeEdit<DayEdit>(this, (QByteArray(kTimeNames[k]) + "Minute").constData());
            QLabel* text = label(kTimeLabels[k]);
            grid->addWidget(text, row, 0);
            grid->addWidget(times_[k].hour, row, 1);
            grid->addWidget(times_[k].minute, row, 2);
            group.insert(group.end(), {text, times_[k].hour, times_[k].minute});
            ++row;
        }
    }
    Body()->addLayout(grid);
    Body()->addStretch(1);
}

NamedSetup* PropPageTimer::BoundBlock() const
{
    if (!GetSetup() || !HasWindow())
        return nullptr;
    if (type_ == 7)
        return GetSetup()->GetLOGSetup();
    return GetSetup()->GetSSASetup();
}

void PropPageTimer::OnInitDialog()
{
    CreateBitmap(bitmap_, bitmapId_);
    for (TimeFields& time : times_) {
        time.hour->SetRange(0, 23);
        time.minute->SetRange(0, 59);
        time.hour->setMaxLength(2);
        time.minute->setMaxLength(2);
    }
    for (DateFields* date : {&run_, &stop_}) {
        date->year->SetRange(1980, 2099);
        date->year->setMaxLength(4);
        date->month->setMaxLength(3);
        date->day->setMaxLength(2);
    }
    if (GetSetup())
        Load();
}

void PropPageTimer::SetHeader()
{
    // The sound analyser's timer page also says "Sound Level Meter".
    if (BoundBlock())
        Header()->setText(HeaderText(headerPrefix_));
}

void PropPageTimer::ApplyModeRule(int mode)
{
    const bool dates = mode >= 1 && mode <= 3;
    const bool second = mode == 3;
    for (QWidget* w : dateGroup_)
        w->setEnabled(dates);
    for (QWidget* w : firstTimes_)
        w->setEnabled(dates);
    for (QWidget* w : secondTimes_)
        w->setEnabled(second);
}

void PropPageTimer::OnModeClicked(int mode)
{
    if (modes_[mode]->isChecked())
        ApplyModeRule(mode);
}

void PropPageTimer::LoadDate(const DateFields& fields, int year, int month, int day)
{
    // A date the fields refuse shows fixed fallbacks, never what the
    // previous setup left in them; Save writes them only when edited.
    ShowChecked(fields.year, IntText(year), "2000");
    fields.month->SetMonth(month);
    ShowChecked(fields.day, TwoDigitText(day), "01");
}

void PropPageTimer::Load()
{
    NamedSetup* block = BoundBlock();
    if (!block)
        return;
    SetHeader();
    int mode = block->GetTimerMode();
    if (mode < 0 || mode > 3)
        mode = 0;
    // Ticking one button unticks the others.
    modes_[mode]->setChecked(true);
    int year = 0, month = 0, day = 0;
    block->GetRunDate(year, month, day);
    LoadDate(run_, year, month, day);
    block->GetStopDate(year, month, day);
    LoadDate(stop_, year, month, day);
    void (NamedSetup::*getters[])(int&, int&) const = {&NamedSetup::GetStartTime1, &NamedSetup::GetStopTime1,
                                                        &NamedSetup::GetStartTime2, &NamedSetup::GetStopTime2};
    for (int k = 0; k < 4; ++k) {
        int hour = 0, minute = 0;
        (block->*getters[k])(hour, minute);
        ShowChecked(times_[k].hour, TwoDigitText(hour), "00");
        ShowChecked(times_[k].minute, TwoDigitText(minute), "00");
    }
    if (modeRuleOnLoad_)
        ApplyModeRule(mode);
}

bool PropPageTimer::Save()
{
    NamedSetup* block = BoundBlock();
    if (!block)
        return true;
    if (Edited({modes_[0], modes_[1], modes_[2], modes_[3]})) {
        int mode = 0;
        for (int i = 0; i < 4; ++i) {
            if (modes_[i]->isChecked()) {
                mode = i;
                break;
            }
        }
        block->SetTimerMode(mode);
    }
    // A date or a time is written through one setter: its parts the user
    // did not edit go back as stored.
    using DateGetter = void (NamedSetup::*)(int&, int&, int&) const;
    using DateSetter = void (NamedSetup::*)(int, int, int);
    const struct {
        const DateFields& fields;
        DateGetter get;
        DateSetter set;
    } dates[] = {{run_, &NamedSetup::GetRunDate, &NamedSetup::SetRunDate},
                 {stop_, &NamedSetup::GetStopDate, &NamedSetup::SetStopDate}};
    for (const auto& d : dates) {
        if (!Edited({d.fields.year, d.fields.month, d.fields.day}))
            continue;
        WriteShared(block, [&](bool edits) {
            int year = 0, month = 0, day = 0;
            (block->*d.get)(year, month, day);
            if (edits && Edited(d.fields.year))
                year = AtoI(d.fields.year->text());
            if (edits && Edited(d.fields.month))
                month = d.fields.month->GetMonth();
            if (edits && Edited(d.fields.day))
                day = AtoI(d.fields.day->text());
            (block->*d.set)(year, month, day);
        });
    }
    void (NamedSetup::*getters[])(int&, int&) const = {&NamedSetup::GetStartTime1, &NamedSetup::GetStopTime1,
                                                        &NamedSetup::GetStartTime2, &NamedSetup::GetStopTime2};
    void (NamedSetup::*setters[])(int, int) = {&NamedSetup::SetStartTime1, &NamedSetup::SetStopTime1,
                                               &NamedSetup::SetStartTime2, &NamedSetup::SetStopTime2};
    for (int k = 0; k < 4; ++k) {
        const TimeFields& time = times_[k];
        if (!Edited({time.hour, time.minute}))
            continue;
        const auto get = getters[k];
        const auto set = setters[k];
        WriteShared(block, [&, get, set](bool edits) {
            int hour = 0, minute = 0;
            (block->*get)(hour, minute);
            if (edits && Edited(time.hour))
                hour = AtoI(time.hour->text());
            if (edits && Edited(time.minute))
                minute = AtoI(time.minute->text());
            (block->*set)(hour, minute);
        });
    }
    return true;
}
