// Printing and print preview through Qt's printer: the printer font, the
// lines per page and the page count, then one print page per printed page.
#include <algorithm>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>

#include "CDataReport.h"

int CDataReport::OnBeginPrinting(ReportDC& dc)
{
    const ReportFont previous = dc.SelectFont(ReportFont::Printer);
    printerLineHeight_ = std::max(1, dc.LineHeight());
    dc.SelectFont(previous);
    return PagesForHeight(dc.ClipBox().height());
}

int CDataReport::PagesForHeight(int pageHeight)
{
    linesPerPage_ = (pageHeight - 4 * printerLineHeight_) / printerLineHeight_ - 1;
    return std::max(1, PrintPageCount());
}

int CDataReport::PagesOnPrinter(QPrinter& printer)
{
    // The printer font measured on the printer, as printing will measure it.
    const QFontMetrics metrics(QtReportDC::MakeFont(ReportFont::Printer, printer.logicalDpiY()), &printer);
    printerLineHeight_ = std::max(1, metrics.height() + metrics.leading());
    return PagesForHeight(printer.pageLayout().paintRectPixels(printer.resolution()).height());
}

void CDataReport::OnPrint(ReportDC& dc, int page, const QRect& drawingRect)
{
    const int halfInchX = dc.PixelsPerInchX() / 2;
    left_ = std::max(halfInchX, drawingRect.left());
    right_ = std::min(drawingRect.width() - halfInchX, drawingRect.left() + drawingRect.width());
    if (!dc.IsPrinting()) {
        OnDraw(dc);
        return;
    }
    lineHeight_ = printerLineHeight_;
    const ReportFont previous = dc.SelectFont(ReportFont::Printer);
    LayoutFileInfoColumns(dc);
    // The reports follow their page plans; a report without one prints as
    // the screen draws it, in the printer font.
    if (!PrintPlannedPage(dc, page))
        OnDraw(dc);
    dc.SelectFont(previous);
}

bool CDataReport::PrintReport(QPrinter& printer)
{
    if (!HasReport())
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    QtReportDC dc(painter, printer, true, page);
    const int pages = OnBeginPrinting(dc);
    int from = 1;
    int to = pages;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = std::max(1, printer.fromPage());
        to = std::min(pages, printer.toPage() > 0 ? printer.toPage() : pages);
    }
    for (int k = from; k <= to; ++k) {
        if (k > from)
            printer.newPage();
        OnPrint(dc, k, page);
    }
    OnEndPrinting();
    painter.end();
    return true;
}

void CDataReport::FilePrint()
{
    if (!HasReport())
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    // The range the dialog offers is the job's pages.
    dialog.setMinMax(1, PagesOnPrinter(printer));
    if (dialog.exec() == QDialog::Accepted)
        PrintReport(printer);
}

void CDataReport::FilePrintPreview()
{
    if (!HasReport())
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, this);
    // Large enough for the toolbar and a whole page at the fitting zoom.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        preview.resize(std::min(available.width(), available.height() * 4 / 5),
                       available.height() * 9 / 10);
    }
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { PrintReport(*p); });
    preview.exec();
}
