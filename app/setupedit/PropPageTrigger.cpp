#include "PropPageTrigger.h"

#include <QGroupBox>
#include <QVBoxLayout>

PropPageTrigger::PropPageTrigger() : LogSetupPage("Triggering", 151)
{
    Body()->addWidget(levels_.Make(this));
    Body()->addStretch(1);
}

void PropPageTrigger::OnInitDialog()
{
    CreateBitmap(bitmap_, 234);
    toolTip_.Create(this);
    levels_.Configure();
    if (GetSetup())
        Load();
}

void PropPageTrigger::Load()
{
    LOGSetup* log = BoundLog();
    if (!log)
        return;
    SetHeader();
    levels_.Load(*log);
}
