#include "PropPageSysTime.h"

#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimerEvent>

#include "DateEdits.h"
#include "PageLayout.h"
#include "PageText.h"
#include "Prompter.h"
#include "PropSheetSetup.h"
#include "SetupDocument.h"

namespace {

class DocumentClock : public InstrumentClock {
public:
    explicit DocumentClock(SetupDocument* doc) : doc_(doc) {}
    bool IsSetupViewActive() const override { return doc_->IsSetupViewActive(); }
    int Get(int& year, int& month, int& day, int& hour, int& minute, int& second) const override
    {
        return doc_->GetInstrumentClock(year, month, day, hour, minute, second);
    }
    int Set(std::time_t localTime) override { return doc_->SetInstrumentClock(localTime); }
    int SetFromPC() override { return doc_->SetInstrumentClockFromPC(); }

private:
    SetupDocument* doc_;
};

constexpr int kTickMs = 1000;

}  // namespace

PropPageSysTime::PropPageSysTime() : SysSetupPage("Date/Time", 170, "J57 Internal Clock Date / Time")
{
    auto* readout = new QGridLayout;
    readout->addWidget(new QLabel("J57 Internal Date / Time:", this), 0, 0);
    date_ = new QLabel("00-000-0000", this);
    date_->setObjectName("clockDate");
    time_ = new QLabel("00:00:00", this);
    time_->setObjectName("clockTime");
    readout->addWidget(date_, 0, 1);
    readout->addWidget(time_, 0, 2);
    Body()->addLayout(readout);

    computerTime_ = MakeButton<QRadioButton>(this, "computerTime", "Use computer Date / Time to set J57 Date / Time");
    manual_ = MakeButton<QRadioButton>(this, "manualTime", "Enter Date / Time manually");
    Body()->addWidget(computerTime_);
    Body()->addWidget(manual_);

    auto* fields = new QHBoxLayout;
    auto* dateGroup = new QGroupBox("Date", this);
    auto* dateGrid = new QGridLayout(dateGroup);
    auto* timeGroup = new QGroupBox("Time", this);
    auto* timeGrid = new QGridLayout(timeGroup);
    year_ = MakeEdit<YearEdit>(dateGroup, "year");
    month_ = MakeEdit<MonthEdit>(dateGroup, "month");
    day_ = MakeEdit<DayEdit>(dateGroup, "day");
    hour_ = MakeEdit<DayEdit>(timeGroup, "hour");
    minute_ = MakeEdit<DayEdit>(timeGroup, "minute");
    second_ = MakeEdit<DayEdit>(timeGroup, "second");
    fieldGroup_ = {dateGroup, timeGroup};
    const struct {
        QGridLayout* grid;
        const char* label;
        QWidget* field;
    } columns[] = {
        {dateGrid, "Year", year_}, {dateGrid, "Month", month_}, {dateGrid, "Day", day_},
        {timeGrid, "hh", hour_},   {timeGrid, "mm", minute_},   {timeGrid, "ss", second_},
    };
    int column = 0;
    for (const auto& c : columns) {
        if (column == 3)
            column = 0;
        auto* label = new QLabel(QString::fromLatin1(c.label), c.field->parentWidget());
        c.grid->addWidget(label, 0, column);
        c.grid->addWidget(c.field, 1, column++);
        fieldGroup_.insert(fieldGroup_.end(), {label, c.field});
    }
    fields->addWidget(dateGroup);
    fields->addWidget(timeGroup);
    Body()->addLayout(fields);

    set_ = new CMappedBitmapButton("Set", this);
    set_->setObjectName("set");
    Body()->addWidget(set_, 0, Qt::AlignLeft);
    Body()->addStretch(1);

    connect(computerTime_, &QRadioButton::clicked, this, [this] { OnComputerTimeClicked(); });
    connect(manual_, &QRadioButton::clicked, this, [this] { OnManualClicked(); });
    connect(set_, &QPushButton::clicked, this, [this] { OnSetClicked(); });
}

PropPageSysTime::~PropPageSysTime()
{
    if (timerId_)
        killTimer(timerId_);
}

void PropPageSysTime::SetClock(std::unique_ptr<InstrumentClock> clock)
{
    clock_ = std::move(clock);
}

void PropPageSysTime::OnInitDialog()
{
    if (!clock_) {
        const PropSheetSetup* sheet = GetSheet();
        if (SetupDocument* doc = sheet ? sheet->GetDocument() : nullptr)
            clock_ = std::make_unique<DocumentClock>(doc);
    }
    CreateSystemBitmap();
    toolTip_.Create(this);
    year_->SetRange(1980, 2099);
    year_->setMaxLength(4);
    month_->setMaxLength(3);
    day_->SetRange(1, 31);
    hour_->SetRange(0, 23);
    minute_->SetRange(0, 59);
    second_->SetRange(0, 59);
    for (DayEdit* edit : {day_, hour_, minute_, second_})
        edit->setMaxLength(2);
    set_->AutoLoadMapped(176, 207, 206, 205);
    timerId_ = startTimer(kTickMs);
    if (timerId_ == 0) {
        platform::AppPrompter().Message("Can't display system time", platform::Icon::Error, platform::Buttons::Ok,
                                        "Timer Error");
        return;
    }
    if (GetSetup())
        Load();
}

void PropPageSysTime::Load()
{
    computerTime_->setChecked(true);
    OnComputerTimeClicked();
}

void PropPageSysTime::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == timerId_)
        OnClockTick();
    else
        SysSetupPage::timerEvent(event);
}

// At most one clock query a second reaches the instrument, and only while
// the user looks at this page in the Setup view.
void PropPageSysTime::OnClockTick()
{
    const PropSheetSetup* sheet = GetSheet();
    if (!sheet || sheet->currentWidget() != this || window()->isMinimized() || !clock_ ||
        !clock_->IsSetupViewActive() || busy_)
        return;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (clock_->Get(year, month, day, hour, minute, second) == kNotConnected) {
        date_->clear();
        time_->clear();
        lastSecond_ = -1;
        lastDay_ = -1;
        return;
    }
    if (second != lastSecond_) {
        time_->setText(QString::asprintf("%02d:%02d:%02d", hour, minute, second));
        if (day != lastDay_) {
            QString name;
            month_->GetMonthText(month - 1, name);
            date_->setText(QString::asprintf("%04d ", year) + name + QString::asprintf(" %02d", day));
        }
    }
    lastSecond_ = second;
    lastDay_ = day;
}

void PropPageSysTime::EnableFields(bool on)
{
    for (QWidget* w : fieldGroup_)
        w->setEnabled(on);
}

void PropPageSysTime::OnComputerTimeClicked()
{
    if (!computerTime_->isChecked())
        return;
    set_->LoadMappedBitmaps(177, 179, 178, 180);
    EnableFields(false);
}

void PropPageSysTime::OnManualClicked()
{
    if (!manual_->isChecked())
        return;
    set_->LoadMappedBitmaps(176, 207, 206, 205);
    EnableFields(true);
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    ShowChecked(year_, date.year(), "1998");
    month_->SetMonth(date.month());
    day_->setText(IntText(date.day()));
    ShowChecked(hour_, TwoDigitText(time.hour()), "00");
    ShowChecked(minute_, TwoDigitText(time.minute()), "00");
    ShowChecked(second_, TwoDigitText(time.second()), "00");
}

// The instrument's answer is not reported: the read-out shows what took.
// Day and month are not checked against each other: mktime carries a 31st
// of February into March.
void PropPageSysTime::OnSetClicked()
{
    busy_ = true;
    if (clock_ && manual_->isChecked()) {
        std::tm tm{};
        tm.tm_year = AtoI(year_->text()) - 1900;
        tm.tm_mon = month_->GetMonth() - 1;
        tm.tm_mday = AtoI(day_->text());
        tm.tm_hour = AtoI(hour_->text());
        tm.tm_min = AtoI(minute_->text());
        tm.tm_sec = AtoI(second_->text());
        tm.tm_isdst = -1;
        clock_->Set(std::mktime(&tm));
    } else if (clock_ && computerTime_->isChecked()) {
        clock_->SetFromPC();
    }
    busy_ = false;
}
