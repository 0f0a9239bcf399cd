#include "PropPageLogIntv.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>

#include "DateEdits.h"
#include "PageLayout.h"
#include "RangeEdit.h"

namespace {

QCheckBox* MakeBox(QWidget* parent, const char* name, const char* text)
{
    auto* box = new QCheckBox(QString::fromLatin1(text), parent);
    box->setObjectName(name);
    return box;
}

}  // namespace

PropPageLogIntv::PropPageLogIntv() : LogSetupPage("Intervals", 153)
{
    auto* group = new QGroupBox("Interval History", this);
    auto* grid = new QGridLayout(group);
    enabled_ = MakeBox(group, "intervalEnabled", "Enable Interval History");
    timeSync_ = MakeBox(group, "timeSync", "Enable Interval Time Synchronization");
    lnSave_ = MakeBox(group, "lnSave", "Save Ln's as part of interval records");
    autoStop_ = MakeBox(group, "autoStop", "Interval Auto Stop - stop measurement at end of each Interval");
    completeHistogram_ = MakeBox(group, "completeHistogram", "Store Complete Histogram");
    int row = 0;
    for (QCheckBox* box : {enabled_, timeSync_, lnSave_, autoStop_, completeHistogram_})
        grid->addWidget(box, row++, 0, 1, 3);
    exchangeRate_ = MakeList(group, "exchangeRate", {"3 dB", "4 dB", "5 dB", "6 dB"});
    threshold_ = MakeEdit<RangeEdit>(group, "threshold");
    hours_ = MakeEdit<DayEdit>(group, "hours");
    minutes_ = MakeEdit<DayEdit>(group, "minutes");
    seconds_ = MakeEdit<DayEdit>(group, "seconds");
    labels_.push_back(AddRow(grid, row++, "Exchange Rate", exchangeRate_));
    labels_.push_back(AddRow(grid, row, "Threshold", threshold_));
    auto* unit = new QLabel("dB", group);
    grid->addWidget(unit, row++, 2);
    labels_.push_back(unit);
    auto* period = new QHBoxLayout;
    for (DayEdit* edit : {hours_, minutes_, seconds_})
        period->addWidget(edit);
    auto* periodLabel = new QLabel("Interval Period", group);
    grid->addWidget(periodLabel, row, 0);
    grid->addLayout(period, row, 1);
    labels_.push_back(periodLabel);
    Body()->addWidget(group);
    Body()->addStretch(1);

    connect(enabled_, &QCheckBox::clicked, this, &PropPageLogIntv::ApplyEnableRule);
    connect(timeSync_, &QCheckBox::clicked, this, &PropPageLogIntv::OnTimeSyncClicked);
    connect(autoStop_, &QCheckBox::clicked, this, &PropPageLogIntv::OnAutoStopClicked);
}

void PropPageLogIntv::OnInitDialog()
{
    CreateBitmap(bitmap_, 234);
    toolTip_.Create(this);
    hours_->SetRange(0, 99);
    minutes_->SetRange(0, 59);
    seconds_->SetRange(0, 59);
    for (DayEdit* edit : {hours_, minutes_, seconds_})
        edit->setMaxLength(2);
    threshold_->SetRange(0, 255);
    threshold_->setMaxLength(3);
    if (GetSetup())
        Load();
}

void PropPageLogIntv::Load()
{
    LOGSetup* log = BoundLog();
    if (!log)
        return;
    SetHeader();
    enabled_->setChecked(log->GetIntervalHistoryEnabled() != 0);
    timeSync_->setChecked(log->GetIntervalTimeSync() != 0);
    lnSave_->setChecked(log->GetIntervalLnSave() != 0);
    autoStop_->setChecked(log->GetIntervalAutoStop() != 0);
    completeHistogram_->setChecked(log->GetStoreCompleteHistogram() != 0);
    threshold_->setText(IntText(log->GetIntervalThreshold()));
    ShowChecked(hours_, TwoDigitText(log->GetIntervalHours()), "00");
    ShowChecked(minutes_, TwoDigitText(log->GetIntervalMinutes()), "00");
    ShowChecked(seconds_, TwoDigitText(log->GetIntervalSeconds()), "00");
    SetSelection(exchangeRate_, log->GetIntervalExchangeRate());
    ApplyEnableRule();
}

void PropPageLogIntv::ApplyEnableRule()
{
    const bool on = enabled_->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{timeSync_, lnSave_, autoStop_, completeHistogram_, exchangeRate_,
                                                      threshold_, hours_, minutes_, seconds_})
        w->setEnabled(on);
    for (QLabel* label : labels_)
        label->setEnabled(on);
}

void PropPageLogIntv::OnTimeSyncClicked()
{
    if (timeSync_->isChecked() && autoStop_->isChecked())
        autoStop_->setChecked(false);
}

void PropPageLogIntv::OnAutoStopClicked()
{
    if (autoStop_->isChecked() && timeSync_->isChecked())
        timeSync_->setChecked(false);
}

bool PropPageLogIntv::Save()
{
    LOGSetup* log = BoundLog();
    if (!log)
        return true;
    // Options stay as they stand in their boxes, greyed or not.
    if (Edited(enabled_))
        log->SetIntervalHistoryEnabled(enabled_->isChecked() ? 1 : 0);
    if (Edited(timeSync_))
        log->SetIntervalTimeSync(timeSync_->isChecked() ? 1 : 0);
    if (Edited(lnSave_))
        log->SetIntervalLnSave(lnSave_->isChecked() ? 1 : 0);
    if (Edited(completeHistogram_))
        log->SetStoreCompleteHistogram(completeHistogram_->isChecked() ? 1 : 0);
    if (Edited(autoStop_))
        log->SetIntervalAutoStop(autoStop_->isChecked() ? 1 : 0);
    if (Edited(threshold_))
        log->SetIntervalThreshold(AtoI(threshold_->text()));
    // One setter takes the three parts of the period: those not edited go
    // back as stored.
    if (Edited({hours_, minutes_, seconds_}))
        WriteShared(log, [&](bool edits) {
            log->SetIntervalPeriod(edits && Edited(hours_) ? AtoI(hours_->text()) : log->GetIntervalHours(),
                                   edits && Edited(minutes_) ? AtoI(minutes_->text()) : log->GetIntervalMinutes(),
                                   edits && Edited(seconds_) ? AtoI(seconds_->text()) : log->GetIntervalSeconds());
        });
    if (Edited(exchangeRate_) && exchangeRate_->currentIndex() >= 0)
        log->SetIntervalExchangeRate(exchangeRate_->currentIndex());
    return true;
}
