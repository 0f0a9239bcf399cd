#include "PropPageEvents.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>

#include "PageLayout.h"
#include "RangeEdit.h"

PropPageEvents::PropPageEvents() : LogSetupPage("Events", 248)
{
    Body()->addWidget(levels_.Make(this));

    auto* history = new QGroupBox("Exceedance History", this);
    auto* grid = new QGridLayout(history);
    historyEnabled_ = MakeButton<QCheckBox>(history, "historyEnabled", "Enable Exceedance History");
    minimumDuration_ = MakeEdit<RangeEdit>(history, "minimumDuration");
    thEnabled_ = MakeButton<QCheckBox>(history, "thEnabled", "Enable Excd Time History");
    thPeriod_ = MakeEdit<RangeEdit>(history, "thPeriod");
    trigger_ = MakeList(history, "trigger", {"Level", "PassBy"});
    time_ = MakeList(history, "time", {"Start", "Max"});
    timedMinutes_ = MakeEdit<RangeEdit>(history, "timedMinutes");
    timedSeconds_ = MakeEdit<RangeEdit>(history, "timedSeconds");
    grid->addWidget(historyEnabled_, 0, 0, 1, 3);
    AddRow(grid, 1, "Minimum Duration", minimumDuration_);
    grid->addWidget(thEnabled_, 2, 0, 1, 3);
    AddRow(grid, 3, "Time History Period", thPeriod_);
    AddRow(grid, 4, "Exceedance Trigger", trigger_);
    AddRow(grid, 5, "Exceedance Time", time_);
    auto* timed = new QHBoxLayout;
    timed->addWidget(timedMinutes_);
    timed->addWidget(new QLabel(":", history));
    timed->addWidget(timedSeconds_);
    grid->addWidget(new QLabel("Timed Excd Period", history), 6, 0);
    grid->addLayout(timed, 6, 1);
    Body()->addWidget(history);
    Body()->addStretch(1);

    // Only the user's choice switches the period's rule; loading a setup
    // does not.
    connect(trigger_, &QComboBox::activated, this, &PropPageEvents::OnTriggerChanged);
}

void PropPageEvents::OnInitDialog()
{
    CreateBitmap(bitmap_, 234);
    toolTip_.Create(this);
    levels_.Configure();
    for (RangeEdit* edit : {minimumDuration_, thPeriod_}) {
        edit->SetRange(0, 255);
        edit->setMaxLength(3);
    }
    for (RangeEdit* edit : {timedMinutes_, timedSeconds_}) {
        edit->SetRange(0, 59);
        edit->setMaxLength(2);
    }
    if (GetSetup())
        Load();
}

void PropPageEvents::Load()
{
    LOGSetup* log = BoundLog();
    if (!log)
        return;
    SetHeader();
    levels_.Load(*log);
    historyEnabled_->setChecked(log->GetExceedanceHistoryEnabled() == 1);
    ShowChecked(minimumDuration_, log->GetMinimumDuration(), "6");
    thEnabled_->setChecked(log->GetExceedanceThEnabled() == 1);
    // The period's rule follows the stored trigger before the period is
    // shown: a pass-by trigger takes only powers of two.
    SetPeriodRule(log->GetExceedanceTrigger() == 1);
    ShowChecked(thPeriod_, log->GetExceedanceThPeriod(), "32");
    SetSelection(trigger_, log->GetExceedanceTrigger());
    SetSelection(time_, log->GetExceedanceTime());
    ShowChecked(timedMinutes_, TwoDigitText(log->GetTimedExcdMinutes()), "00");
    ShowChecked(timedSeconds_, TwoDigitText(log->GetTimedExcdSeconds()), "00");
}

void PropPageEvents::SetPeriodRule(bool passBy)
{
    if (passBy)
        thPeriod_->SetPowerRule(true, 2);
    else
        thPeriod_->SetPowerRule(false, 1);
}

void PropPageEvents::OnTriggerChanged(int index)
{
    SetPeriodRule(index == 1);
    if (index == 1 && !thPeriod_->IsValid(thPeriod_->text()))
        thPeriod_->setText("32");
}

bool PropPageEvents::Save()
{
    LOGSetup* log = BoundLog();
    if (!log)
        return true;
    levels_.Save(*log, [this](const QWidget* field) { return Edited(field); });
    if (Edited(historyEnabled_))
        log->SetExceedanceHistoryEnabled(historyEnabled_->isChecked() ? 1 : 0);
    if (Edited(minimumDuration_))
        log->SetMinimumDuration(AtoI(minimumDuration_->text()));
    if (Edited(thEnabled_))
        log->SetTriggerLogic(thEnabled_->isChecked() ? 1 : 0);
    if (Edited(thPeriod_))
        log->SetExceedanceThPeriod(AtoI(thPeriod_->text()));
    if (const auto row = EditedRow(trigger_))
        log->SetEndLogic(*row == 1 ? 1 : 0);
    if (const auto row = EditedRow(time_))
        log->SetExceedanceTime(*row == 1 ? 1 : 0);
    if (Edited(timedMinutes_))
        log->SetTimedExcdMinutes(AtoI(timedMinutes_->text()));
    if (Edited(timedSeconds_))
        log->SetTimedExcdSeconds(AtoI(timedSeconds_->text()));
    return true;
}
