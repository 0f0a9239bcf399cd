#include "PropPageSsaIntv.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "PageLayout.h"
#include "PageText.h"
#include "RangeEdit.h"
#include "SetupRec.h"

PropPageSsaIntv::PropPageSsaIntv() : SetupPage("Intervals", 229), interval_(this, "interval")
{
    Header()->setText("Sound Level Meter / Real Time Analyzer Settings");
    spectra_ = MakeList(interval_.Group(), "spectra", {"None", "At Max", "Min of Min"});
    interval_.AddRow("Spectra", spectra_);
    Body()->addWidget(interval_.Group());
    Body()->addStretch(1);
}

SSASetup* PropPageSsaIntv::BoundSsa() const
{
    return GetSetup() && HasWindow() ? GetSetup()->GetSSASetup() : nullptr;
}

void PropPageSsaIntv::OnInitDialog()
{
    CreateBitmap(bitmap_, 228);
    interval_.Attach();
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
    ShowChecked(interval_.Threshold(), ssa->GetIntervalThreshold(), "80");
    SetSelection(spectra_, ssa->GetSpectra());
    interval_.Load(*ssa);
}

bool PropPageSsaIntv::Save()
{
    SSASetup* ssa = BoundSsa();
    if (!ssa)
        return true;
    interval_.Save(*ssa);
    if (Edited(interval_.Threshold()))
        ssa->SetIntervalThreshold(AtoI(interval_.Threshold()->text()));
    if (const auto row = EditedRow(spectra_))
        ssa->SetSpectra(*row);
    return true;
}
