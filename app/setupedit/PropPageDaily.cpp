#include "PropPageDaily.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

#include "PageLayout.h"

PropPageDaily::PropPageDaily() : LogSetupPage("Daily", 277)
{
    auto* group = new QGroupBox("Daily History", this);
    auto* column = new QVBoxLayout(group);
    const struct {
        QCheckBox** box;
        const char* name;
        const char* text;
    } boxes[] = {{&history_, "dailyHistory", "Enable Daily History"},
                 {&ln_, "dailyLn", "Enable Daily Ln's"},
                 {&histogram_, "dailyHistogram", "Store Complete Histogram"},
                 {&calCheck_, "dailyCalCheck", "Auto. Calibration Check (Midnight)"}};
    for (const auto& b : boxes) {
        *b.box = MakeButton<QCheckBox>(group, b.name, b.text);
        column->addWidget(*b.box);
    }
    note_ = new QLabel("(NOTE: Ensure System Auto. Cal. is Enabled.)", group);
    note_->setObjectName("note");
    column->addWidget(note_);
    Body()->addWidget(group);
    Body()->addStretch(1);

    connect(history_, &QCheckBox::clicked, this, &PropPageDaily::ApplyEnableRule);
    connect(calCheck_, &QCheckBox::clicked, this, &PropPageDaily::ApplyNoteRule);
}

void PropPageDaily::OnInitDialog()
{
    CreateBitmap(bitmap_, 234);
    toolTip_.Create(this);
    if (GetSetup())
        Load();
}

void PropPageDaily::Load()
{
    LOGSetup* log = BoundLog();
    if (!log)
        return;
    SetHeader();
    history_->setChecked(log->GetDailyHistoryEnabled() != 0);
    ln_->setChecked(log->GetDailyLnEnabled() != 0);
    histogram_->setChecked(log->GetDailyStoreHistogram() != 0);
    calCheck_->setChecked(log->GetDailyAutoCalCheck() != 0);
    ApplyEnableRule();
    ApplyNoteRule();
}

void PropPageDaily::ApplyEnableRule()
{
    const bool on = history_->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{ln_, histogram_, calCheck_, note_})
        w->setEnabled(on);
}

void PropPageDaily::ApplyNoteRule()
{
    note_->setVisible(calCheck_->isChecked());
}

bool PropPageDaily::Save()
{
    LOGSetup* log = BoundLog();
    if (!log)
        return true;
    if (Edited(history_))
        log->SetDailyHistoryEnabled(history_->isChecked() ? 1 : 0);
    if (Edited(ln_))
        log->SetDailyLnEnabled(ln_->isChecked() ? 1 : 0);
    if (Edited(histogram_))
        log->SetDailyStoreHistogram(histogram_->isChecked() ? 1 : 0);
    if (Edited(calCheck_))
        log->SetDailyAutoCalCheck(calCheck_->isChecked() ? 1 : 0);
    return true;
}
