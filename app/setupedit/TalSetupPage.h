#pragma once
// Base of the two pages of a ZU-Reru tonality setup: the header and badge
// both show, and the rule that a page acts only while it is bound to a
// setup with a TAL block and its window exists.
#include "PageControls.h"
#include "SetupPage.h"

class TALSetup;

class TalSetupPage : public SetupPage {
public:
    TalSetupPage(const QString& caption, int dialogId);
    void SetHeader() override;

protected:
    TALSetup* BoundTal() const;
    void CreateBadge() { CreateBitmap(bitmap_, 241); }

private:
    BitmapStatic bitmap_;
};
