#include "PropPageRtaThen.h"

#include <QComboBox>
#include <QGridLayout>

#include "PageLayout.h"
#include "PageText.h"
#include "RangeEdit.h"
#include "SetupRec.h"

PropPageRtaThen::PropPageRtaThen() : RtaSetupPage("Then", 273, "Then")
{
    auto* grid = new QGridLayout;
    endThen_ = MakeRtaList(this, "endThen", {"Stop", "Repeat", "Average"});
    repeatCount_ = MakeEdit<RangeEdit>(this, "repeatCount");
    averageCount_ = MakeEdit<RangeEdit>(this, "averageCount");
    endThenLabel_ = AddNamedRow(grid, 0, "End Then", endThen_, "endThen");
    repeatCountLabel_ = AddNamedRow(grid, 1, "Repeat Count", repeatCount_, "repeatCount");
    averageCountLabel_ = AddNamedRow(grid, 2, "Average Count", averageCount_, "averageCount");
    Body()->addLayout(grid);
    Body()->addStretch(1);
    FollowTriggering();

    connect(endThen_, &QComboBox::activated, this, &PropPageRtaThen::OnEndThenSelChange);
}

void PropPageRtaThen::OnInitDialog()
{
    CreateBadge();
    repeatCount_->SetRange(0, 255);
    repeatCount_->setMaxLength(5);
    averageCount_->SetRange(0, 9);
    averageCount_->setMaxLength(1);
    if (GetSetup())
        Load();
}

void PropPageRtaThen::Load()
{
    RTASetup* rta = BoundRta();
    if (!rta)
        return;
    SetHeader();
    SetSelection(endThen_, rta->GetEndThen());
    repeatCount_->setText(IntText(rta->GetRepeatCount()));
    ShowChecked(averageCount_, rta->GetAverageCount(), "4");
    ShowRtaFileName();
    EnableAdvanced(rta->GetTriggeringEnabled() == 1);
}

bool PropPageRtaThen::Save()
{
    RTASetup* rta = BoundRta();
    if (!rta)
        return true;
    // An action beyond the list shows no selection and is kept.
    if (const auto row = EditedRow(endThen_))
        rta->SetEndThen(*row);
    if (Edited(repeatCount_))
        rta->SetRepeatCount(AtoI(repeatCount_->text()));
    if (Edited(averageCount_))
        rta->SetAverageCount(AtoI(averageCount_->text()));
    return true;
}

void PropPageRtaThen::EnableAdvanced(bool enabled)
{
    if (!HasWindow())
        return;
    EnableAll({endThenLabel_, endThen_}, enabled);
    if (enabled)
        OnEndThenSelChange();
    else
        EnableAll({repeatCountLabel_, averageCountLabel_, repeatCount_, averageCount_}, false);
}

void PropPageRtaThen::OnEndThenSelChange()
{
    const int action = endThen_->currentIndex();
    if (action < 0)
        return;
    EnableAll({repeatCountLabel_, repeatCount_}, action == 1);
    EnableAll({averageCountLabel_, averageCount_}, action == 2);
}
