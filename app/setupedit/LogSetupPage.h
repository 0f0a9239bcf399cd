#pragma once
// Base of the pages that edit the LOG block of a logging sound level meter
// setup: they act only while a setup with a LOG block is bound and the page
// window exists, and share the header "Sound Level Meter - <name>".
#include <QLabel>

#include "PageText.h"
#include "SetupPage.h"
#include "SetupRec.h"

class LogSetupPage : public SetupPage {
public:
    using SetupPage::SetupPage;

    void SetHeader() override
    {
        if (BoundLog())
            Header()->setText(HeaderText(kSlmHeaderPrefix));
    }

protected:
    LOGSetup* BoundLog() const { return GetSetup() && HasWindow() ? GetSetup()->GetLOGSetup() : nullptr; }
};
