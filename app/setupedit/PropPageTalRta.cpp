#include "PropPageTalRta.h"

#include <QGroupBox>

#include "DateEdits.h"
#include "PageLayout.h"
#include "SetupRec.h"

PropPageTalRta::PropPageTalRta() : TalSetupPage("RTA", 240), runTime_(this, "rtaRun")
{
    auto* top = new QGridLayout;
    fileName_ = new QLabel(this);
    fileName_->setObjectName("fileName");
    AddRow(top, 0, "Filename", fileName_);
    Body()->addLayout(top);
    auto* group = new QGroupBox("RTA", this);
    auto* grid = new QGridLayout(group);
    detector_ = MakeList(group, "rtaDetector", {"Slow", "Fast"});
    AddRow(grid, 0, "Detector", detector_);
    grid->addWidget(new QLabel("Run Time", group), 1, 0);
    grid->addLayout(runTime_.Layout(), 1, 1);
    Body()->addWidget(group);
    Body()->addStretch(1);
}

void PropPageTalRta::OnInitDialog()
{
    CreateBadge();
    runTime_.Attach();
    if (GetSetup()) {
        Load();
        return;
    }
    detector_->setCurrentIndex(0);
    runTime_.Show(0, 0, 0);
}

void PropPageTalRta::Load()
{
    TALSetup* tal = BoundTal();
    if (!tal)
        return;
    detector_->setCurrentIndex(tal->GetRtaDetectorFast() ? 1 : 0);
    ShowFileName(fileName_);
    // The RTA run time sits where the other setups keep the interval period.
    runTime_.Show(tal->GetIntervalHours(), tal->GetIntervalMinutes(), tal->GetRtaRunTimeSeconds());
}

bool PropPageTalRta::Save()
{
    TALSetup* tal = BoundTal();
    if (!tal)
        return true;
    if (Edited(detector_))
        tal->SetRtaDetectorFast(detector_->currentIndex() == 1 ? 1 : 0);
    const auto f = runTime_.Fields();
    if (Edited({f[0], f[1], f[2]}))
        WriteShared(tal, [&](bool edits) {
            tal->SetRtaRunTime(edits && Edited(f[0]) ? runTime_.Hours() : tal->GetIntervalHours(),
                               edits && Edited(f[1]) ? runTime_.Minutes() : tal->GetIntervalMinutes(),
                               edits && Edited(f[2]) ? runTime_.Seconds() : tal->GetRtaRunTimeSeconds());
        });
    return true;
}

bool PropPageTalRta::OnKillActive()
{
    Commit();
    return true;
}
