#include "CSdiView.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QScrollArea>

#include "CMainFrame.h"
#include "CSdiApp.h"
#include "CSdiDoc.h"
#include "CommandIds.h"
#include "DevelopmentFolder.h"
#include "PropSheetSetup.h"
#include "SetupListCtrl.h"
#include "SetupPage.h"
#include "SetupRec.h"

namespace {

// The commands of a right click on a row, in the menu's order.
const int kItemMenuCommands[] = {cmd::RenameSetup, cmd::MakeSetupCurrent, cmd::LockSetup, cmd::UnlockSetup,
                                 cmd::DeleteSetup};

}  // namespace

CSdiView::CSdiView(CSdiDoc* doc, QWidget* parent) : QWidget(parent), CView(doc)
{
    setObjectName("CSdiView");
    list_ = new SetupListCtrl(this);
    list_->setFixedWidth(260);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(list_);
    if (doc)
        doc->SetSdiView(this);
    connect(list_, &SetupListCtrl::SetupSelected, this, &CSdiView::OnSetupSelected);
    connect(list_, &SetupListCtrl::ContextMenuAt, this, &CSdiView::ShowContextMenu);
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
        list_->LoadImages();
        list_->CreateColumn();
        // The sheet scrolls when the window is lower than its tallest page,
        // so that the window fits a laptop's screen.
        auto* scroll = new QScrollArea(this);
        scroll->setObjectName("sheetScroll");
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidgetResizable(true);
        sheet_ = new PropSheetSetup("SLM", this, 0, GetDocument());
        scroll->setWidget(sheet_);
        layout()->addWidget(scroll);
        sheet_->show();
        sheet_->RemoveBlankPage();
    }
    // The start-up upgrade returns when it is over.
    const CSdiApp* app = CSdiApp::Instance();
    if (app && app->UpgradeFlag() && GetDocument())
        GetDocument()->UpgradeAtStartup(app->UpgradePath());
    setFocus();
}

SetupRec* CSdiView::GetSelectedSetup() const
{
    return list_->GetSelectedSetup();
}

int CSdiView::GetSelectedIndex() const
{
    return list_->GetSelectedIndex();
}

int CSdiView::AddSetup(SetupRec* record, int position)
{
    if (position != -1 || !record)
        return 0;
    return list_->InsertSetup(record);
}

void CSdiView::DeleteAllSetups()
{
    list_->clear();
}

void CSdiView::SelectSetup(int index)
{
    if (index < 0 || index >= list_->GetCount())
        return;
    list_->SelectSetup(index);
    list_->setFocus();
}

SetupRec* CSdiView::RemoveSetupAt(int index)
{
    SetupRec* record = list_->GetSetupAt(index);
    if (!record || !list_->DeleteSetup(index))
        return nullptr;
    if (current_ == record)
        current_ = nullptr;
    return record;
}

bool CSdiView::SetSetupText(int index, const std::string& text, int imageIndex)
{
    if (!list_->SetSetupText(index, text, imageIndex))
        return false;
    if (sheet_)
        sheet_->RefreshHeaders();
    return true;
}

bool CSdiView::UpdateSetupItem(int index, const SetupRec* record)
{
    return record && SetSetupText(index, record->GetName(), record->GetImageIndex());
}

bool CSdiView::SetSetupImage(int index, int imageIndex)
{
    return list_->SetSetupImage(index, imageIndex);
}

int CSdiView::GetSetupImage(int index) const
{
    return list_->GetSetupImage(index);
}

int CSdiView::GetSetupCount() const
{
    return list_->GetCount();
}

void CSdiView::RemoveSetupPages(SetupRec* setup)
{
    if (sheet_)
        sheet_->RemovePagesOf(setup);
    if (current_ == setup)
        current_ = nullptr;
}

bool CSdiView::SaveSetupPages(std::string* refusedPage)
{
    if (!sheet_ || sheet_->SaveAll())
        return true;
    if (refusedPage && sheet_->RefusingPage())
        *refusedPage = sheet_->RefusingPage()->Caption().toStdString();
    return false;
}

void CSdiView::OnSetupSelected(int /*index*/, SetupRec* setup)
{
    if (sheet_)
        sheet_->ShowSetup(setup);
    current_ = setup;
}

std::unique_ptr<QMenu> CSdiView::MakeContextMenu(bool onItem)
{
    CMainFrame* frame = GetDocument() ? GetDocument()->GetFrame() : nullptr;
    if (!frame)
        return nullptr;
    if (onItem)
        GetDocument()->AskInstrumentActiveSetup();
    auto menu = std::make_unique<QMenu>(frame);
    auto addCommand = [&](QAction* action, int id) {
        action->setEnabled(frame->UpdateCommand(id).enabled);
        connect(action, &QAction::triggered, frame, [frame, id] { frame->OnCommand(id); });
        menu->addAction(action);
    };
    if (onItem) {
        for (int id : kItemMenuCommands)
            addCommand(CMainFrame::MakeSetupContextAction(id, menu.get()), id);
        return menu;
    }
    // Only on a development machine: the folder and its download file.
    if (!DevelopmentFolderExists() || !IsRegularFile(DevelopmentDownloadFile()))
        return nullptr;
    addCommand(new QAction("&Create setup from download file", menu.get()), cmd::CreateSetupFromDownload);
    return menu;
}

void CSdiView::ShowContextMenu(const QPoint& globalPos, bool onItem)
{
    if (std::unique_ptr<QMenu> menu = MakeContextMenu(onItem))
        menu->exec(globalPos);
}

int CSdiView::IndexOfSetup(const SetupRec* record) const
{
    for (int i = 0; i < GetSetupCount(); ++i)
        if (list_->GetSetupAt(i) == record)
            return i;
    return -1;
}

CSdiDoc* CSdiView::GetDocument() const
{
    return static_cast<CSdiDoc*>(CView::GetDocument());
}
