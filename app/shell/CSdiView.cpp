#include "CSdiView.h"

#include <QHBoxLayout>
#include <QListWidget>

#include "CSdiApp.h"
#include "CSdiDoc.h"
#include "PropSheetSetup.h"

CSdiView::CSdiView(CSdiDoc* doc, QWidget* parent) : QWidget(parent), CView(doc)
{
    setObjectName("CSdiView");
    list_ = new QListWidget(this);
    list_->setObjectName("setupList");
    list_->setFixedWidth(260);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(list_);
    if (doc)
        doc->SetSdiView(this);
}

CSdiView::~CSdiView()
{
    delete sheet_;
    sheet_ = nullptr;
    if (GetDocument() && GetDocument()->GetSdiView() == this)
        GetDocument()->SetSdiView(nullptr);
}

void CSdiView::OnInitialUpdate()
{
    if (!sheet_) {
        sheet_ = new PropSheetSetup("SLM", this, 0);
        layout()->addWidget(sheet_);
        sheet_->show();
        sheet_->RemoveBlankPage();
    }
    const CSdiApp* app = CSdiApp::Instance();
    if (app && app->UpgradeFlag() && GetDocument())
        GetDocument()->UpgradeAtStartup(app->UpgradePath());
}

std::optional<SelectedSetupState> CSdiView::SelectedSetup() const
{
    return std::nullopt;
}

void CSdiView::RemoveSetupPages(SetupRec* setup)
{
    if (sheet_)
        sheet_->RemovePagesOf(setup);
}

void CSdiView::SaveSetupPages()
{
    if (sheet_)
        sheet_->SaveAll();
}

void CSdiView::ShowSetup(int /*index*/, SetupRec* setup)
{
    if (sheet_)
        sheet_->ShowSetup(setup);
    current_ = setup;
}
