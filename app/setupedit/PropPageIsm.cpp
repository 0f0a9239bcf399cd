#include "PropPageIsm.h"

#include <QGroupBox>

#include "CharClassEdit.h"
#include "PageLayout.h"
#include "PageText.h"
#include "QtPlatform.h"
#include "RangeEdit.h"
#include "SetupRec.h"

PropPageIsm::PropPageIsm() : SetupPage("ISM", 232)
{
    Header()->setText("Integrating Sound Level Meter Settings");
    AddTitleRows(&title_, &fileName_);

    auto* group = new QGroupBox("ISM", this);
    auto* grid = new QGridLayout(group);
    int row = lists_.AddLeadingRows(group, grid, 0);
    threshold_ = MakeEdit<RangeEdit>(group, "threshold");
    exchangeRate_ = MakeList(group, "exchangeRate", kExchangeRateEntries);
    AddRow(grid, row++, "Threshold", threshold_, "dB");
    AddRow(grid, row++, "Exchange Rate", exchangeRate_);
    lists_.AddClosingRows(group, grid, row);
    Body()->addWidget(group);
    Body()->addStretch(1);
}

ISMSetup* PropPageIsm::BoundIsm() const
{
    return GetSetup() && HasWindow() ? GetSetup()->GetISMSetup() : nullptr;
}

void PropPageIsm::OnInitDialog()
{
    CreateBitmap(bitmap_, 231);
    title_->setMaxLength(30);
    threshold_->SetRange(0, 255);
    threshold_->setMaxLength(3);
    if (GetSetup()) {
        Load();
        return;
    }
    lists_.SelectFirstRows();
    exchangeRate_->setCurrentIndex(0);
    threshold_->setText("80");
    title_->clear();
}

void PropPageIsm::SetHeader()
{
    if (BoundIsm())
        Header()->setText(HeaderText("Integrating Sound Level Meter -"));
}

void PropPageIsm::Load()
{
    ISMSetup* ism = BoundIsm();
    if (!ism)
        return;
    title_->setText(platform::FromAnsi(ism->GetTitle()));
    lists_.Load(*ism);
    ShowChecked(threshold_, ism->GetThreshold(), "80");
    SetSelection(exchangeRate_, ism->GetExchangeRate());
    ShowFileName(fileName_);
}

bool PropPageIsm::Save()
{
    ISMSetup* ism = BoundIsm();
    if (!ism)
        return true;
    if (Edited(title_))
        ism->SetTitle(platform::ToAnsi(title_->text()));
    lists_.Save(*this, *ism);
    if (const auto row = EditedRow(exchangeRate_))
        ism->SetExchangeRate(*row);
    if (Edited(threshold_))
        ism->SetThreshold(AtoI(threshold_->text()));
    return true;
}
