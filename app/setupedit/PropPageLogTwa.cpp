#include "PropPageLogTwa.h"

#include <QGroupBox>

#include "PageLayout.h"
#include "PageText.h"
#include "RangeEdit.h"
#include "SetupRec.h"

PropPageLogTwa::PropPageLogTwa() : LogSetupPage("TWA", 149)
{
    auto* top = new QGridLayout;
    top->addWidget(new QLabel("TWA - Time Weighted Average", this), 0, 0, 1, 3);
    criterionTime_ = MakeEdit<RangeEdit>(this, "criterionTime");
    AddRow(top, 1, "Criterion Time", criterionTime_, "hours");
    Body()->addLayout(top);

    // The "Current" and the "Overall" parameters look alike.
    const struct {
        const char* title;
        const char* names[3];
        RangeEdit** level;
        RangeEdit** threshold;
        QComboBox** exchangeRate;
    } groups[] = {
        {"Current", {"criterionLevel", "threshold", "exchangeRate"}, &criterionLevel_, &threshold_, &exchangeRate_},
        {"Overall",
         {"overallCriterionLevel", "overallThreshold", "overallExchangeRate"},
         &overallCriterionLevel_,
         &overallThreshold_,
         &overallExchangeRate_},
    };
    for (const auto& g : groups) {
        auto* group = new QGroupBox(g.title, this);
        auto* grid = new QGridLayout(group);
        *g.level = MakeEdit<RangeEdit>(group, g.names[0]);
        *g.threshold = MakeEdit<RangeEdit>(group, g.names[1]);
        *g.exchangeRate = MakeList(group, g.names[2], kExchangeRateEntries);
        AddRow(grid, 0, "Criterion Level", *g.level, "dB");
        AddRow(grid, 1, "Threshold", *g.threshold, "dB");
        AddRow(grid, 2, "Exchange Rate", *g.exchangeRate);
        Body()->addWidget(group);
    }
    Body()->addStretch(1);
}

void PropPageLogTwa::OnInitDialog()
{
    CreateBitmap(bitmap_, 234);
    toolTip_.Create(this);
    criterionTime_->SetRange(0, 99);
    criterionTime_->setMaxLength(2);
    for (RangeEdit* edit : {criterionLevel_, threshold_, overallCriterionLevel_, overallThreshold_}) {
        edit->SetRange(0, 255);
        edit->setMaxLength(3);
    }
    if (GetSetup())
        Load();
}

void PropPageLogTwa::Load()
{
    LOGSetup* log = BoundLog();
    if (!log)
        return;
    SetHeader();
    ShowChecked(criterionTime_, log->GetCriterionTime(), "8");
    ShowChecked(criterionLevel_, log->GetCriterionLevel(), "90");
    ShowChecked(threshold_, log->GetThreshold(), "80");
    SetSelection(exchangeRate_, log->GetExchangeRate());
    ShowChecked(overallCriterionLevel_, log->GetOverallCriterionLevel(), "90");
    ShowChecked(overallThreshold_, log->GetOverallThreshold(), "80");
    SetSelection(overallExchangeRate_, log->GetOverallExchangeRate());
}

bool PropPageLogTwa::Save()
{
    LOGSetup* log = BoundLog();
    if (!log)
        return true;
    const struct {
        const RangeEdit* edit;
        void (LOGSetup::*set)(int);
    } numbers[] = {
        {criterionTime_, &LOGSetup::SetCriterionTime},
        {criterionLevel_, &LOGSetup::SetCriterionLevel},
        {threshold_, &LOGSetup::SetThreshold},
        {overallCriterionLevel_, &LOGSetup::SetOverallCriterionLevel},
        {overallThreshold_, &LOGSetup::SetOverallThreshold},
    };
    for (const auto& n : numbers)
        if (Edited(n.edit))
            (log->*n.set)(AtoI(n.edit->text()));
    // The instrument knows exchange-rate codes 0 to 4; a code the list does
    // not show (4) stays until a row is picked.
    if (const auto row = EditedRow(exchangeRate_))
        log->SetExchangeRate(*row);
    if (const auto row = EditedRow(overallExchangeRate_))
        log->SetOverallExchangeRate(*row);
    return true;
}
