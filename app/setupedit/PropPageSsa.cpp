#include "PropPageSsa.h"

#include <QGroupBox>

#include "CharClassEdit.h"
#include "PageLayout.h"
#include "PageText.h"
#include "QtPlatform.h"
#include "SetupRec.h"

namespace {

constexpr const char* kSsaHeader = "Sound Level Meter / Real Time Analyzer Settings";

}  // namespace

PropPageSsa::PropPageSsa() : SetupPage("SLM RTA", 226)
{
    Header()->setText(kSsaHeader);
    AddTitleRows(&title_, &fileName_);

    auto* group = new QGroupBox("SLM RTA", this);
    auto* lists = new QGridLayout(group);
    slmDetector_ = MakeList(group, "slmDetector", kSlmDetectorEntries);
    rtaDetector_ = MakeList(group, "rtaDetector", {"Slow", "Fast"});
    weighting_ = MakeList(group, "freqWeighting", kWeightingEntries);
    peak1_ = MakeList(group, "peak1Weighting", kWeightingEntries);
    // The one list that takes typing; a text that names no entry is stored
    // as "no selection", which the instrument reads as flat.
    rtaWeighting_ = MakeList(group, "rtaWeighting", kWeightingEntries);
    rtaWeighting_->setEditable(true);
    rtaWeighting_->setInsertPolicy(QComboBox::NoInsert);
    gain_ = MakeList(group, "gain", kGainEntries);
    bandwidth_ = MakeList(group, "bandwidth", {"1/1", "1/3"});
    acOutput_ = MakeList(group, "acOutput", kAcOutputEntries);
    int row = 0;
    AddRow(lists, row++, "SLM Detector", slmDetector_);
    AddRow(lists, row++, "RTA Detector", rtaDetector_);
    AddRow(lists, row++, "Freq. Weighting", weighting_);
    AddRow(lists, row++, "Peak 1 Weighting", peak1_);
    AddRow(lists, row++, "RTA Weighting", rtaWeighting_);
    AddRow(lists, row++, "Gain", gain_);
    AddRow(lists, row++, "Bandwidth", bandwidth_);
    AddRow(lists, row++, "AC Output Control", acOutput_);
    Body()->addWidget(group);
    Body()->addStretch(1);
}

SSASetup* PropPageSsa::BoundSsa() const
{
    return GetSetup() && HasWindow() ? GetSetup()->GetSSASetup() : nullptr;
}

void PropPageSsa::OnInitDialog()
{
    CreateBitmap(bitmap_, 228);
    if (GetSetup())
        Load();
}

// The composed header is kept off the page: the header line keeps its fixed
// text.
void PropPageSsa::SetHeader()
{
    if (BoundSsa())
        (void)HeaderText(kSlmHeaderPrefix);
}

void PropPageSsa::Load()
{
    SSASetup* ssa = BoundSsa();
    if (!ssa)
        return;
    title_->setText(platform::FromAnsi(ssa->GetTitle()));
    SetSelection(slmDetector_, ssa->GetDetector());
    rtaDetector_->setCurrentIndex(ssa->GetRtaDetectorFast() ? 1 : 0);
    SetSelection(weighting_, ssa->GetFreqWeighting());
    SetSelection(peak1_, ssa->GetPeak1Weighting());
    SetSelection(rtaWeighting_, ssa->GetRtaWeighting());
    SetSelection(gain_, ssa->GetGain());
    bandwidth_->setCurrentIndex(ssa->GetThirdOctave() ? 1 : 0);
    SetSelection(acOutput_, ssa->GetAcOutput());
    ShowFileName(fileName_);
}

bool PropPageSsa::Save()
{
    SSASetup* ssa = BoundSsa();
    if (!ssa)
        return true;
    // A stored code outside a list shows no selection and is kept until a
    // row is picked.
    if (Edited(title_))
        ssa->SetTitle(platform::ToAnsi(title_->text()));
    if (const auto row = EditedRow(slmDetector_))
        ssa->SetDetector(*row);
    if (Edited(rtaDetector_))
        ssa->SetRtaDetectorFast(rtaDetector_->currentIndex() == 1 ? 1 : 0);
    if (const auto row = EditedRow(weighting_))
        ssa->SetFreqWeighting(*row);
    if (const auto row = EditedRow(peak1_))
        ssa->SetPeak1Weighting(*row);
    // The typed text of the editable list stores the row it names, or
    // nothing.
    if (Edited(rtaWeighting_) && rtaWeighting_->findText(rtaWeighting_->currentText()) >= 0)
        ssa->SetRtaWeighting(rtaWeighting_->findText(rtaWeighting_->currentText()));
    if (const auto row = EditedRow(gain_))
        ssa->SetGain(*row);
    if (Edited(bandwidth_))
        ssa->SetThirdOctave(bandwidth_->currentIndex() == 1 ? 1 : 0);
    if (const auto row = EditedRow(acOutput_))
        ssa->SetAcOutput(*row);
    return true;
}

bool PropPageSsa::OnKillActive()
{
    Commit();
    return true;
}
