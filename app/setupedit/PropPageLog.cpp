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
    AddTitleRows(&title_, &fileName_);

    auto* group = new QGroupBox("SLM", this);
    auto* grid = new QGridLayout(group);
    lists_.AddClosingRows(group, grid, lists_.AddLeadingRows(group, grid, 0));
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
        lists_.SelectFirstRows();
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
    // Weightings 3 and 4 (octave, third octave) leave the list without a
    // selection.
    lists_.Load(*log);
    // The file name line shows the setup file's whole path as its tip.
    ShowFileName(fileName_, &toolTip_);
}

bool PropPageLog::Save()
{
    LOGSetup* log = BoundLog();
    if (!log)
        return true;
    if (Edited(title_))
        log->SetTitle(platform::ToAnsi(title_->text()));
    lists_.Save(*this, *log);
    return true;
}

bool PropPageLog::OnKillActive()
{
    Commit();
    return true;
}
