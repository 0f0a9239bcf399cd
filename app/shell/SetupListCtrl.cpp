#include "SetupListCtrl.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>

#include "QtPlatform.h"
#include "SetupRec.h"
#include "SetupListImages.h"

namespace {

constexpr int kRecordRole = Qt::UserRole;
constexpr int kStateRole = Qt::UserRole + 1;  // image index plus 1
constexpr int kTypeRole = Qt::UserRole + 2;
constexpr int kMaxImage = 16;

}  // namespace

SetupListCtrl::SetupListCtrl(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName("setupList");
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setIconSize(QSize(SetupListImages::kStateWidth + SetupListImages::kTypeWidth, SetupListImages::kTypeHeight));
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem*> selected = selectedItems();
        if (selected.isEmpty())
            return;
        const int index = indexOfTopLevelItem(selected.front());
        if (SetupRec* record = GetSetupAt(index))
            emit SetupSelected(index, record);
    });
}

void SetupListCtrl::LoadImages()
{
    for (int i = 0; i < SetupListImages::kStateImageCount; ++i)
        stateImages_[i] = SetupListImages::StateImage(i);
    for (int i = 0; i < SetupListImages::kTypeImageCount; ++i)
        typeImages_[i] = SetupListImages::TypeImage(i);
    for (int i = 0; i < topLevelItemCount(); ++i)
        ApplyIcon(topLevelItem(i));
}

void SetupListCtrl::CreateColumn()
{
    setColumnCount(1);
    setHeaderLabels({"Setup"});
    headerItem()->setTextAlignment(0, Qt::AlignCenter);
    header()->setStretchLastSection(false);
    setColumnWidth(0, qMax(0, viewport()->width() - 4));
}

void SetupListCtrl::resizeEvent(QResizeEvent* event)
{
    QTreeWidget::resizeEvent(event);
    setColumnWidth(0, qMax(0, viewport()->width() - 4));
}

// The row's picture: the state image, then the small image.
void SetupListCtrl::ApplyIcon(QTreeWidgetItem* item)
{
    const int state = item->data(0, kStateRole).toInt();
    const int type = item->data(0, kTypeRole).toInt();
    QPixmap pixmap(iconSize());
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    if (state >= 1 && state <= SetupListImages::kStateImageCount)
        p.drawPixmap(0, 1, stateImages_[state - 1]);
    if (type >= 0 && type < SetupListImages::kTypeImageCount)
        p.drawPixmap(SetupListImages::kStateWidth, 0, typeImages_[type]);
    p.end();
    item->setIcon(0, QIcon(pixmap));
}

int SetupListCtrl::InsertSetup(SetupRec* record)
{
    auto* item = new QTreeWidgetItem(this);
    item->setText(0, platform::FromAnsi(record->GetName()));
    item->setData(0, kRecordRole, QVariant::fromValue(static_cast<void*>(record)));
    item->setData(0, kTypeRole, record->GetType());
    item->setData(0, kStateRole, record->GetImageIndex() + 1);
    ApplyIcon(item);
    return topLevelItemCount() - 1;
}

bool SetupListCtrl::SetSetupText(int index, const std::string& text, int imageIndex)
{
    QTreeWidgetItem* item = topLevelItem(index);
    if (!item)
        return false;
    item->setText(0, platform::FromAnsi(text));
    return SetSetupImage(index, imageIndex);
}

bool SetupListCtrl::SetSetupImage(int index, int imageIndex)
{
    QTreeWidgetItem* item = topLevelItem(index);
    if (!item)
        return false;
    item->setData(0, kStateRole, imageIndex + 1);
    ApplyIcon(item);
    return true;
}

int SetupListCtrl::GetSetupImage(int index) const
{
    const QTreeWidgetItem* item = topLevelItem(index);
    if (!item)
        return 0;
    const int image = item->data(0, kStateRole).toInt() - 1;
    return image >= 0 && image <= kMaxImage ? image : 0;
}

int SetupListCtrl::GetSetupType(int index) const
{
    const QTreeWidgetItem* item = topLevelItem(index);
    return item ? item->data(0, kTypeRole).toInt() : 0;
}

QString SetupListCtrl::GetSetupText(int index) const
{
    const QTreeWidgetItem* item = topLevelItem(index);
    return item ? item->text(0) : QString();
}

SetupRec* SetupListCtrl::GetSetupAt(int index) const
{
    const QTreeWidgetItem* item = topLevelItem(index);
    return item ? static_cast<SetupRec*>(item->data(0, kRecordRole).value<void*>()) : nullptr;
}

// As the list control does, a removed row leaves no row selected (Qt would
// select a neighbour and show it in the sheet).
bool SetupListCtrl::DeleteSetup(int index)
{
    if (!topLevelItem(index))
        return false;
    {
        const QSignalBlocker block(this);
        delete takeTopLevelItem(index);
        clearSelection();
    }
    return true;
}

void SetupListCtrl::SelectSetup(int index)
{
    QTreeWidgetItem* item = topLevelItem(index);
    if (!item)
        return;
    setCurrentItem(item);
    item->setSelected(true);
}

int SetupListCtrl::GetSelectedIndex() const
{
    if (topLevelItemCount() == 0)
        return 0;
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : indexOfTopLevelItem(selected.front());
}

SetupRec* SetupListCtrl::GetSelectedSetup() const
{
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? nullptr : GetSetupAt(indexOfTopLevelItem(selected.front()));
}

// A click on empty space never leaves the list without a selection: the
// focused row is selected again (Qt clears the selection on the release).
void SetupListCtrl::mousePressEvent(QMouseEvent* event)
{
    QTreeWidgetItem* focused = currentItem();
    const bool onItem = itemAt(event->position().toPoint()) != nullptr;
    QTreeWidget::mousePressEvent(event);
    reselect_ = !onItem && topLevelItemCount() > 0 ? focused : nullptr;
    Reselect();
}

void SetupListCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeWidget::mouseReleaseEvent(event);
    Reselect();
    reselect_ = nullptr;
}

void SetupListCtrl::Reselect()
{
    if (reselect_ && indexOfTopLevelItem(reselect_) >= 0) {
        setCurrentItem(reselect_);
        reselect_->setSelected(true);
    }
}

void SetupListCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

void SetupListCtrl::contextMenuEvent(QContextMenuEvent* event)
{
    const bool onItem = itemAt(event->pos()) != nullptr;  // viewport co-ordinates
    emit ContextMenuAt(event->globalPos(), onItem);
    event->accept();
}

void SetupListCtrl::changeEvent(QEvent* event)
{
    QTreeWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        LoadImages();
}
