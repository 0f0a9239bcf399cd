#include "ShellIcons.h"

#include <functional>

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "CommandIds.h"

namespace ShellIcons {

namespace {

using Draw = std::function<void(QPainter&, const QColor&)>;

QPixmap Paint(int w, int h, const QColor& ink, const Draw& draw)
{
    QPixmap pixmap(w, h);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, ink);
    return pixmap;
}

// A sheet of paper with a folded corner.
void Page(QPainter& p, const QRectF& r, const QColor& ink)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 4, r.top());
    path.lineTo(r.right(), r.top() + 4);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(ink, 1));
    p.setBrush(Qt::white);
    p.drawPath(path);
}

void Folder(QPainter& p, const QRectF& r, const QColor& ink, bool open)
{
    p.setPen(QPen(ink.darker(150), 1));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(QRectF(r.left(), r.top() + 3, r.width(), r.height() - 3));
    p.drawRect(QRectF(r.left(), r.top() + 1, r.width() / 2, 2));
    if (open) {
        p.setBrush(QColor(250, 225, 130));
        QPolygonF lid{{r.left() + 2, r.top() + 6}, {r.right() + 1, r.top() + 6},
                      {r.right() - 2, r.bottom()}, {r.left(), r.bottom()}};
        p.drawPolygon(lid);
    }
}

// The instrument: a meter body with a display and a microphone.
void Meter(QPainter& p, const QRectF& r, const QColor& ink)
{
    p.setPen(QPen(ink, 1));
    p.setBrush(QColor(70, 70, 80));
    p.drawRoundedRect(QRectF(r.left() + r.width() * 0.25, r.top() + 3, r.width() * 0.5, r.height() - 3), 2, 2);
    p.setBrush(QColor(150, 210, 150));
    p.drawRect(QRectF(r.left() + r.width() * 0.32, r.top() + 6, r.width() * 0.36, r.height() * 0.3));
    p.setBrush(QColor(190, 190, 190));
    p.drawEllipse(QPointF(r.center().x(), r.top() + 2), 2, 2);
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& ink)
{
    p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    QLineF back(to, from);
    back.setLength(4);
    QLineF a = back, b = back;
    a.setAngle(back.angle() + 35);
    b.setAngle(back.angle() - 35);
    p.drawLine(a);
    p.drawLine(b);
}

void Grid(QPainter& p, const QRectF& r, const QColor& ink)
{
    p.setPen(QPen(ink, 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
    for (int i = 1; i < 3; ++i)
        p.drawLine(QPointF(r.left() + r.width() * i / 3, r.top()), QPointF(r.left() + r.width() * i / 3, r.bottom()));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(r.left(), r.top() + r.height() * i / 4), QPointF(r.right(), r.top() + r.height() * i / 4));
}

void Padlock(QPainter& p, const QRectF& r, const QColor& ink, bool open)
{
    p.setPen(QPen(ink, 1.5));
    p.setBrush(Qt::NoBrush);
    const QRectF shackle(r.left() + 3, r.top() + (open ? 0 : 1), r.width() - 6, r.height() * 0.7);
    p.drawArc(shackle, 0, 180 * 16);
    p.setBrush(ink);
    p.drawRect(QRectF(r.left() + 1, r.center().y(), r.width() - 2, r.height() / 2 - 1));
}

Draw ToolbarDrawing(int id)
{
    switch (id) {
    case cmd::Connect:
        return [](QPainter& p, const QColor& ink) {
            Meter(p, QRectF(12, 2, 11, 18), ink);
            p.setPen(QPen(ink, 2));
            p.drawLine(QPointF(2, 16), QPointF(11, 16));
            p.drawRect(QRectF(1, 13, 4, 6));
        };
    case cmd::GetSetups:
        return [](QPainter& p, const QColor& ink) {
            Meter(p, QRectF(0, 2, 12, 18), ink);
            Page(p, QRectF(14, 8, 8, 11), ink);
            Arrow(p, QPointF(10, 4), QPointF(19, 4), QColor(0, 110, 0));
        };
    case cmd::NewSetup:
        return [](QPainter& p, const QColor& ink) { Page(p, QRectF(6, 2, 12, 17), ink); };
    case cmd::OpenSetupFile:
        return [](QPainter& p, const QColor& ink) { Folder(p, QRectF(3, 4, 17, 14), ink, true); };
    case cmd::SaveSetupToFile:
        return [](QPainter& p, const QColor& ink) {
            p.setPen(QPen(ink, 1));
            p.setBrush(QColor(40, 60, 140));
            p.drawRect(QRectF(4, 3, 15, 15));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(7, 3, 9, 6));
            p.setBrush(QColor(200, 200, 200));
            p.drawRect(QRectF(7, 12, 9, 6));
        };
    case cmd::SaveSetupToJ57:
        return [](QPainter& p, const QColor& ink) {
            Page(p, QRectF(1, 8, 8, 11), ink);
            Meter(p, QRectF(10, 2, 12, 18), ink);
            Arrow(p, QPointF(3, 4), QPointF(12, 4), QColor(160, 0, 0));
        };
    case cmd::SetupView:
        return [](QPainter& p, const QColor& ink) {
            p.setPen(QPen(ink, 1));
            for (int i = 0; i < 3; ++i) {
                const qreal x = 6 + i * 6;
                p.drawLine(QPointF(x, 3), QPointF(x, 19));
                p.setBrush(QColor(60, 120, 200));
                p.drawRect(QRectF(x - 2, 5 + (i * 5) % 12, 4, 3));
            }
        };
    case cmd::DownloadView:
        return [](QPainter& p, const QColor& ink) {
            Meter(p, QRectF(0, 2, 12, 18), ink);
            Arrow(p, QPointF(16, 3), QPointF(16, 17), QColor(0, 110, 0));
            p.setPen(QPen(ink, 1));
            p.drawLine(QPointF(12, 19), QPointF(21, 19));
        };
    case cmd::TranslateView:
        return [](QPainter& p, const QColor& ink) {
            p.setPen(QPen(ink, 1));
            p.drawLine(QPointF(5, 5), QPointF(5, 17));
            p.drawLine(QPointF(5, 11), QPointF(10, 11));
            p.drawLine(QPointF(5, 17), QPointF(10, 17));
            Folder(p, QRectF(1, 1, 9, 7), ink, false);
            Page(p, QRectF(11, 8, 6, 6), ink);
            Page(p, QRectF(11, 14, 6, 6), ink);
        };
    case cmd::ViewDataInSpreadsheet:
        return [](QPainter& p, const QColor& ink) { Grid(p, QRectF(3, 3, 17, 16), ink); };
    default:
        return {};
    }
}

Draw ContextDrawing(int id)
{
    switch (id) {
    case cmd::UnlockSetup:
        return [](QPainter& p, const QColor& ink) { Padlock(p, QRectF(2, 1, 12, 14), ink, true); };
    case cmd::LockSetup:
        return [](QPainter& p, const QColor& ink) { Padlock(p, QRectF(2, 1, 12, 14), ink, false); };
    case cmd::RenameSetup:
        return [](QPainter& p, const QColor& ink) {
            p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(3, 13), QPointF(13, 3));
            p.setPen(QPen(ink, 1));
            p.drawLine(QPointF(2, 15), QPointF(14, 15));
        };
    case cmd::DeleteSetup:
        return [](QPainter& p, const QColor& ink) {
            p.setPen(QPen(ink, 2.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(3, 3), QPointF(13, 13));
            p.drawLine(QPointF(13, 3), QPointF(3, 13));
        };
    case cmd::MakeSetupCurrent:
        return [](QPainter& p, const QColor& ink) {
            p.setPen(QPen(ink, 2.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(2, 8), QPointF(6, 13));
            p.drawLine(QPointF(6, 13), QPointF(14, 3));
        };
    default:
        return {};
    }
}

}  // namespace

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48}) {
        icon.addPixmap(Paint(size, size, Qt::black, [size](QPainter& p, const QColor& ink) {
            p.scale(size / 24.0, size / 24.0);
            Meter(p, QRectF(2, 1, 20, 22), ink);
        }));
    }
    return icon;
}

QIcon ToolbarIcon(int id)
{
    const Draw draw = ToolbarDrawing(id);
    if (!draw)
        return {};
    QIcon icon;
    icon.addPixmap(Paint(23, 21, Qt::black, draw), QIcon::Normal);
    icon.addPixmap(Paint(23, 21, QColor(150, 150, 150), draw), QIcon::Disabled);
    return icon;
}

QIcon SetupCommandIcon(int id)
{
    const Draw draw = ContextDrawing(id);
    if (!draw)
        return {};
    QIcon icon;
    icon.addPixmap(Paint(16, 16, QColor(0, 0, 128), draw), QIcon::Normal, QIcon::Off);
    icon.addPixmap(Paint(16, 16, QColor(128, 128, 128), draw), QIcon::Disabled, QIcon::Off);
    icon.addPixmap(Paint(16, 16, Qt::white, draw), QIcon::Active, QIcon::Off);
    icon.addPixmap(Paint(16, 16, Qt::white, draw), QIcon::Selected, QIcon::Off);
    // Selected but unavailable: the dark red of the menu's grayed text.
    icon.addPixmap(Paint(16, 16, QColor(15, 0, 0), draw), QIcon::Disabled, QIcon::On);
    return icon;
}

QIcon BrowseIcon()
{
    const Draw draw = [](QPainter& p, const QColor& ink) { Folder(p, QRectF(1.5, 2.5, 13, 11), ink, true); };
    QIcon icon;
    icon.addPixmap(Paint(16, 16, QColor(40, 40, 40), draw), QIcon::Normal);
    icon.addPixmap(Paint(16, 16, QColor(150, 150, 150), draw), QIcon::Disabled);
    return icon;
}

QIcon DownloadPageIcon()
{
    return QIcon(Paint(32, 32, Qt::black, [](QPainter& p, const QColor& ink) {
        Meter(p, QRectF(1, 2, 14, 28), ink);
        Arrow(p, QPointF(14, 8), QPointF(22, 16), QColor(0, 110, 0));
        Page(p, QRectF(20, 17, 10, 13), ink);
    }));
}

QIcon TreeImage(int index)
{
    const QColor ink(40, 40, 40);
    auto dataItem = [](QColor fill) {
        return [fill](QPainter& p, const QColor& ink) {
            p.setPen(QPen(ink, 1));
            p.setBrush(fill);
            p.drawRect(QRectF(2.5, 3.5, 11, 9));
            p.drawLine(QPointF(4, 10), QPointF(7, 7));
            p.drawLine(QPointF(7, 7), QPointF(9, 9));
            p.drawLine(QPointF(9, 9), QPointF(12, 5));
        };
    };
    auto drive = [](QColor light) {
        return [light](QPainter& p, const QColor& ink) {
            p.setPen(QPen(ink, 1));
            p.setBrush(QColor(200, 200, 200));
            p.drawRect(QRectF(1.5, 5.5, 13, 6));
            p.setBrush(light);
            p.drawRect(QRectF(11, 8, 2, 2));
        };
    };
    Draw draw;
    switch (index) {
    case 0: draw = drive(QColor(0, 170, 0)); break;
    case 1: draw = drive(QColor(230, 150, 0)); break;
    case 2:
        draw = [](QPainter& p, const QColor& ink) {
            p.setPen(QPen(ink, 1));
            p.setBrush(QColor(210, 210, 235));
            p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
            p.setBrush(Qt::white);
            p.drawEllipse(QRectF(6, 6, 4, 4));
        };
        break;
    case 3: draw = [](QPainter& p, const QColor& c) { Folder(p, QRectF(1.5, 2.5, 13, 11), c, false); }; break;
    case 4: draw = [](QPainter& p, const QColor& c) { Folder(p, QRectF(1.5, 2.5, 13, 11), c, true); }; break;
    case 5:
        draw = [](QPainter& p, const QColor& c) {
            Page(p, QRectF(3.5, 1.5, 10, 13), c);
            p.setPen(QPen(QColor(0, 90, 160), 1));
            for (int y = 6; y <= 12; y += 3)
                p.drawLine(QPointF(5.5, y), QPointF(11.5, y));
        };
        break;
    case 6: draw = dataItem(QColor(220, 220, 220)); break;
    case 7: draw = dataItem(QColor(170, 220, 255)); break;
    case 8: draw = dataItem(QColor(255, 230, 160)); break;
    default: return {};
    }
    return QIcon(Paint(16, 16, ink, draw));
}

}  // namespace ShellIcons
