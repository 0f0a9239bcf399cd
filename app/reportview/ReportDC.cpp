#include "ReportDC.h"

#include <algorithm>

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>

#include "QtPlatform.h"

QtReportDC::QtReportDC(QPainter& painter, QPaintDevice& device, bool printing, const QRect& clip)
    : painter_(painter), device_(device), printing_(printing), clip_(clip)
{
    font_ = printing ? ReportFont::Printer : ReportFont::Screen;
    painter_.setFont(MakeFont(font_, PixelsPerInchY()));
    painter_.setPen(Qt::black);
}

QFont QtReportDC::MakeFont(ReportFont font, int pixelsPerInchY)
{
    QFont f(font == ReportFont::Printer ? "Courier New" : "MS Sans Serif");
    f.setStyleHint(font == ReportFont::Printer ? QFont::TypeWriter : QFont::SansSerif);
    f.setFixedPitch(true);
    f.setWeight(QFont::Normal);
    f.setPixelSize(std::max(1, pixelsPerInchY * 8 / 72));
    return f;
}

ReportFont QtReportDC::SelectFont(ReportFont font)
{
    ReportFont previous = font_;
    font_ = font;
    painter_.setFont(MakeFont(font, PixelsPerInchY()));
    return previous;
}

int QtReportDC::TextWidth(const std::string& text) const
{
    return QFontMetrics(painter_.font(), &device_).horizontalAdvance(platform::FromAnsi(text));
}

int QtReportDC::LineHeight() const
{
    QFontMetrics metrics(painter_.font(), &device_);
    return metrics.height() + metrics.leading();
}

int QtReportDC::PixelsPerInchX() const
{
    return device_.logicalDpiX();
}

int QtReportDC::PixelsPerInchY() const
{
    return device_.logicalDpiY();
}

void QtReportDC::TextOut(int x, int y, const std::string& text)
{
    QFontMetrics metrics(painter_.font(), &device_);
    const QString s = platform::FromAnsi(text);
    if (alignRight_)
        x -= metrics.horizontalAdvance(s);
    painter_.drawText(x, y + metrics.ascent(), s);
}

void QtReportDC::Line(int x1, int y1, int x2, int y2)
{
    painter_.drawLine(x1, y1, x2, y2);
}
