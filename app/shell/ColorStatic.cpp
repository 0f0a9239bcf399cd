#include "ColorStatic.h"

#include <QPainter>

ColorStatic::ColorStatic(QWidget* parent) : QLabel(parent)
{
    text_ = palette().color(QPalette::WindowText);
    background_ = palette().color(QPalette::Button);
}

void ColorStatic::paintEvent(QPaintEvent* /*event*/)
{
    QPainter p(this);
    p.fillRect(rect(), background_);
    p.setPen(text_);
    p.drawText(contentsRect(), static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0), text());
}
