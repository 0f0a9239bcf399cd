#include "CSdiView.h"

#include <QHBoxLayout>
#include <QListWidget>

#include "CSdiApp.h"
#include "CSdiDoc.h"
#include "PropSheetSetup.h"
#include "QtPlatform.h"
#include "SetupRec.h"

namespace {

SetupRec* RecordOf(const QListWidgetItem* item)
{
    return item ? static_cast<SetupRec*>(item->data(Qt::UserRole).value<void*>()) : nullptr;
}

}  // namespace

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
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (SetupRec* record = RecordOf(list_->item(row)))
            OnSetupSelected(row, record);
    });
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

SetupRec* CSdiView::GetSelectedSetup() const
{
    return RecordOf(list_->currentItem());
}

int CSdiView::AddSetup(SetupRec* record, int position)
{
    if (position != -1)
        return 0;
    auto* item = new QListWidgetItem(platform::FromAnsi(record->GetName()), list_);
    item->setData(Qt::UserRole, QVariant::fromValue(static_cast<void*>(record)));
    return list_->count() - 1;
}

void CSdiView::DeleteAllSetups()
{
    list_->clear();
}

void CSdiView::SelectSetup(int index)
{
    if (index >= 0 && index < list_->count()) {
        list_->setCurrentRow(index);
        list_->setFocus();
    }
}

int CSdiView::GetSetupCount() const
{
    return list_->count();
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

void CSdiView::OnSetupSelected(int /*index*/, SetupRec* setup)
{
    if (sheet_)
        sheet_->ShowSetup(setup);
    current_ = setup;
}
