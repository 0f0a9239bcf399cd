#include "PropPageTalRta.h"

#include <QGroupBox>

#include "DateEdits.h"
#include "PageLayout.h"
#include "SetupRec.h"

PropPageTalRta::PropPageTalRta() : TalSetupPage("RTA", 240), runTime_(this, "rtaRun")
{
    AddTitleRows(nullptr, &fileName_);
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
    WriteDuration(tal, runTime_, [&] {
        return std::array<int, 3>{tal->GetIntervalHours(), tal->GetIntervalMinutes(), tal->GetRtaRunTimeSeconds()};
    }, [&](int hours, int minutes, int seconds) { tal->SetRtaRunTime(hours, minutes, seconds); });
    return true;
}

bool PropPageTalRta::OnKillActive()
{
    Commit();
    return true;
}
