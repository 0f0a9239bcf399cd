#include "MeasListCtrl.h"

#include <algorithm>
#include <string>

#include <QSignalBlocker>

namespace {

QString ListText(const MeasRec& record)
{
    std::string text;
    // The instrument's texts are bytes; Latin-1 keeps every one of them.
    return QString::fromLatin1(record.GetListText(text));
}

}  // namespace

MeasListCtrl::MeasListCtrl(QWidget* parent) : QListWidget(parent)
{
    setObjectName("measurementList");
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setToolTip("Measurements");
}

int MeasListCtrl::AddRecord(MeasMgrJ46::Entry record)
{
    return InsertRecord(count(), std::move(record));
}

int MeasListCtrl::InsertRecord(int index, MeasMgrJ46::Entry record)
{
    if (!record || index < 0 || index > count())
        return -1;
    auto* item = new QListWidgetItem(ListText(*record));
    item->setTextAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    insertItem(index, item);
    records_.insert(records_.begin() + index, std::move(record));
    return index;
}

MeasMgrJ46::Entry MeasListCtrl::RecordAt(int index) const
{
    if (index < 0 || index >= static_cast<int>(records_.size()))
        return nullptr;
    return records_[static_cast<size_t>(index)];
}

void MeasListCtrl::RemoveRecord(int index)
{
    if (index < 0 || index >= static_cast<int>(records_.size()))
        return;
    // Rows and records stay in step while the selection signals run: the
    // owner refreshes what depends on the selection afterwards.
    const QSignalBlocker block(this);
    delete takeItem(index);
    records_.erase(records_.begin() + index);
}

void MeasListCtrl::RemoveAllRecords()
{
    const QSignalBlocker block(this);
    clear();
    records_.clear();
}

void MeasListCtrl::RefreshRow(int index)
{
    if (QListWidgetItem* row = item(index); row && RecordAt(index))
        row->setText(ListText(*RecordAt(index)));
}

std::vector<int> MeasListCtrl::SelectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}
