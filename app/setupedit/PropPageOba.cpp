#include "PropPageOba.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "CharClassEdit.h"
#include "DateEdits.h"
#include "PageLayout.h"
#include "PageText.h"
#include "QtPlatform.h"
#include "SetupRec.h"

namespace {

constexpr int kTitleLength = 30;

}  // namespace

PropPageOba::PropPageOba() : SetupPage("OBA", 171), period_(this, "interval")
{
    Header()->setText("Octave Band Analyzer Settings");
    AddTitleRows(&title_, &fileName_);

    auto* grid = new QGridLayout;
    scanMode_ = MakeList(this, "scanMode", {"Manual", "Auto", "Timed"});
    profile_ = MakeList(this, "profile", {"Normal", "Short", "Long", "Custom"});
    range_ = MakeList(this, "range", {"Normal", "Low", "High"});
    bandwidth_ = MakeList(this, "bandwidth", {"1 / 1", "1 / 3"});
    acOutFilter_ = MakeList(this, "acOutFilter", {"Flat", "Weighted"});
    AddRow(grid, 0, "OBA Scanmode", scanMode_);
    AddRow(grid, 1, "OBA Profile", profile_);
    AddRow(grid, 2, "Range", range_);
    AddRow(grid, 3, "OBA Bandwidth", bandwidth_);
    AddRow(grid, 4, "AC Output Filter", acOutFilter_);
    Body()->addLayout(grid);

    auto* group = new QGroupBox("Intervals", this);
    auto* column = new QVBoxLayout(group);
    intervalsEnabled_ = MakeButton<QCheckBox>(group, "intervalsEnabled", "Enable Intervals");
    column->addWidget(intervalsEnabled_);
    auto* units = new QHBoxLayout;
    auto* periodLabel = new QLabel("OBA Interval Period", group);
    periodLabels_ = {periodLabel};
    units->addWidget(periodLabel);
    for (const char* unit : {"hh", "mm", "ss"}) {
        auto* label = new QLabel(QString::fromLatin1(unit), group);
        units->addWidget(label);
        periodLabels_.push_back(label);
    }
    column->addLayout(units);
    column->addLayout(period_.Layout());
    timeSync_ = MakeButton<QCheckBox>(group, "timeSync", "Interval Time Sync.");
    autoStop_ = MakeButton<QCheckBox>(group, "autoStop", "Interval Auto Stop");
    column->addWidget(timeSync_);
    column->addWidget(autoStop_);
    Body()->addWidget(group);
    Body()->addStretch(1);

    connect(intervalsEnabled_, &QCheckBox::clicked, this, &PropPageOba::ApplyEnableRule);
}

OBASetup* PropPageOba::BoundOba() const
{
    return GetSetup() && HasWindow() ? GetSetup()->GetOBASetup() : nullptr;
}

void PropPageOba::OnInitDialog()
{
    CreateBitmap(bitmap_, 155);
    toolTip_.Create(this);
    title_->setMaxLength(kTitleLength);
    toolTip_.AddWindowTool(title_, "Title: Enter up to 30 characters");
    period_.Attach();
    const char* const tips[] = {"Interval Period Hours: 0-99", "Interval Period Minutes: 0-59",
                                "Interval Period Seconds: 0-59"};
    for (int i = 0; i < 3; ++i)
        toolTip_.AddWindowTool(period_.Fields()[i], QString::fromLatin1(tips[i]));
    if (GetSetup())
        Load();
}

void PropPageOba::SetHeader()
{
    if (BoundOba())
        Header()->setText(HeaderText(kObaHeaderPrefix));
}

void PropPageOba::Load()
{
    OBASetup* oba = BoundOba();
    if (!oba)
        return;
    SetHeader();
    title_->setText(platform::FromAnsi(oba->GetTitle()));
    SetSelection(scanMode_, oba->GetScanMode());
    SetSelection(profile_, oba->GetProfile());
    SetSelection(range_, oba->GetRange());
    // Codes other than octaves and third octaves leave no selection.
    SetSelection(bandwidth_, oba->GetBandwidth());
    SetSelection(acOutFilter_, oba->GetAcOutFilter());
    period_.Show(oba->GetIntervalHours(), oba->GetIntervalMinutes(), oba->GetIntervalSeconds());
    intervalsEnabled_->setChecked(oba->IsIntervalsEnabled() != 0);
    timeSync_->setChecked(oba->IsIntervalTimeSync() != 0);
    autoStop_->setChecked(oba->IsIntervalAutoStop() != 0);
    ApplyEnableRule();
    ShowFileName(fileName_, &toolTip_);
}

void PropPageOba::ApplyEnableRule()
{
    const bool on = intervalsEnabled_->isChecked();
    timeSync_->setEnabled(on);
    autoStop_->setEnabled(on);
    period_.SetEnabled(on);
    for (QWidget* label : periodLabels_)
        label->setEnabled(on);
}

bool PropPageOba::Save()
{
    OBASetup* oba = BoundOba();
    if (!oba)
        return true;
    if (Edited(title_))
        oba->SetTitle(platform::ToAnsi(title_->text()));
    // A stored code outside a list shows no selection and is kept until a
    // row is picked.
    const struct {
        const QComboBox* list;
        void (OBASetup::*set)(int);
    } lists[] = {{scanMode_, &OBASetup::SetScanMode},
                 {profile_, &OBASetup::SetProfile},
                 {range_, &OBASetup::SetRange},
                 {bandwidth_, &OBASetup::SetBandwidth},
                 {acOutFilter_, &OBASetup::SetAcOutFilter}};
    for (const auto& l : lists)
        if (const auto row = EditedRow(l.list))
            (oba->*l.set)(*row);
    WriteDuration(oba, period_, [&] {
        return std::array<int, 3>{oba->GetIntervalHours(), oba->GetIntervalMinutes(), oba->GetIntervalSeconds()};
    }, [&](int hours, int minutes, int seconds) { oba->SetIntervalPeriod(hours, minutes, seconds); });
    // Greyed options are stored as they stand.
    if (Edited(intervalsEnabled_))
        oba->SetIntervalsEnabled(intervalsEnabled_->isChecked() ? 1 : 0);
    if (Edited(timeSync_))
        oba->SetIntervalTimeSync(timeSync_->isChecked() ? 1 : 0);
    if (Edited(autoStop_))
        oba->SetIntervalAutoStop(autoStop_->isChecked() ? 1 : 0);
    return true;
}
