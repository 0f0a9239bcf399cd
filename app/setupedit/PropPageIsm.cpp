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
    AddTitleRows(title_, fileName_);

    auto* group = new QGroupBox("ISM", this);
    auto* grid = new QGridLayout(group);
    detector_ = MakeList(group, "detector", {"Slow", "Fast", "Impulse"});
    weighting_ = MakeList(group, "freqWeighting", {"A", "C", "Flat"});
    peak1_ = MakeList(group, "peak1Weighting", {"A", "C", "Flat"});
    threshold_ = MakeEdit<RangeEdit>(group, "threshold");
    exchangeRate_ = MakeList(group, "exchangeRate", {"3 dB", "4 dB", "5 dB", "6 dB"});
    range_ = MakeList(group, "range", {"Normal", "Low", "High"});
    acOutput_ = MakeList(group, "acOutput", {"AC-1 AC-2", "AC-1 DC", "AC-2 DC", "AC-2 AC-1"});
    AddRow(grid, 0, "Detector", detector_);
    AddRow(grid, 1, "Freq. Weighting", weighting_);
    AddRow(grid, 2, "Peak 1 Weighting", peak1_);
    AddRow(grid, 3, "Threshold", threshold_, "dB");
    AddRow(grid, 4, "Exchange Rate", exchangeRate_);
    AddRow(grid, 5, "Range", range_);
    AddRow(grid, 6, "AC Output Control", acOutput_);
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
    for (QComboBox* combo : {detector_, weighting_, peak1_, range_, acOutput_, exchangeRate_})
        combo->setCurrentIndex(0);
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
    SetSelection(detector_, ism->GetDetector());
    SetSelection(weighting_, ism->GetFreqWeighting());
    SetSelection(peak1_, ism->GetPeak1Weighting());
    SetSelection(range_, ism->GetRange());
    SetSelection(acOutput_, ism->GetAcOutput());
    ShowChecked(threshold_, ism->GetThreshold(), "80");
    SetSelection(exchangeRate_, ism->GetExchangeRate());
    ShowFileName(fileName_);
}

bool PropPageIsm::Save()
{
    ISMSetup* ism = BoundIsm();
    if (!ism)
        return true;
    // A stored code outside a list shows no selection and is kept until a
    // row is picked.
    if (Edited(title_))
        ism->SetTitle(platform::ToAnsi(title_->text()));
    if (Edited(detector_) && detector_->currentIndex() >= 0)
        ism->SetDetector(detector_->currentIndex());
    if (Edited(weighting_) && weighting_->currentIndex() >= 0)
        ism->SetFreqWeighting(weighting_->currentIndex());
    if (Edited(peak1_) && peak1_->currentIndex() >= 0)
        ism->SetPeak1Weighting(peak1_->currentIndex());
    if (Edited(range_) && range_->currentIndex() >= 0)
        ism->SetRange(range_->currentIndex());
    if (Edited(acOutput_) && acOutput_->currentIndex() >= 0)
        ism->SetAcOutput(acOutput_->currentIndex());
    if (Edited(exchangeRate_) && exchangeRate_->currentIndex() >= 0)
        ism->SetExchangeRate(exchangeRate_->currentIndex());
    if (Edited(threshold_))
        ism->SetThreshold(AtoI(threshold_->text()));
    return true;
}
