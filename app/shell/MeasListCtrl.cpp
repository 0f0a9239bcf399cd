#include "MeasListCtrl.h"

#include <algorithm>
#include <string>

#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>

#include "MeasListImages.h"
#include "SetupListImages.h"

namespace {

constexpr int kStateRole = Qt::UserRole;
constexpr int kTypeRole = Qt::UserRole + 1;

// The state image, then the small image of the type.
QIcon RowIcon(int state, int type)
{
    QPixmap pixmap(MeasListImages::kStateWidth + SetupListImages::kTypeWidth, SetupListImages::kTypeHeight);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.drawPixmap(0, 1, MeasListImages::StateImage(state));
    p.drawPixmap(MeasListImages::kStateWidth, 0, SetupListImages::TypeImage(type));
    p.end();
    return QIcon(pixmap);
}

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
    setIconSize(QSize(MeasListImages::kStateWidth + SetupListImages::kTypeWidth, SetupListImages::kTypeHeight));
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
    const int state = record->IsActive() ? MeasListImages::kActiveMeasurement : MeasListImages::kStoredFile;
    item->setData(kStateRole, state);
    item->setData(kTypeRole, record->GetMeasType());
    item->setIcon(RowIcon(state, record->GetMeasType()));
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

int MeasListCtrl::GetStateImage(int index) const
{
    const QListWidgetItem* row = item(index);
    return row ? row->data(kStateRole).toInt() : 0;
}

int MeasListCtrl::GetTypeImage(int index) const
{
    const QListWidgetItem* row = item(index);
    return row ? row->data(kTypeRole).toInt() : 0;
}

// A click on empty space never leaves the list without a selection: the
// focused row is selected again (Qt clears the selection on the press).
void MeasListCtrl::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex focused = currentIndex();
    const bool onItem = indexAt(event->position().toPoint()).isValid();
    QListWidget::mousePressEvent(event);
    reselect_ = !onItem && count() > 0 ? QPersistentModelIndex(focused) : QPersistentModelIndex();
    Reselect();
}

void MeasListCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event);
    Reselect();
    reselect_ = QPersistentModelIndex();
}

void MeasListCtrl::Reselect()
{
    if (reselect_.isValid() && selectedItems().isEmpty())
        selectionModel()->setCurrentIndex(reselect_, QItemSelectionModel::ClearAndSelect);
}
