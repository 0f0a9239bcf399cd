#pragma once
// Base of the pages that edit the instrument's system settings: they act only
// while a setup with a system block is bound and the page window exists, and
// all carry the same header line and the System picture.
#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

#include "PageControls.h"
#include "PageLayout.h"
#include "SetupPage.h"
#include "SetupRec.h"

class SysSetupPage : public SetupPage {
public:
    SysSetupPage(const QString& caption, int dialogId, const char* label) : SetupPage(caption, dialogId)
    {
        Header()->setText("J57 System Settings");
        auto* text = new QLabel(QString::fromLatin1(label), this);
        text->setObjectName("pageLabel");
        Body()->addWidget(text);
    }

protected:
    static constexpr int kSystemBitmap = 156;

    SYSSetup* BoundSys() const { return GetSetup() && HasWindow() ? GetSetup()->GetSYSSetup() : nullptr; }
    void CreateSystemBitmap() { CreateBitmap(bitmap_, kSystemBitmap); }

private:
    BitmapStatic bitmap_;
};
