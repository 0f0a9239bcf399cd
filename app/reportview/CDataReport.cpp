#include "CDataReport.h"

#include <algorithm>
#include <cctype>

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include "CDocument.h"
#include "Clock.h"
#include "Prompter.h"
#include "ReportHost.h"
#include "ReportText.h"

namespace {

Translator* g_translator = nullptr;

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool EndsWith(const std::string& text, const std::string& ending)
{
    return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

}  // namespace

void CDataReport::SetTranslator(Translator* translator)
{
    g_translator = translator;
}

std::string CDataReport::UnsupportedFirmwareText(const std::string& path, float version)
{
    return Printf("%s\n%s\n%s\n%.3f\n%s\n%s\n%s\n%.3lf\n%s", "The data contained in the Slm download file",
                  path.c_str(), "was created by an J57 with firmware version", static_cast<double>(version),
                  "which is unsupported by the J57 utility.", "The J57 utility translates J57 Slm download",
                  "files created by an J57 with firmware version", 1.0, "or greater.");
}

CDataReport::CDataReport(CDocument* doc, QWidget* parent)
    : QAbstractScrollArea(parent), CView(doc), data_(g_translator)
{
    setObjectName("CDataReport");
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    const QFont font = QtReportDC::MakeFont(ReportFont::Screen, viewport()->logicalDpiY());
    const QFontMetrics metrics(font, viewport());
    screenLineHeight_ = std::max(1, metrics.height() + metrics.leading());
    totalWidth_ = viewport()->logicalDpiX() * 6;
    right_ = totalWidth_;
    lineHeight_ = screenLineHeight_;
}

CDataReport::~CDataReport() = default;

void CDataReport::OnInitialUpdate()
{
    SetScrollSizes(0);
    // As the framework does: a first update without a sender empties the view.
    OnUpdate(nullptr, nullptr);
}

void CDataReport::ClearData()
{
    data_.Clear();
}

void CDataReport::OnUpdate(CView* sender, const ViewHint* hint)
{
    reportType_ = 0;
    lineCount_ = 0;
    int dataKind = -1;
    float version = 0.0f;

    // Only a data item of a download file is a report; a drive, a folder or
    // the file itself (no item label) empties the view.
    if (sender && hint && !hint->label.empty() && EndsWith(Lower(hint->path), "slmdl")) {
        filePath_ = hint->path;
        itemLabel_ = hint->label;
        platform::WaitCursor wait;
        ClearData();
        dataKind = DataKindFromLabel(Lower(hint->path + "\\" + hint->label));
        ReportTypeOfDataKind(dataKind, &reportType_, &lineCount_);
        const int result = data_.LoadFile(filePath_, &version, &reportType_, dataKind, &lineCount_);
        if (result == MeasDataSet::kUnsupportedFirmware) {
            platform::AppPrompter().Message(UnsupportedFirmwareText(filePath_, version), platform::Icon::Warning);
            reportType_ = 35;
            lineCount_ = 10;
        } else if (result == MeasDataSet::kFileNotFound) {
            // The file has gone since the tree listed it: nothing of the
            // report before stays on screen or reaches paper or export.
            reportType_ = 0;
            lineCount_ = 0;
        } else if (result < 0 && result != TranslatorCodes::kEndOfData) {
            ShowTranslationError(result);
            return;
        }
    }

    if (dataKind == 22 && reportType_ != 0) {
        BuildRt60Decays();
        ComputeRt60();
    }
    // The scroll range covers every line: the longest report is far within
    // the range of the scroll bars.
    SetScrollSizes(lineCount_ * screenLineHeight_);
    viewport()->update();
}

ReportHost* CDataReport::Host() const
{
    return dynamic_cast<ReportHost*>(GetDocument());
}

void CDataReport::UpdateLineCount(int count)
{
    if (count == lineCount_)
        return;
    const bool shrank = count < lineCount_;
    lineCount_ = count;
    SetScrollSizes(count * screenLineHeight_);
    if (shrank) {
        verticalScrollBar()->setValue(0);
        horizontalScrollBar()->setValue(0);
    }
    viewport()->update();
}

void CDataReport::SetScrollSizes(int height)
{
    scrollHeight_ = height;
    const QSize page = viewport()->size();
    verticalScrollBar()->setRange(0, std::max(0, height - page.height()));
    verticalScrollBar()->setPageStep(10 * screenLineHeight_);
    verticalScrollBar()->setSingleStep(screenLineHeight_);
    horizontalScrollBar()->setRange(0, std::max(0, totalWidth_ - page.width()));
    horizontalScrollBar()->setPageStep(std::max(1, page.width()));
    horizontalScrollBar()->setSingleStep(screenLineHeight_);
}

void CDataReport::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    SetScrollSizes(scrollHeight_);
}

void CDataReport::scrollContentsBy(int, int)
{
    viewport()->update();
}

void CDataReport::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const int dx = horizontalScrollBar()->value();
    const int dy = verticalScrollBar()->value();
    painter.translate(-dx, -dy);
    QtReportDC dc(painter, *viewport(), false, event->rect().translated(dx, dy));
    OnDraw(dc);
}

int CDataReport::LineY(const ReportDC& dc, int line) const
{
    return (line - lineShift_) * lineHeight_ + (dc.IsPrinting() ? 2 * lineHeight_ : 0);
}
