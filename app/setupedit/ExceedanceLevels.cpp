#include "ExceedanceLevels.h"

#include <QGroupBox>

#include "FloatEdit.h"
#include "LOGSetup.h"
#include "ListSelection.h"
#include "PageLayout.h"
#include "PageText.h"
#include "RangeEdit.h"
#include "SetupPage.h"

QGroupBox* ExceedanceLevels::Make(QWidget* parent)
{
    auto* group = new QGroupBox("Triggering", parent);
    auto* grid = new QGridLayout(group);
    splLevel1 = MakeEdit<FloatEdit>(group, "splLevel1");
    splLevel2 = MakeEdit<RangeEdit>(group, "splLevel2");
    peak1Level = MakeEdit<RangeEdit>(group, "peak1Level");
    peak2Level = MakeEdit<RangeEdit>(group, "peak2Level");
    hysteresis = MakeList(group, "hysteresis", {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"});
    AddRow(grid, 0, "SPL Exceedance Level 1", splLevel1, "dB");
    AddRow(grid, 1, "SPL Exceedance Level 2", splLevel2, "dB");
    AddRow(grid, 2, "Peak-1 Exceedance Level", peak1Level, "dB");
    AddRow(grid, 3, "Peak-2 Exceedance Level", peak2Level, "dB");
    AddRow(grid, 4, "Exceedance Hysteresis", hysteresis, "dB");
    return group;
}

void ExceedanceLevels::Configure()
{
    splLevel1->SetRange(0.0f, 255.99f, 2);
    splLevel1->setMaxLength(6);
    for (RangeEdit* edit : {splLevel2, peak1Level, peak2Level}) {
        edit->SetRange(0, 255);
        edit->setMaxLength(3);
    }
}

void ExceedanceLevels::Load(const LOGSetup& log)
{
    ShowChecked(splLevel1, QString::number(log.GetSplExceedanceLevel1(), 'f', 2), "115.00");
    ShowChecked(splLevel2, log.GetSplExceedanceLevel2(), "120");
    ShowChecked(peak1Level, log.GetPeak1ExceedanceLevel(), "140");
    ShowChecked(peak2Level, log.GetPeak2ExceedanceLevel(), "140");
    SetSelection(hysteresis, log.GetExceedanceHysteresis());
}

void ExceedanceLevels::Save(LOGSetup& log, const std::function<bool(const QWidget*)>& edited) const
{
    if (edited(splLevel1))
        log.SetSplExceedanceLevel1(static_cast<float>(AtoF(splLevel1->text())));
    if (edited(splLevel2))
        log.SetSplExceedanceLevel2(AtoI(splLevel2->text()));
    if (edited(peak1Level))
        log.SetPeak1ExceedanceLevel(AtoI(peak1Level->text()));
    if (edited(peak2Level))
        log.SetPeak2ExceedanceLevel(AtoI(peak2Level->text()));
    if (const auto row = edited(hysteresis) ? SelectedRow(hysteresis) : std::nullopt)
        log.SetExceedanceHysteresis(*row);
}
