#pragma once
// The report view: the right pane of the Translate view. It loads the
// download file of the data item selected in the file tree into its
// measurement data set, chooses the report type of the item's data kind and
// draws the report as a grid of text lines of one height, on the screen and,
// page by page, on the printer and in print preview.
//
// Lines are numbered from 0; line n lies at y = n x line height on the
// screen, and page line m at y = (m + 2) x line height on paper. Every line
// drawer takes the device, an index within its section and the line number,
// and writes its cells at the column positions that the report's layout
// measured from sample texts just before.
#include <string>
#include <utility>
#include <vector>

#include <QAbstractScrollArea>

#include "CView.h"
#include "MeasDataSet.h"
#include "ReportDC.h"
#include "ReportLines.h"

class QPrinter;
namespace settings {
using Cells = std::vector<std::pair<int, std::string>>;
}
class ReportHost;
class Translator;

class CDataReport : public QAbstractScrollArea, public CView, public ReportLines {
    Q_OBJECT
public:
    CDataReport(CDocument* doc, QWidget* parent);
    ~CDataReport() override;

    QWidget* Widget() override { return this; }
    void OnInitialUpdate() override;
    // Takes the file tree's selection: a data item of a download file loads
    // the file and shows its report; any other selection empties the view.
    void OnUpdate(CView* sender, const ViewHint* hint) override;

    // Empties the data set's managers and frees its kept blocks.
    void ClearData();
    // A report type is set and the report has lines.
    bool HasReport() const { return reportType_ != 0 && lineCount_ > 0; }
    // The export commands (Export Data, View Data in Spreadsheet).
    void ExportData() { OnExportData(); }
    void OnExportData();
    void FilePrint();
    void FilePrintPreview();
    void ViewDataInSpreadsheet() { OnViewDataInSpreadsheet(); }
    void OnViewDataInSpreadsheet();

    // The download file and the item label of the last data item selected.
    const std::string& FilePath() const { return filePath_; }
    const std::string& ItemLabel() const { return itemLabel_; }
    int GetReportType() const { return reportType_; }
    int GetLineCount() const { return lineCount_; }
    const MeasDataSet& DataSet() const override { return data_; }
    int ScrollHeight() const { return scrollHeight_; }
    int ScreenLineHeight() const { return screenLineHeight_; }

    // The translation library the views made from now on load with (tests
    // put a scripted one in); null for the real library.
    static void SetTranslator(Translator* translator);
    // The warning about a J57 download file whose firmware is below 1.0.
    static std::string UnsupportedFirmwareText(const std::string& path, float version);

    // Screen drawing of the lines inside the device's clip box (also the
    // printing of report types without a print page of their own).
    void OnDraw(ReportDC& dc);
    // Report line n as the screen shows it, after the report's layout ran;
    // and placed at line `at` instead (a printed page's line).
    void DrawReportLine(ReportDC& dc, int line);
    void DrawReportLineAt(ReportDC& dc, int n, int at);
    // Printing: the printer font's line height, the lines per page and the
    // pages of the job; then one page at a time on the page's drawing
    // rectangle; then the end of the job.
    int OnBeginPrinting(ReportDC& dc);
    void OnPrint(ReportDC& dc, int page, const QRect& drawingRect);
    void OnEndPrinting() {}
    // The whole job on the printer (its page range when one is set);
    // false when there is nothing to print or the printer cannot start.
    bool PrintReport(QPrinter& printer);
    // The pages of the job on that printer, before printing starts (the
    // range the print dialog offers).
    int PagesOnPrinter(QPrinter& printer);
    int LinesPerPage() const { return linesPerPage_; }

    // The column positions the last layout left (tests read them).
    int Column(int k) const override { return (k >= 0 && k < kColumns) ? columns_[k] : 0; }
    int LeftEdge() const override { return left_; }
    int RightEdge() const override { return right_; }
    int LnColumn(int k) const override { return (k >= 0 && k < 7) ? lnColumns_[k] : 0; }
    int SummaryPosition(int k) const override { return (k >= 0 && k < 4) ? summaryPositions_[k] : 0; }
    int ExceedanceColumn(int k) const override { return (k >= 0 && k < 4) ? excdColumns_[k] : 0; }
    void RunLayout(ReportDC& dc, Grid grid) override;

    // ---- frame of every report -----------------------------------------
    void DrawReportTitle(ReportDC& dc, const std::string& title, int line, int page);
    void DrawTitleBlockLine(ReportDC& dc, unsigned index, int line);
    void DrawNoticeLine(ReportDC& dc, const std::string& text, int line);
    void DrawFirmwareNoticeLine(ReportDC& dc, int line);

    // ---- layouts ----------------------------------------------------------
    void LayoutFileInfoColumns(ReportDC& dc);
    void LayoutIntervalColumns(ReportDC& dc);
    void LayoutSsaIntervalColumns(ReportDC& dc) { LayoutIntervalColumns(dc); }
    void LayoutObaIntervalColumns(ReportDC& dc);
    void LayoutRt60Columns(ReportDC& dc);
    void LayoutSpectrumColumns(ReportDC& dc);
    void LayoutTalBandColumns(ReportDC& dc);
    void LayoutSpectralLnColumns(ReportDC& dc);
    void LayoutRunStopColumns(ReportDC& dc);
    void LayoutTimeHistoryColumns(ReportDC& dc);
    void LayoutCalCheckColumns(ReportDC& dc);
    void LayoutDailyColumns(ReportDC& dc);
    void LayoutHistogramColumns(ReportDC& dc);
    void LayoutCalSettingsColumns(ReportDC& dc);
    void LayoutSystemSetupColumns(ReportDC& dc);
    void LayoutIsmSettingsColumns(ReportDC& dc);
    void LayoutSettingsColumns(ReportDC& dc);
    void LayoutSummaryColumns(ReportDC& dc);

    // ---- RT60 ---------------------------------------------------------------
    // The decay histories of the loaded RTA events (0, or -1 when memory
    // fails), and their RT60 texts with the stored options.
    int BuildRt60Decays();
    void ComputeRt60();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    static constexpr int kColumns = 20;

    // What the view asks of the program, through its document; null for a
    // view without one.
    ReportHost* Host() const;
    // Line count of a report whose lines follow from its records; resizes
    // the scroll range when it changed.
    void UpdateLineCount(int count);
    void SetScrollSizes(int height);
    // The y of a line at the line height of the drawing in progress.
    int LineY(const ReportDC& dc, int line) const override;
    // One screen line of the summary (report type 1), by the measurement's
    // mode.
    void DrawSummaryScreenLine(ReportDC& dc, int line);

    // Pages of the print job of the report type (OnBeginPrinting).
    int PrintPageCount();
    // Lines per page of a page of that height, then the job's pages.
    int PagesForHeight(int pageHeight);
    // The paper's plan of the report shown, its rows counted: one plan, or
    // one for each section of a report printed in sections; none for a
    // report printed as the screen draws it.
    struct PagePlan;
    std::vector<PagePlan> PagePlansOf();
    // One page of the report shown by its plans; false without a plan.
    bool PrintPlannedPage(ReportDC& dc, int page);
    // Page k of a plan, printed as the job's page.
    void PrintPlanPage(ReportDC& dc, const PagePlan& plan, int k, int page);

    MeasDataSet data_;
    int left_ = 2;
    int right_ = 0;
    int lineHeight_ = 0;
    int columns_[kColumns] = {};
    int summaryPositions_[4] = {};
    int lnColumns_[7] = {};
    int excdColumns_[4] = {};
    int fileInfoColumns_[2] = {};
    int totalWidth_ = 0;
    int lineCount_ = 0;
    int linesPerPage_ = 0;
    int reportType_ = 0;
    int screenLineHeight_ = 0;
    int printerLineHeight_ = 0;
    int scrollHeight_ = 0;
    // Lines the drawers' y is moved up by while a screen line is drawn at
    // another place (a printed page's line).
    int lineShift_ = 0;
    std::string filePath_;
    std::string itemLabel_;
};

// The data kind of a selection text (the download file's path, a backslash
// and the item label, lower-cased) by the ending of its label; 0 when no
// ending matches.
int DataKindFromLabel(const std::string& text);
// The report type and the first line count the view gives a data kind; both
// 0 for a kind without a report.
void ReportTypeOfDataKind(int dataKind, int* reportType, int* lineCount);
// The screen title of a report type (type 1 by the measurement's mode); empty
// for a type without a title.
std::string ReportTitle(int reportType, int mode);
// "Translation Error: %s" with the reason of a negative load result.
std::string TranslationErrorText(int code);
void ShowTranslationError(int code);
