#include "PPAdvanced.h"

#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

#include "PageText.h"

PPAdvanced::PPAdvanced(int setupType) : SetupPage("Advanced", 284), type_(setupType)
{
    Header()->setText("Sound Level Meter / Real Time Analyzer Settings");
    Body()->addWidget(new QLabel("Advanced settings", this));
    nested_ = new QTabWidget(this);
    nested_->setObjectName("advancedSheet");
    Body()->addWidget(nested_, 1);
}

// The pages inside leave the inner sheet before they end.
PPAdvanced::~PPAdvanced()
{
    RemoveNestedPages();
}

void PPAdvanced::SetSetup(SetupRec* setup)
{
    windTach_.SetSetup(setup, type_);
    controls_.SetSetup(setup, type_);
    report_.SetSetup(setup, type_);
    SetupPage::SetSetup(setup);
}

void PPAdvanced::OnInitDialog()
{
    CreateBitmap(bitmap_, type_ == 7 ? 234 : 228);
    toolTip_.Create(this);
    if (GetSetup())
        SetHeader();
}

void PPAdvanced::Load()
{
    SetHeader();
}

void PPAdvanced::SetHeader()
{
    if (!GetSetup() || !HasWindow())
        return;
    const bool hasBlock = type_ == 7 ? GetSetup()->GetLOGSetup() != nullptr : GetSetup()->GetSSASetup() != nullptr;
    if (hasBlock)
        Header()->setText(HeaderText(kSlmHeaderPrefix));
}

bool PPAdvanced::Save()
{
    // Every page writes what it accepts; the first that refuses is shown.
    AdvancedNestedPage* refusing = nullptr;
    for (AdvancedNestedPage* page : std::initializer_list<AdvancedNestedPage*>{&report_, &windTach_, &controls_})
        if (!page->Commit() && !refusing)
            refusing = page;
    if (!refusing)
        return true;
    if (nested_->indexOf(refusing) >= 0)
        nested_->setCurrentWidget(refusing);
    return false;
}

void PPAdvanced::OnSetActive()
{
    SetupPage::OnSetActive();
    // The page in front of the inner sheet came into view with this one.
    if (auto* page = qobject_cast<AdvancedNestedPage*>(nested_->currentWidget()); page && page->isVisible())
        page->CreatePageWindow();
}

void PPAdvanced::AddNestedPages()
{
    windTach_.SetSetup(GetSetup(), type_);
    AddNestedPage(&windTach_);
    report_.SetSetup(GetSetup(), type_);
    AddNestedPage(&report_);
    controls_.SetSetup(GetSetup(), type_);
    AddNestedPage(&controls_);
}

void PPAdvanced::RemoveNestedPages()
{
    RemoveNestedPage(&report_);
    RemoveNestedPage(&windTach_);
    RemoveNestedPage(&controls_);
}

void PPAdvanced::AddNestedPage(AdvancedNestedPage* page)
{
    if (nested_->indexOf(page) < 0)
        nested_->addTab(page, page->Caption());
}

void PPAdvanced::RemoveNestedPage(AdvancedNestedPage* page)
{
    const int index = nested_->indexOf(page);
    if (index >= 0)
        nested_->removeTab(index);
}

bool PPAdvanced::UpdateData(bool save)
{
    auto* page = qobject_cast<AdvancedNestedPage*>(nested_->currentWidget());
    if (page && page->HasWindow())
        return page->UpdateData(save);
    return true;
}
