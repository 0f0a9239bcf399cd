#include "SetupPage.h"

#include <vector>

#include <QAbstractButton>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

#include "CharClassEdit.h"
#include "DateEdits.h"
#include "DurationEdits.h"
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

void SetupPage::AddTitleRows(CharClassEdit** title, QLabel** fileName)
{
    auto* grid = new QGridLayout;
    int row = 0;
    if (title) {
        *title = MakeEdit<CharClassEdit>(this, "title");
        AddRow(grid, row++, "Title", *title);
    }
    if (fileName) {
        *fileName = MakeFileNameLine();
        AddRow(grid, row++, "Filename", *fileName);
    }
    body_->addLayout(grid);
}

QLabel* SetupPage::MakeFileNameLine()
{
    auto* line = new QLabel(this);
    line->setObjectName("fileName");
    return line;
}

bool SetupPage::ShowFileName(QLabel* fileName, CPageToolTip* toolTip)
{
    const std::string file = setup_ ? setup_->GetFileName() : std::string();
    fileName->setText(file.empty() ? QString() : '(' + platform::FromAnsi(file) + ')');
    if (file.empty())
        return false;
    if (toolTip && !fileNameToolAdded_) {
        const std::string path = setup_->GetPath();
        // The line's place is taken when the tip is asked for: the page's
        // layout moves it after the tool was added.
        if (!path.empty()) {
            toolTip->AddControlRectTool(this, platform::FromAnsi(path), fileName, 1000);
            fileNameToolAdded_ = true;
        }
    }
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
    if (HasWindow()) {
        Load();
        RememberShown();
    }
}

void SetupPage::CreatePageWindow()
{
    if (initialised_)
        return;
    initialised_ = true;
    OnInitDialog();
    RememberShown();
}

bool SetupPage::Commit()
{
    if (!Save())
        return false;
    if (HasWindow())
        RememberShown();
    return true;
}

void SetupPage::OnSetActive()
{
    CreatePageWindow();
}

void SetupPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Showing loads nothing but a page's first window. Within the sheet a
    // tab change is the sheet's to announce (the page left saves first), and
    // a page that merely comes into view again (another view was in front,
    // the window was minimised) already has its window.
    const PropSheetSetup* sheet = GetSheet();
    if (!sheet) {
        CreatePageWindow();
        return;
    }
    if (sheet->IsRebuilding())
        return;
    if (!sheet->IsActiveTab(this))
        return;
    CreatePageWindow();
}

QList<QWidget*> SetupPage::OwnFields() const
{
    QList<QWidget*> fields;
    for (QWidget* w : findChildren<QWidget*>()) {
        const bool field = qobject_cast<QLineEdit*>(w) ? !qobject_cast<QComboBox*>(w->parentWidget())
                           : qobject_cast<QComboBox*>(w) ? true
                           : qobject_cast<QAbstractButton*>(w) ? static_cast<QAbstractButton*>(w)->isCheckable()
                                                               : false;
        if (!field)
            continue;
        const SetupPage* owner = nullptr;
        for (QWidget* p = w->parentWidget(); p && !owner; p = p->parentWidget())
            owner = qobject_cast<SetupPage*>(p);
        if (owner == this)
            fields.push_back(w);
    }
    return fields;
}

QVariant SetupPage::FieldState(const QWidget* field)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(field))
        return edit->text();
    if (const auto* list = qobject_cast<const QComboBox*>(field))
        return QStringList{QString::number(list->currentIndex()), list->currentText()};
    if (const auto* box = qobject_cast<const QAbstractButton*>(field))
        return box->isChecked();
    return {};
}

void SetupPage::RememberShown()
{
    shown_.clear();
    picked_.clear();
    for (QWidget* field : OwnFields()) {
        shown_.insert(field, FieldState(field));
        if (watched_.contains(field))
            continue;
        watched_.insert(field);
        if (auto* list = qobject_cast<QComboBox*>(field))
            connect(list, &QComboBox::activated, this, [this, list] { picked_.insert(list); });
        else if (auto* box = qobject_cast<QAbstractButton*>(field))
            connect(box, &QAbstractButton::clicked, this, [this, box] { picked_.insert(box); });
    }
}

bool SetupPage::Edited(const QWidget* field) const
{
    const auto it = shown_.constFind(field);
    if (it == shown_.constEnd())
        return false;
    return picked_.contains(field) || FieldState(field) != it.value();
}

bool SetupPage::Edited(std::initializer_list<const QWidget*> fields) const
{
    for (const QWidget* field : fields)
        if (Edited(field))
            return true;
    return false;
}

void SetupPage::WriteShared(SetupObject* block, const std::function<void(bool edits)>& write)
{
    if (!block || !block->HasBlock())
        return;
    uint8_t* bytes = block->GetSetupBlock();
    const size_t size = block->BlockSize();
    const std::vector<uint8_t> stored(bytes, bytes + size);
    write(false);
    const std::vector<uint8_t> restated(bytes, bytes + size);
    write(true);
    for (size_t i = 0; i < size; ++i)
        if (bytes[i] == restated[i])
            bytes[i] = stored[i];
}

void SetupPage::WriteDuration(SetupObject* block, const DurationEdits& duration,
                              const std::function<std::array<int, 3>()>& stored,
                              const std::function<void(int hours, int minutes, int seconds)>& set) const
{
    const auto f = duration.Fields();
    if (!Edited({f[0], f[1], f[2]}))
        return;
    WriteShared(block, [&](bool edits) {
        const std::array<int, 3> parts = stored();
        set(edits && Edited(f[0]) ? duration.Hours() : parts[0], edits && Edited(f[1]) ? duration.Minutes() : parts[1],
            edits && Edited(f[2]) ? duration.Seconds() : parts[2]);
    });
}

bool SetupPage::AnyEdited() const
{
    for (const QWidget* field : OwnFields())
        if (Edited(field))
            return true;
    for (const SetupPage* inner : findChildren<SetupPage*>())
        if (inner->AnyEdited())
            return true;
    return false;
}

PropSheetSetup* SetupPage::GetSheet() const
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* sheet = qobject_cast<PropSheetSetup*>(w))
            return sheet;
    return nullptr;
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
