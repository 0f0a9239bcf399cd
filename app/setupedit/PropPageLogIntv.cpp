#include "PropPageLogIntv.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "PageText.h"
#include "RangeEdit.h"

PropPageLogIntv::PropPageLogIntv() : LogSetupPage("Intervals", 153), interval_(this, QString())
{
    Body()->addWidget(interval_.Group());
    Body()->addStretch(1);
}

void PropPageLogIntv::OnInitDialog()
{
    CreateBitmap(bitmap_, 234);
    toolTip_.Create(this);
    interval_.Attach();
    if (GetSetup())
        Load();
}

void PropPageLogIntv::Load()
{
    LOGSetup* log = BoundLog();
    if (!log)
        return;
    SetHeader();
    // The threshold is shown as stored, whatever its field accepts.
    interval_.Threshold()->setText(IntText(log->GetIntervalThreshold()));
    interval_.Load(*log);
}

bool PropPageLogIntv::Save()
{
    LOGSetup* log = BoundLog();
    if (!log)
        return true;
    interval_.Save(*log);
    // The LOG block stores its own threshold.
    if (Edited(interval_.Threshold()))
        log->SetIntervalThreshold(AtoI(interval_.Threshold()->text()));
    return true;
}
