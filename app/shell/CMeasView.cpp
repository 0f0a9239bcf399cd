#include "CMeasView.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

#include "CSdiDoc.h"
#include "MeasListCtrl.h"
#include "Profile.h"
#include "PropPageDownload.h"
#include "PropSheetDownload.h"

namespace {

struct TypeEntry {
    const char* text;
    int type;
};
constexpr TypeEntry kTypes[] = {{"SSA", 5}, {"ISM", 6}, {"LOG", 7},  {"TAL", 8},
                                {"FFT", 9}, {"RTA", 10}, {"ALL <binary>", CMeasView::kAllBinary}};

}  // namespace

CMeasView::CMeasView(CSdiDoc* doc, QWidget* parent) : QWidget(parent), CView(doc)
{
    setObjectName("CMeasView");
    typeFilter_ = platform::AppProfile().GetProfileInt("Download", "Type", 5);
    typeCombo_ = new QComboBox(this);
    typeCombo_->setObjectName("typeCombo");
    list_ = new MeasListCtrl(this);
    sheet_ = new PropSheetDownload(this, this);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel("Show Files of Type:", this));
    left->addWidget(typeCombo_);
    left->addWidget(list_, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(left);
    layout->addWidget(sheet_, 1);
}

CMeasView::~CMeasView()
{
    list_->RemoveAllRecords();
    platform::AppProfile().WriteProfileInt("Download", "Type", typeFilter_);
}

PropPageDownload* CMeasView::GetPage() const
{
    return sheet_->GetPage();
}

void CMeasView::OnInitialUpdate()
{
    sheet_->SetMeasType(typeFilter_);
    int selected = 0;
    for (const TypeEntry& entry : kTypes) {
        typeCombo_->addItem(entry.text, entry.type);
        if (entry.type == typeFilter_)
            selected = typeCombo_->count() - 1;
    }
    typeCombo_->setCurrentIndex(selected);
    connect(typeCombo_, &QComboBox::currentIndexChanged, this, &CMeasView::OnTypeChanged);
    connect(list_, &QListWidget::itemSelectionChanged, this, &CMeasView::OnSelectionChanged);
    SelectMeasurement(0);
}

bool CMeasView::PassesFilter(const MeasRec& record) const
{
    return typeFilter_ == kAllBinary || record.GetMeasType() == typeFilter_;
}

int CMeasView::AddMeasurement(MeasMgrJ46::Entry record, int position)
{
    if (position != -1)
        return 0;
    if (!record || !PassesFilter(*record))
        return -1;
    return list_->AddRecord(std::move(record));
}

void CMeasView::ReplaceFirstMeasurement(MeasMgrJ46::Entry record)
{
    if (!record)
        return;
    GetPage()->StoreTexts();
    const MeasMgrJ46::Entry first = list_->RecordAt(0);
    const bool wasSelected = first && list_->item(0)->isSelected();
    if (first && first->IsActive())
        list_->RemoveRecord(0);
    if (PassesFilter(*record)) {
        list_->InsertRecord(0, record);
        if (wasSelected || !first)
            list_->item(0)->setSelected(true);
    }
    OnSelectionChanged();
}

void CMeasView::SelectMeasurement(int index)
{
    if (index < 0 || index >= list_->count())
        return;
    list_->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
}

MeasMgrJ46::Entry CMeasView::GetNextSelected(int& position) const
{
    for (int row : list_->SelectedRows()) {
        if (row > position) {
            position = row;
            return list_->RecordAt(row);
        }
    }
    return nullptr;
}

std::string CMeasView::GetDownloadPath() const
{
    return GetPage()->GetFolder() + "/" + GetPage()->GetFileNameText();
}

std::string CMeasView::GetLocation() const { return GetPage()->GetLocation(); }
std::string CMeasView::GetNote1() const { return GetPage()->GetNote1(); }
std::string CMeasView::GetNote2() const { return GetPage()->GetNote2(); }

int CMeasView::GetMeasurementCount() const
{
    return list_->count();
}

void CMeasView::ClearStatus()
{
    GetPage()->ClearStatus();
}

void CMeasView::ShowProgress(int number, int count)
{
    GetPage()->SetStatus("Measurement " + std::to_string(number) + " of " + std::to_string(count));
}

void CMeasView::RefreshPage()
{
    GetPage()->RefreshDisplay();
}

void CMeasView::OnTypeChanged(int comboIndex)
{
    if (comboIndex < 0)
        return;
    typeFilter_ = typeCombo_->itemData(comboIndex).toInt();
    if (CSdiDoc* doc = GetDocument()) {
        GetPage()->StoreTexts();
        list_->RemoveAllRecords();
        OnSelectionChanged();
        // The directory walk waits on the instrument; this view may be gone
        // when it returns.
        const QPointer<CMeasView> alive(this);
        doc->RefreshMeasurementList();
        if (alive)
            sheet_->SetMeasType(typeFilter_);
    }
}

// The page keeps its texts with the records it showed, then shows the new
// selection: its first, second and last records give the range; the second
// counts only when the first row is selected (the active measurement then
// comes first and the range starts with the first stored file).
void CMeasView::OnSelectionChanged()
{
    PropPageDownload* page = GetPage();
    page->StoreTexts();
    MeasMgrJ46 selection(false);
    const std::vector<int> rows = list_->SelectedRows();
    for (int row : rows)
        selection.AddTail(list_->RecordAt(row));
    page->SetSelection(selection);
    if (!rows.empty()) {
        const MeasRec* first = list_->RecordAt(rows.front()).get();
        const MeasRec* second = rows.front() == 0 && rows.size() > 1 ? list_->RecordAt(rows[1]).get() : nullptr;
        const MeasRec* last = list_->RecordAt(rows.back()).get();
        page->SetRange(first, second, last);
    }
    page->RefreshDisplay();
}

CSdiDoc* CMeasView::GetDocument() const
{
    return static_cast<CSdiDoc*>(CView::GetDocument());
}
