#include "PageControls.h"

#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "PageBitmaps.h"

bool BitmapStatic::Create(QWidget* parent, int id, int left, int top, int right, int bottom)
{
    id_ = id;
    setParent(parent);
    setAlignment(Qt::AlignCenter);
    setGeometry(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
    setFixedSize(right - left, bottom - top);
    ReloadBitmap();
    show();
    return !pixmap().isNull();
}

bool BitmapStatic::Create(QWidget* parent, int id)
{
    return Create(parent, id, 10, 20, 65, 55);
}

void BitmapStatic::ReloadBitmap()
{
    setPixmap(PageBitmaps::PageBitmap(id_, palette()));
}

void BitmapStatic::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && id_ != 0)
        ReloadBitmap();
}

bool CMappedBitmapButton::LoadMappedBitmaps(int normal, int selected, int focused, int disabled)
{
    const int ids[4] = {normal, selected, focused, disabled};
    bool all = true;
    for (int i = 0; i < 4; ++i) {
        ids_[i] = ids[i];
        pixmaps_[i] = ids[i] ? PageBitmaps::PageBitmap(ids[i], palette()) : QPixmap();
        if (ids[i] && pixmaps_[i].isNull()) {
            all = false;
            if (i == 0)
                break;
        }
    }
    updateGeometry();
    update();
    return all;
}

bool CMappedBitmapButton::AutoLoadMapped(int normal, int selected, int focused, int disabled)
{
    LoadMappedBitmaps(normal, selected, focused, disabled);
    if (pixmaps_[0].isNull())
        return false;
    setFixedSize(pixmaps_[0].size());
    return true;
}

QSize CMappedBitmapButton::sizeHint() const
{
    return pixmaps_[0].isNull() ? QPushButton::sizeHint() : pixmaps_[0].size();
}

void CMappedBitmapButton::paintEvent(QPaintEvent* event)
{
    if (pixmaps_[0].isNull()) {
        QPushButton::paintEvent(event);
        return;
    }
    const int state = !isEnabled() ? 3 : isDown() ? 1 : hasFocus() ? 2 : 0;
    QPainter p(this);
    p.drawPixmap(0, 0, pixmaps_[state].isNull() ? pixmaps_[0] : pixmaps_[state]);
}

void CMappedBitmapButton::changeEvent(QEvent* event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && ids_[0] != 0)
        LoadMappedBitmaps(ids_[0], ids_[1], ids_[2], ids_[3]);
}

void CPageToolTip::Create(QWidget* page)
{
    page_ = page;
}

bool CPageToolTip::AddWindowTool(QWidget* control, const QString& text)
{
    if (!page_ || !control)
        return false;
    control->setToolTip(text);
    return true;
}

bool CPageToolTip::AddRectTool(QWidget* window, const QString& text, const QRect& rect, int id)
{
    if (!page_ || !window)
        return false;
    rectTools_.push_back({window, text, rect, id, nullptr});
    window->installEventFilter(this);
    return true;
}

bool CPageToolTip::AddControlRectTool(QWidget* window, const QString& text, const QWidget* control, int id)
{
    if (!page_ || !window || !control)
        return false;
    rectTools_.push_back({window, text, control->geometry(), id, control});
    window->installEventFilter(this);
    return true;
}

QString CPageToolTip::RectToolText(const QWidget* window, const QPoint& pos) const
{
    for (const RectTool& tool : rectTools_) {
        const QRect rect = tool.control ? tool.control->geometry() : tool.rect;
        if (tool.window == window && rect.contains(pos))
            return tool.text;
    }
    return {};
}

bool CPageToolTip::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* window = static_cast<QWidget*>(watched);
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = RectToolText(window, help->pos());
        if (!text.isEmpty()) {
            QToolTip::showText(help->globalPos(), text, window);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
