#include "CControlPP.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "PageLayout.h"

CControlPP::CControlPP() : AdvancedNestedPage("Controls", 285)
{
    heaterBox_ = MakeButton<QCheckBox>(this, "heater", "Heater");
    calToneBox_ = MakeButton<QCheckBox>(this, "calTone", "E.A. Cal Tone");
    // The boxes carry their text on the left.
    for (QCheckBox* box : {heaterBox_, calToneBox_}) {
        box->setLayoutDirection(Qt::RightToLeft);
        Body()->addWidget(box, 0, Qt::AlignLeft);
    }
    Body()->addStretch(1);
}

void CControlPP::OnInitDialog()
{
    Load();
}

bool CControlPP::UpdateData(bool save)
{
    if (save) {
        heater_ = heaterBox_->isChecked() ? 1 : 0;
        calTone_ = calToneBox_->isChecked() ? 1 : 0;
    } else {
        heaterBox_->setChecked(heater_ != 0);
        calToneBox_->setChecked(calTone_ != 0);
    }
    return true;
}

void CControlPP::Load()
{
    MeasurementSetup* block = BoundBlock();
    if (!block)
        return;
    heater_ = block->GetHeater() != 0;
    calTone_ = block->GetCalTone() != 0;
    UpdateData(false);
}

bool CControlPP::Save()
{
    MeasurementSetup* block = BoundBlock();
    if (!block || !UpdateData(true))
        return true;
    if (Edited(heaterBox_))
        block->SetHeater(heater_);
    if (Edited(calToneBox_))
        block->SetCalTone(calTone_);
    return true;
}
