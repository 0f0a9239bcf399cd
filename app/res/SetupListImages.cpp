#include "SetupListImages.h"

#include <QFont>
#include <QPainter>

namespace SetupListImages {

namespace {

const QColor kInk(30, 30, 30);

// The instrument, drawn small at the cell's left: body, display, microphone.
void Meter(QPainter& p)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(70, 70, 80));
    p.drawRoundedRect(QRectF(2.5, 3.5, 6, 9), 1, 1);
    p.setBrush(QColor(150, 210, 150));
    p.drawRect(QRectF(3.5, 5, 4, 3));
    p.setBrush(QColor(190, 190, 190));
    p.drawEllipse(QPointF(5.5, 2), 1.5, 1.5);
}

void Letter(QPainter& p, const QRectF& r, const QString& text, int size, QColor colour)
{
    QFont font = p.font();
    font.setPixelSize(size);
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, text);
}

void Padlock(QPainter& p)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(12.5, 1.5, 5, 6), 0, 180 * 16);
    p.setBrush(QColor(220, 180, 40));
    p.drawRect(QRectF(11.5, 5.5, 7, 6));
}

void CurrentArrow(QPainter& p)
{
    p.setPen(QPen(QColor(0, 120, 0), 2));
    p.drawLine(QPointF(11, 7), QPointF(18, 7));
    p.drawLine(QPointF(11, 7), QPointF(14, 4));
    p.drawLine(QPointF(11, 7), QPointF(14, 10));
}

void Diskette(QPainter& p)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(40, 60, 150));
    p.drawRect(QRectF(5.5, 0.5, 11, 11));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7.5, 0.5, 7, 4));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(7.5, 7.5, 7, 4));
}

const char* const kAbbreviations[] = {"SLM", "SSM", "OBA", "SSA", "ISM", "LOG", "TAL", "FFT", "RTA"};

}  // namespace

QPixmap StateImage(int imageIndex)
{
    QPixmap pixmap(kStateWidth, kStateHeight);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (imageIndex) {
    case 0:
    case 6: Meter(p); break;
    case 1:
        Meter(p);
        Letter(p, QRectF(10, 0, 10, 13), "P", 11, QColor(160, 0, 0));
        break;
    case 2:
        Meter(p);
        Padlock(p);
        break;
    case 3: Diskette(p); break;
    case 4: Letter(p, QRectF(0, 0, kStateWidth, kStateHeight), "NEW", 8, QColor(0, 0, 160)); break;
    case 5:
        Meter(p);
        CurrentArrow(p);
        break;
    default: break;
    }
    return pixmap;
}

QPixmap TypeImage(int typeCode)
{
    QPixmap pixmap(kTypeWidth, kTypeHeight);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF oval(0.5, 0.5, kTypeWidth - 1, kTypeHeight - 1);
    if (typeCode == 1) {
        // The system symbol: a gear-like ring.
        p.setPen(QPen(kInk, 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(12, 7.5), 4.5, 4.5);
        for (int i = 0; i < 4; ++i) {
            p.save();
            p.translate(12, 7.5);
            p.rotate(45.0 * i);
            p.drawLine(QPointF(-7, 0), QPointF(7, 0));
            p.restore();
        }
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(12, 7.5), 2.5, 2.5);
    } else if (typeCode >= 2 && typeCode <= 11) {
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.setBrush(QColor(200, 200, 200));
        p.drawEllipse(oval);
        if (typeCode <= 10)
            Letter(p, oval, kAbbreviations[typeCode - 2], 8, kInk);
    }
    return pixmap;
}

}  // namespace SetupListImages
