#include "PropPageLog.h"

#include <QGroupBox>
#include <QShowEvent>

#include "CharClassEdit.h"
#include "PageLayout.h"
#include "PageText.h"
#include "QtPlatform.h"
#include "SetupRec.h"

namespace {

constexpr int kTitleLength = 30;

}  // namespace

PropPageLog::PropPageLog() : LogSetupPage("SLM", 148)
{
    Header()->setText("Sound Level Meter Settings");
    AddTitleRows(title_, fileName_);

    auto* group = new QGroupBox("SLM", this);
    auto* lists = new QGridLayout(group);
    detector_ = MakeList(group, "detector", {"Slow", "Fast", "Impulse"});
    weighting_ = MakeList(group, "freqWeighting", {"A", "C", "Flat"});
    peak1_ = MakeList(group, "peak1Weighting", {"A", "C", "Flat"});
    range_ = MakeList(group, "range", {"Normal", "Low", "High"});
    acOutput_ = MakeList(group, "acOutput", {"AC-1 AC-2", "AC-1 DC", "AC-2 DC", "AC-2 AC-1"});
    AddRow(lists, 0, "Detector", detector_);
    AddRow(lists, 1, "Freq. Weighting", weighting_);
    AddRow(lists, 2, "Peak 1 Weighting", peak1_);
    AddRow(lists, 3, "Range", range_);
    AddRow(lists, 4, "AC Output Control", acOutput_);
    Body()->addWidget(group);
    Body()->addStretch(1);
}

void PropPageLog::OnInitDialog()
{
    CreateBitmap(bitmap_, 234);
    toolTip_.Create(this);
    title_->setMaxLength(kTitleLength);
    toolTip_.AddWindowTool(title_, "Title: Enter up to 30 characters");
    if (!GetSetup()) {
        for (QComboBox* combo : {detector_, weighting_, peak1_, range_, acOutput_})
            combo->setCurrentIndex(0);
        title_->clear();
    } else {
        Load();
    }
}

void PropPageLog::OnSetActive()
{
    LogSetupPage::OnSetActive();
    SetHeader();
}

void PropPageLog::Load()
{
    LOGSetup* log = BoundLog();
    if (!log)
        return;
    SetHeader();
    title_->setText(platform::FromAnsi(log->GetTitle()));
    SetSelection(detector_, log->GetDetector());
    // Weightings 3 and 4 (octave, third octave) leave the list without a
    // selection.
    SetSelection(weighting_, log->GetFreqWeighting());
    SetSelection(peak1_, log->GetPeak1Weighting());
    SetSelection(range_, log->GetRange());
    SetSelection(acOutput_, log->GetAcOutput());
    // The file name line shows the setup file's whole path as its tip. Added
    // once per page: a setup bound later keeps the first path's tip.
    if (ShowFileName(fileName_) && !fileNameToolAdded_)
        fileNameToolAdded_ = AddFileNameTool(toolTip_, fileName_);
}

bool PropPageLog::Save()
{
    LOGSetup* log = BoundLog();
    if (!log)
        return true;
    // A stored code outside a list (weighting 3 and 4, an unknown routing)
    // shows no selection and is kept until a row is picked.
    if (Edited(title_))
        log->SetTitle(platform::ToAnsi(title_->text()));
    if (Edited(detector_) && detector_->currentIndex() >= 0)
        log->SetDetector(detector_->currentIndex());
    if (Edited(weighting_) && weighting_->currentIndex() >= 0)
        log->SetFreqWeighting(weighting_->currentIndex());
    if (Edited(peak1_) && peak1_->currentIndex() >= 0)
        log->SetPeak1Weighting(peak1_->currentIndex());
    if (Edited(range_) && range_->currentIndex() >= 0)
        log->SetRange(range_->currentIndex());
    if (Edited(acOutput_) && acOutput_->currentIndex() >= 0)
        log->SetAcOutput(acOutput_->currentIndex());
    return true;
}

bool PropPageLog::OnKillActive()
{
    Commit();
    return true;
}
