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

// The pictures of the date and time page's "Set" button: a clock set from
// the computer's screen, or from a typed entry; each in four states.
enum class ButtonState { Normal, Pressed, Focused, Disabled };

void DrawSetButton(QPainter& p, const QPalette& palette, bool fromComputer, ButtonState state)
{
    const QPalette::ColorGroup group = state == ButtonState::Disabled ? QPalette::Disabled : QPalette::Active;
    const QColor text = palette.color(group, QPalette::ButtonText);
    const QColor mark = palette.color(group, QPalette::Highlight);
    p.setBrush(palette.color(group, QPalette::Button));
    p.setPen(QPen(text, 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1), 3, 3);
    const qreal shift = state == ButtonState::Pressed ? 1 : 0;
    p.translate(shift, shift);
    if (fromComputer) {
        // A screen on its stand.
        p.setBrush(palette.color(group, QPalette::Base));
        p.drawRect(QRectF(5.5, 6.5, 18, 13));
        p.drawLine(QPointF(14.5, 19.5), QPointF(14.5, 25.5));
        p.drawLine(QPointF(9.5, 25.5), QPointF(19.5, 25.5));
    } else {
        // A keypad.
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 3; ++column)
                p.drawRect(QRectF(5.5 + column * 6, 7.5 + row * 6, 4, 4));
    }
    // An arrow to the clock.
    p.setPen(QPen(mark, 2));
    p.drawLine(QPointF(26, 16), QPointF(33, 16));
    p.drawLine(QPointF(30, 13), QPointF(33, 16));
    p.drawLine(QPointF(30, 19), QPointF(33, 16));
    p.setPen(QPen(text, 1));
    p.setBrush(palette.color(group, QPalette::Base));
    p.drawEllipse(QRectF(36.5, 6.5, 15, 15));
    p.drawLine(QPointF(44, 14), QPointF(44, 9));
    p.drawLine(QPointF(44, 14), QPointF(48, 14));
    p.translate(-shift, -shift);
    if (state == ButtonState::Focused) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(text, 1, Qt::DotLine));
        p.drawRect(QRectF(3.5, 3.5, kWidth - 7, kHeight - 7));
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
    // The "Set" button of the date and time page.
    const struct {
        int id;
        bool fromComputer;
        ButtonState state;
    } buttons[] = {
        {176, false, ButtonState::Normal},    {207, false, ButtonState::Pressed},
        {206, false, ButtonState::Focused},   {205, false, ButtonState::Disabled},
        {177, true, ButtonState::Normal},     {179, true, ButtonState::Pressed},
        {178, true, ButtonState::Focused},    {180, true, ButtonState::Disabled},
    };
    for (const auto& b : buttons) {
        if (b.id != id)
            continue;
        QPixmap pixmap(kWidth, kHeight);
        pixmap.fill(palette.color(QPalette::Window));
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        DrawSetButton(p, palette, b.fromComputer, b.state);
        return pixmap;
    }
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
