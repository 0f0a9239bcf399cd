#include "PropPageSsaIntv.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>

#include "DateEdits.h"
#include "PageLayout.h"
#include "PageText.h"
#include "RangeEdit.h"
#include "SetupRec.h"

PropPageSsaIntv::PropPageSsaIntv() : SetupPage("Intervals", 229), period_(this, "interval")
{
    Header()->setText("Sound Level Meter / Real Time Analyzer Settings");
    auto* group = new QGroupBox("Interval History", this);
    auto* grid = new QGridLayout(group);
    auto box = [group](const char* name, const char* text) {
        auto* check = new QCheckBox(QString::fromLatin1(text), group);
        check->setObjectName(name);
        return check;
    };
    enabled_ = box("intervalEnabled", "Enable Interval History");
    timeSync_ = box("timeSync", "Enable Interval Time Synchronization");
    lnSave_ = box("lnSave", "Save Ln's as part of interval records");
    autoStop_ = box("autoStop", "Interval Auto Stop - stop measurement at end of each Interval");
    completeHistogram_ = box("completeHistogram", "Store Complete Histogram");
    int row = 0;
    for (QCheckBox* check : {enabled_, timeSync_, lnSave_, autoStop_, completeHistogram_})
        grid->addWidget(check, row++, 0, 1, 3);
    exchangeRate_ = MakeList(group, "exchangeRate", {"3 dB", "4 dB", "5 dB", "6 dB"});
    spectra_ = MakeList(group, "spectra", {"None", "At Max", "Min of Min"});
    threshold_ = MakeEdit<RangeEdit>(group, "threshold");
    group_ = {timeSync_, lnSave_, autoStop_, completeHistogram_, exchangeRate_, spectra_,
              threshold_};
    group_.push_back(AddRow(grid, row++, "Exchange Rate", exchangeRate_));
    group_.push_back(AddRow(grid, row, "Threshold", threshold_));
    auto* unit = new QLabel("dB", group);
    grid->addWidget(unit, row++, 2);
    group_.push_back(unit);
    auto* periodLabel = new QLabel("Interval Period", group);
    grid->addWidget(periodLabel, row, 0);
    grid->addLayout(period_.Layout(), row++, 1);
    group_.push_back(periodLabel);
    group_.push_back(AddRow(grid, row++, "Spectra", spectra_));
    Body()->addWidget(group);
    Body()->addStretch(1);

    connect(enabled_, &QCheckBox::clicked, this, &PropPageSsaIntv::ApplyEnableRule);
    connect(timeSync_, &QCheckBox::clicked, this, &PropPageSsaIntv::OnTimeSyncClicked);
    connect(autoStop_, &QCheckBox::clicked, this, &PropPageSsaIntv::OnAutoStopClicked);
}

SSASetup* PropPageSsaIntv::BoundSsa() const
{
    return GetSetup() && HasWindow() ? GetSetup()->GetSSASetup() : nullptr;
}

void PropPageSsaIntv::OnInitDialog()
{
    CreateBitmap(bitmap_, 228);
    period_.Attach();
    threshold_->SetRange(0, 255);
    threshold_->setMaxLength(3);
    if (GetSetup())
        Load();
}

// The composed header is kept off the page: the header line keeps its fixed
// text.
void PropPageSsaIntv::SetHeader()
{
    if (BoundSsa())
        (void)HeaderText(kSlmHeaderPrefix);
}

void PropPageSsaIntv::Load()
{
    SSASetup* ssa = BoundSsa();
    if (!ssa)
        return;
    enabled_->setChecked(ssa->GetIntervalHistoryEnabled() != 0);
    timeSync_->setChecked(ssa->GetIntervalTimeSync() != 0);
    lnSave_->setChecked(ssa->GetIntervalLnSave() != 0);
    autoStop_->setChecked(ssa->GetIntervalAutoStop() != 0);
    completeHistogram_->setChecked(ssa->GetStoreCompleteHistogram() != 0);
    ShowChecked(threshold_, ssa->GetIntervalThreshold(), "80");
    period_.Show(ssa->GetIntervalHours(), ssa->GetIntervalMinutes(), ssa->GetIntervalSeconds());
    SetSelection(exchangeRate_, ssa->GetIntervalExchangeRate());
    SetSelection(spectra_, ssa->GetSpectra());
    ApplyEnableRule();
}

void PropPageSsaIntv::ApplyEnableRule()
{
    const bool on = enabled_->isChecked();
    for (QWidget* w : group_)
        w->setEnabled(on);
    period_.SetEnabled(on);
}

void PropPageSsaIntv::OnTimeSyncClicked()
{
    if (timeSync_->isChecked() && autoStop_->isChecked())
        autoStop_->setChecked(false);
}

void PropPageSsaIntv::OnAutoStopClicked()
{
    if (autoStop_->isChecked() && timeSync_->isChecked())
        timeSync_->setChecked(false);
}

bool PropPageSsaIntv::Save()
{
    SSASetup* ssa = BoundSsa();
    if (!ssa)
        return true;
    // Options stay as they stand in their boxes, greyed or not.
    if (Edited(enabled_))
        ssa->SetIntervalHistoryEnabled(enabled_->isChecked() ? 1 : 0);
    if (Edited(timeSync_))
        ssa->SetIntervalTimeSync(timeSync_->isChecked() ? 1 : 0);
    if (Edited(lnSave_))
        ssa->SetIntervalLnSave(lnSave_->isChecked() ? 1 : 0);
    if (Edited(autoStop_))
        ssa->SetIntervalAutoStop(autoStop_->isChecked() ? 1 : 0);
    if (Edited(completeHistogram_))
        ssa->SetStoreCompleteHistogram(completeHistogram_->isChecked() ? 1 : 0);
    if (Edited(threshold_))
        ssa->SetIntervalThreshold(AtoI(threshold_->text()));
    const auto f = period_.Fields();
    if (Edited({f[0], f[1], f[2]}))
        WriteShared(ssa, [&](bool edits) {
            ssa->SetIntervalPeriod(edits && Edited(f[0]) ? period_.Hours() : ssa->GetIntervalHours(),
                                   edits && Edited(f[1]) ? period_.Minutes() : ssa->GetIntervalMinutes(),
                                   edits && Edited(f[2]) ? period_.Seconds() : ssa->GetIntervalSeconds());
        });
    // A stored choice outside a list shows no selection and is kept.
    if (Edited(exchangeRate_) && exchangeRate_->currentIndex() >= 0)
        ssa->SetIntervalExchangeRate(exchangeRate_->currentIndex());
    if (Edited(spectra_) && spectra_->currentIndex() >= 0)
        ssa->SetSpectra(spectra_->currentIndex());
    return true;
}
