#include "PropPageReport.h"

#include <initializer_list>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>

#include "PageLayout.h"

namespace {

QComboBox* MakeChoice(QWidget* parent, const char* name)
{
    QComboBox* combo = MakeList(parent, name, {"No", "Short", "Long"});
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

}  // namespace

PropPageReport::PropPageReport() : AdvancedNestedPage("Report", 154)
{
    Body()->addWidget(new QLabel("Select Reports to be printed", this));
    const char* const names[] = {"dataReport", "setupReport", "splHistogram",
                                 "peak1Histogram", "peak2Histogram", "timeHistory"};
    const char* const texts[] = {"Data Report", "Setup", "SPL Histogram",
                                 "Peak 1 Histogram", "Peak  2 Histogram", "Time History Report"};
    auto* grid = new QGridLayout;
    for (int i = 0; i < BoxCount; ++i) {
        boxes_[i] = MakeButton<QCheckBox>(this, names[i], texts[i]);
        grid->addWidget(boxes_[i], i % 3, i / 3);
    }
    Body()->addLayout(grid);
    auto* choices = new QGridLayout;
    interval_ = MakeChoice(this, "intervalReport");
    exceedance_ = MakeChoice(this, "exceedanceReport");
    daily_ = MakeChoice(this, "dailyReport");
    AddRow(choices, 0, "Interval Report", interval_);
    exceedanceLabel_ = AddRow(choices, 1, "Exceedance Report", exceedance_);
    dailyLabel_ = AddRow(choices, 2, "Daily Report", daily_);
    Body()->addLayout(choices);
    Body()->addStretch(1);
}

void PropPageReport::OnInitDialog()
{
    if (GetSetup())
        Load();
}

MeasurementSetup* PropPageReport::ReportBlock(bool& isLog) const
{
    isLog = false;
    if (!GetSetup() || !HasWindow())
        return nullptr;
    if (LOGSetup* log = GetSetup()->GetLOGSetup()) {
        isLog = true;
        return log;
    }
    return GetSetup()->GetSSASetup();
}

int PropPageReport::Choice(const QComboBox* combo)
{
    return combo->findText(combo->currentText(), Qt::MatchFixedString);
}

void PropPageReport::Load()
{
    bool isLog = false;
    MeasurementSetup* block = ReportBlock(isLog);
    if (!block)
        return;
    const bool selected[] = {block->GetPrintDataReport(), block->GetPrintSetup(),
                             block->GetPrintSplHistogram(), block->GetPrintPeak1Histogram(),
                             block->GetPrintPeak2Histogram(), block->GetPrintTimeHistory()};
    for (int i = 0; i < BoxCount; ++i)
        boxes_[i]->setChecked(selected[i]);
    SetSelection(interval_, block->GetIntervalReportChoice());
    for (QWidget* w : std::initializer_list<QWidget*>{exceedanceLabel_, exceedance_, dailyLabel_, daily_})
        w->setVisible(isLog);
    if (isLog) {
        SetSelection(exceedance_, block->GetExceedanceReportChoice());
        SetSelection(daily_, block->GetDailyReportChoice());
    }
}

bool PropPageReport::Save()
{
    bool isLog = false;
    MeasurementSetup* block = ReportBlock(isLog);
    if (!block)
        return true;
    void (MeasurementSetup::*const setters[BoxCount])(int) = {
        &MeasurementSetup::SetPrintDataReport,     &MeasurementSetup::SetPrintSetup,
        &MeasurementSetup::SetPrintSplHistogram,   &MeasurementSetup::SetPrintPeak1Histogram,
        &MeasurementSetup::SetPrintPeak2Histogram, &MeasurementSetup::SetPrintTimeHistory};
    for (int i = 0; i < BoxCount; ++i)
        if (Edited(boxes_[i]))
            (block->*setters[i])(boxes_[i]->isChecked() ? 1 : 0);
    // A typed text stores the row it names; any other text keeps the stored
    // choice.
    auto write = [this, block](const QComboBox* list, void (MeasurementSetup::*set)(int)) {
        if (Edited(list) && Choice(list) >= 0)
            (block->*set)(Choice(list));
    };
    write(interval_, &MeasurementSetup::SetIntervalReportChoice);
    if (isLog) {
        write(daily_, &MeasurementSetup::SetDailyReportChoice);
        write(exceedance_, &MeasurementSetup::SetExceedanceReportChoice);
    }
    return true;
}
