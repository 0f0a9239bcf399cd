#include "PageBitmaps.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kWidth = 55;
constexpr int kHeight = 35;

// The instrument's outline with its display, as both pictures show it.
void DrawMeter(QPainter& p, const QPalette& palette)
{
    p.setPen(QPen(palette.color(QPalette::WindowText), 1));
    p.setBrush(palette.color(QPalette::Button));
    p.drawRoundedRect(QRectF(1.5, 1.5, 17, 32), 3, 3);
    p.setBrush(palette.color(QPalette::Base));
    p.drawRect(QRectF(4.5, 5.5, 11, 9));
    p.setBrush(palette.color(QPalette::Dark));
    p.drawEllipse(QRectF(6.5, 19.5, 7, 7));
}

void DrawLogger(QPainter& p, const QPalette& palette)
{
    DrawMeter(p, palette);
    // A level trace over time.
    p.setPen(QPen(palette.color(QPalette::Highlight), 2));
    QPainterPath trace;
    const int levels[] = {24, 18, 21, 10, 14, 8, 17, 12, 20, 15};
    trace.moveTo(23, levels[0]);
    for (int i = 1; i < 10; ++i)
        trace.lineTo(23 + i * 3.3, levels[i]);
    p.setBrush(Qt::NoBrush);
    p.drawPath(trace);
    p.setPen(QPen(palette.color(QPalette::WindowText), 1));
    p.drawLine(22, 31, 54, 31);
    p.drawLine(22, 4, 22, 31);
}

void DrawAnalyser(QPainter& p, const QPalette& palette)
{
    DrawMeter(p, palette);
    // A spectrum of bands.
    const int bars[] = {12, 18, 22, 16, 20, 11, 8, 14};
    p.setPen(Qt::NoPen);
    p.setBrush(palette.color(QPalette::Highlight));
    for (int i = 0; i < 8; ++i)
        p.drawRect(QRectF(23 + i * 4, 31 - bars[i], 3, bars[i]));
    p.setPen(QPen(palette.color(QPalette::WindowText), 1));
    p.drawLine(22, 31, 54, 31);
}

void DrawIntegrator(QPainter& p, const QPalette& palette)
{
    DrawMeter(p, palette);
    // One level bar with its integrated mark.
    p.setPen(Qt::NoPen);
    p.setBrush(palette.color(QPalette::Highlight));
    p.drawRect(QRectF(30, 9, 8, 22));
    p.setPen(QPen(palette.color(QPalette::WindowText), 2));
    p.drawLine(26, 14, 42, 14);
    p.setPen(QPen(palette.color(QPalette::WindowText), 1));
    p.drawLine(22, 31, 54, 31);
}

void DrawFft(QPainter& p, const QPalette& palette)
{
    DrawMeter(p, palette);
    // A narrow-band spectrum: many thin lines.
    p.setPen(QPen(palette.color(QPalette::Highlight), 1));
    const int lines[] = {6, 9, 7, 14, 22, 12, 8, 10, 18, 9, 6, 8, 11, 7, 5, 6};
    for (int i = 0; i < 16; ++i)
        p.drawLine(QPointF(23.5 + i * 2, 31), QPointF(23.5 + i * 2, 31 - lines[i]));
    p.setPen(QPen(palette.color(QPalette::WindowText), 1));
    p.drawLine(22, 31, 54, 31);
}

// The instrument with its settings: the meter beside a row of slider
// controls.
void DrawSystem(QPainter& p, const QPalette& palette)
{
    DrawMeter(p, palette);
    const int knobs[] = {22, 12, 17, 9};
    for (int i = 0; i < 4; ++i) {
        const double x = 26.5 + i * 7;
        p.setPen(QPen(palette.color(QPalette::WindowText), 1));
        p.drawLine(QPointF(x, 5), QPointF(x, 31));
        p.setPen(Qt::NoPen);
        p.setBrush(palette.color(QPalette::Highlight));
        p.drawRect(QRectF(x - 2.5, knobs[i] - 2, 5, 4));
    }
}

void DrawRta(QPainter& p, const QPalette& palette)
{
    p.setPen(QPen(palette.color(QPalette::Highlight), 2));
    p.setBrush(palette.color(QPalette::Base));
    p.drawEllipse(QRectF(2, 3, kWidth - 4, kHeight - 6));
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(14);
    p.setFont(font);
    p.setPen(palette.color(QPalette::WindowText));
    p.drawText(QRectF(0, 0, kWidth, kHeight), Qt::AlignCenter, "RTA");
}

}  // namespace

namespace PageBitmaps {

QPixmap PageBitmap(int id, const QPalette& palette)
{
    void (*draw)(QPainter&, const QPalette&) = nullptr;
    switch (id) {
    case 155:
    case 228:
    case 241: draw = DrawAnalyser; break;
    case 231: draw = DrawIntegrator; break;
    case 234: draw = DrawLogger; break;
    case 242: draw = DrawFft; break;
    case 243: draw = DrawRta; break;
    case 156: draw = DrawSystem; break;
    default: return {};
    }
    QPixmap pixmap(kWidth, kHeight);
    pixmap.fill(palette.color(QPalette::Window));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, palette);
    return pixmap;
}

}  // namespace PageBitmaps
