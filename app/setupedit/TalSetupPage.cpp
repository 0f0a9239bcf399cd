#include "TalSetupPage.h"

#include <QLabel>

#include "SetupRec.h"

TalSetupPage::TalSetupPage(const QString& caption, int dialogId) : SetupPage(caption, dialogId)
{
    Header()->setText("ZU-Reru Settings");
}

TALSetup* TalSetupPage::BoundTal() const
{
    return GetSetup() && HasWindow() ? GetSetup()->GetTALSetup() : nullptr;
}

// The composed header is kept off the page: the header line keeps its fixed
// text.
void TalSetupPage::SetHeader()
{
    if (BoundTal())
        (void)HeaderText("ZU-Reru");
}
