#include "IntervalHistoryGroup.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>

#include "MeasurementSetup.h"
#include "PageLayout.h"
#include "RangeEdit.h"
#include "SetupPage.h"

IntervalHistoryGroup::IntervalHistoryGroup(SetupPage* page, const QString& periodPrefix)
    : page_(page), group_(new QGroupBox("Interval History", page)), grid_(new QGridLayout(group_))
{
    enabled_ = MakeButton<QCheckBox>(group_, "intervalEnabled", "Enable Interval History");
    timeSync_ = MakeButton<QCheckBox>(group_, "timeSync", "Enable Interval Time Synchronization");
    lnSave_ = MakeButton<QCheckBox>(group_, "lnSave", "Save Ln's as part of interval records");
    autoStop_ =
        MakeButton<QCheckBox>(group_, "autoStop", "Interval Auto Stop - stop measurement at end of each Interval");
    completeHistogram_ = MakeButton<QCheckBox>(group_, "completeHistogram", "Store Complete Histogram");
    for (QCheckBox* box : {enabled_, timeSync_, lnSave_, autoStop_, completeHistogram_})
        grid_->addWidget(box, rows_++, 0, 1, 3);
    exchangeRate_ = MakeList(group_, "exchangeRate", kExchangeRateEntries);
    threshold_ = MakeEdit<RangeEdit>(group_, "threshold");
    period_.emplace(group_, periodPrefix);
    followers_ = {timeSync_, lnSave_, autoStop_, completeHistogram_, exchangeRate_, threshold_};
    followers_.push_back(::AddRow(grid_, rows_++, "Exchange Rate", exchangeRate_));
    followers_.push_back(::AddRow(grid_, rows_, "Threshold", threshold_));
    auto* unit = new QLabel("dB", group_);
    grid_->addWidget(unit, rows_++, 2);
    followers_.push_back(unit);
    auto* periodLabel = new QLabel("Interval Period", group_);
    grid_->addWidget(periodLabel, rows_, 0);
    grid_->addLayout(period_->Layout(), rows_++, 1);
    followers_.push_back(periodLabel);

    QObject::connect(enabled_, &QCheckBox::clicked, page, [this] { ApplyEnableRule(); });
    QObject::connect(timeSync_, &QCheckBox::clicked, page, [this] { OnTimeSyncClicked(); });
    QObject::connect(autoStop_, &QCheckBox::clicked, page, [this] { OnAutoStopClicked(); });
}

void IntervalHistoryGroup::AddRow(const char* label, QWidget* field)
{
    followers_.push_back(field);
    followers_.push_back(::AddRow(grid_, rows_++, label, field));
}

void IntervalHistoryGroup::Attach()
{
    period_->Attach();
    threshold_->SetRange(0, 255);
    threshold_->setMaxLength(3);
}

void IntervalHistoryGroup::Load(const MeasurementSetup& block)
{
    enabled_->setChecked(block.GetIntervalHistoryEnabled() != 0);
    timeSync_->setChecked(block.GetIntervalTimeSync() != 0);
    lnSave_->setChecked(block.GetIntervalLnSave() != 0);
    autoStop_->setChecked(block.GetIntervalAutoStop() != 0);
    completeHistogram_->setChecked(block.GetStoreCompleteHistogram() != 0);
    period_->Show(block.GetIntervalHours(), block.GetIntervalMinutes(), block.GetIntervalSeconds());
    SetSelection(exchangeRate_, block.GetIntervalExchangeRate());
    ApplyEnableRule();
}

void IntervalHistoryGroup::ApplyEnableRule()
{
    const bool on = enabled_->isChecked();
    for (QWidget* w : followers_)
        w->setEnabled(on);
    period_->SetEnabled(on);
}

void IntervalHistoryGroup::OnTimeSyncClicked()
{
    if (timeSync_->isChecked() && autoStop_->isChecked())
        autoStop_->setChecked(false);
}

void IntervalHistoryGroup::OnAutoStopClicked()
{
    if (autoStop_->isChecked() && timeSync_->isChecked())
        timeSync_->setChecked(false);
}

void IntervalHistoryGroup::Save(MeasurementSetup& block) const
{
    if (page_->Edited(enabled_))
        block.SetIntervalHistoryEnabled(enabled_->isChecked() ? 1 : 0);
    if (page_->Edited(timeSync_))
        block.SetIntervalTimeSync(timeSync_->isChecked() ? 1 : 0);
    if (page_->Edited(lnSave_))
        block.SetIntervalLnSave(lnSave_->isChecked() ? 1 : 0);
    if (page_->Edited(autoStop_))
        block.SetIntervalAutoStop(autoStop_->isChecked() ? 1 : 0);
    if (page_->Edited(completeHistogram_))
        block.SetStoreCompleteHistogram(completeHistogram_->isChecked() ? 1 : 0);
    page_->WriteDuration(&block, *period_, [&] {
        return std::array<int, 3>{block.GetIntervalHours(), block.GetIntervalMinutes(), block.GetIntervalSeconds()};
    }, [&](int hours, int minutes, int seconds) { block.SetIntervalPeriod(hours, minutes, seconds); });
    if (const auto row = page_->EditedRow(exchangeRate_))
        block.SetIntervalExchangeRate(*row);
}
