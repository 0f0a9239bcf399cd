#include "SetupPage.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QShowEvent>

#include "CharClassEdit.h"
#include "PageControls.h"
#include "PageLayout.h"
#include "PropSheetSetup.h"
#include "QtPlatform.h"
#include "SetupRec.h"

SetupPage::SetupPage(const QString& caption, int dialogId) : caption_(caption), dialogId_(dialogId)
{
    body_ = new QVBoxLayout(this);
    top_ = new QHBoxLayout;
    body_->addLayout(top_);
    header_ = new QLabel(this);
    header_->setObjectName("header");
    top_->addWidget(header_, 1);
}

void SetupPage::AddTitleRows(CharClassEdit*& title, QLabel*& fileName)
{
    auto* grid = new QGridLayout;
    title = MakeEdit<CharClassEdit>(this, "title");
    fileName = new QLabel(this);
    fileName->setObjectName("fileName");
    AddRow(grid, 0, "Title", title);
    AddRow(grid, 1, "Filename", fileName);
    body_->addLayout(grid);
}

bool SetupPage::ShowFileName(QLabel* fileName) const
{
    const std::string file = setup_ ? setup_->GetFileName() : std::string();
    fileName->setText(file.empty() ? QString() : '(' + platform::FromAnsi(file) + ')');
    return !file.empty();
}

bool SetupPage::AddFileNameTool(CPageToolTip& toolTip, const QLabel* fileName)
{
    const std::string path = setup_ ? setup_->GetPath() : std::string();
    if (path.empty())
        return false;
    toolTip.AddRectTool(this, platform::FromAnsi(path), fileName->geometry(), 1000);
    return true;
}

void SetupPage::CreateBitmap(BitmapStatic& bitmap, int id)
{
    bitmap.Create(this, id);
    top_->insertWidget(0, &bitmap);
}

SetupPage::~SetupPage() = default;

void SetupPage::SetSetup(SetupRec* setup)
{
    setup_ = setup;
    if (HasWindow())
        Load();
}

void SetupPage::CreatePageWindow()
{
    if (initialised_)
        return;
    initialised_ = true;
    OnInitDialog();
}

void SetupPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    const PropSheetSetup* sheet = GetSheet();
    if (!sheet || !sheet->IsRebuilding())
        CreatePageWindow();
}

PropSheetSetup* SetupPage::GetSheet() const
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* sheet = qobject_cast<PropSheetSetup*>(w))
            return sheet;
    return nullptr;
}

void SetupPage::SetSelection(QComboBox* combo, int code)
{
    combo->setCurrentIndex(code >= 0 && code < combo->count() ? code : -1);
}

int SetupPage::SelectionOrZero(const QComboBox* combo, int maximum)
{
    const int index = combo->currentIndex();
    return index >= 0 && index <= maximum ? index : 0;
}

QString SetupPage::HeaderText(const char* prefix) const
{
    const std::string name = setup_ ? setup_->GetName() : std::string();
    return QString::fromLatin1(prefix) + ' ' + platform::FromAnsi(name);
}
