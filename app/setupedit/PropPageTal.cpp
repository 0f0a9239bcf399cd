#include "PropPageTal.h"

#include <QGroupBox>

#include "DateEdits.h"
#include "CharClassEdit.h"
#include "PageLayout.h"
#include "PageText.h"
#include "QtPlatform.h"
#include "RangeEdit.h"
#include "SetupRec.h"

PropPageTal::PropPageTal() : TalSetupPage("SLM", 239), runTime_(this, "run")
{
    AddTitleRows(&title_, &fileName_);
    auto* slm = new QGroupBox("TAL", this);
    auto* grid = new QGridLayout(slm);
    detector_ = MakeList(slm, "detector", {"Slow", "Fast"});
    weighting_ = MakeList(slm, "weighting", kWeightingEntries);
    AddRow(grid, 0, "Detector", detector_);
    AddRow(grid, 1, "Weighting", weighting_);
    grid->addWidget(new QLabel("Run Time", slm), 2, 0);
    grid->addLayout(runTime_.Layout(), 2, 1);
    Body()->addWidget(slm);

    auto* tonality = new QGroupBox("Tonality", this);
    auto* toneGrid = new QGridLayout(tonality);
    gain_ = MakeList(tonality, "gain", kGainEntries);
    toneCount_ = MakeEdit<RangeEdit>(tonality, "avgToneCount");
    AddRow(toneGrid, 0, "Gain", gain_);
    AddRow(toneGrid, 1, "Average Tone Count", toneCount_);
    Body()->addWidget(tonality);
    Body()->addStretch(1);
}

void PropPageTal::OnInitDialog()
{
    CreateBadge();
    toneCount_->SetRange(0, 255);
    toneCount_->setMaxLength(3);
    runTime_.Attach();
    if (GetSetup()) {
        Load();
        return;
    }
    detector_->setCurrentIndex(0);
    weighting_->setCurrentIndex(0);
    gain_->setCurrentIndex(2);
    toneCount_->setText("125");
    title_->clear();
    runTime_.Show(0, 0, 0);
}

void PropPageTal::Load()
{
    TALSetup* tal = BoundTal();
    if (!tal)
        return;
    title_->setText(platform::FromAnsi(tal->GetTitle()));
    // Impulse (2), which other setup types use, is none of this list.
    SetSelection(detector_, tal->GetDetector());
    SetSelection(weighting_, tal->GetFreqWeighting());
    ShowChecked(toneCount_, tal->GetAvgToneCount(), "125");
    SetSelection(gain_, tal->GetGain());
    ShowFileName(fileName_);
    runTime_.Show(tal->GetRunTimeHours(), tal->GetRunTimeMinutes(), tal->GetRunTimeSeconds());
}

bool PropPageTal::Save()
{
    TALSetup* tal = BoundTal();
    if (!tal)
        return true;
    if (Edited(title_))
        tal->SetTitle(platform::ToAnsi(title_->text()));
    if (Edited(toneCount_))
        tal->SetAvgToneCount(AtoI(toneCount_->text()));
    // A stored code outside a list (impulse among the detectors) shows no
    // selection and is kept until a row is picked.
    if (const auto row = EditedRow(detector_))
        tal->SetDetector(*row);
    if (const auto row = EditedRow(weighting_))
        tal->SetFreqWeighting(*row);
    if (const auto row = EditedRow(gain_))
        tal->SetGain(*row);
    WriteDuration(tal, runTime_, [&] {
        return std::array<int, 3>{tal->GetRunTimeHours(), tal->GetRunTimeMinutes(), tal->GetRunTimeSeconds()};
    }, [&](int hours, int minutes, int seconds) { tal->SetRunTime(hours, minutes, seconds); });
    return true;
}

bool PropPageTal::OnKillActive()
{
    Commit();
    return true;
}
