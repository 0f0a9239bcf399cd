#include "MeasListImages.h"

#include <QPainter>
#include <QPainterPath>

namespace MeasListImages {

namespace {

const QColor kInk(30, 30, 30);

void BarChart(QPainter& p)
{
    p.setPen(QPen(kInk, 1));
    p.drawLine(QPointF(1.5, 1), QPointF(1.5, 11.5));
    p.drawLine(QPointF(1.5, 11.5), QPointF(14, 11.5));
    const qreal heights[] = {5, 9, 3, 7};
    p.setBrush(QColor(40, 90, 190));
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(3.5 + i * 2.75, 11.5 - heights[i], 2, heights[i]));
}

// A measurement still running: an arrow bending down towards the list.
void CurvedArrow(QPainter& p)
{
    const QColor green(0, 130, 0);
    QPainterPath bend;
    bend.moveTo(2, 10);
    bend.cubicTo(2, 2, 10, 1, 11, 7);
    p.setPen(QPen(green, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bend);
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawPolygon(QPolygonF{{7.5, 7}, {14.5, 7}, {11, 12}});
}

}  // namespace

QPixmap StateImage(int stateIndex)
{
    QPixmap pixmap(kStateWidth, kStateHeight);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (stateIndex == kStoredFile)
        BarChart(p);
    else if (stateIndex == kActiveMeasurement)
        CurvedArrow(p);
    return pixmap;
}

}  // namespace MeasListImages
