#pragma once
// What the line drawers of a report family reach of the report view: the
// loaded data set (read only), the column grid that the report's layout
// measured last, and where a report line lies on the device. The view
// implements it and hands itself to the drawers, which need nothing else of
// it: a drawer can be read, and driven, without the view's other members.
#include <string>

#include "ReportDC.h"

class MeasDataSet;

class ReportLines {
public:
    virtual const MeasDataSet& DataSet() const = 0;
    // The edges of the drawing and column k of the last layout (0 for k
    // outside the grid).
    virtual int LeftEdge() const = 0;
    virtual int RightEdge() const = 0;
    virtual int Column(int k) const = 0;
    // The y of report line `line`: on paper the page's lines start two
    // lines down.
    virtual int LineY(const ReportDC& dc, int line) const = 0;

    // The further grids of the summary layout, beside its column grid: the
    // Ln-table columns (0 to 6), and the value positions of the overall and
    // current levels (0 to 3) and the exceedance columns (0 to 3) of the LOG
    // and SSA summaries; 0 for k outside the grid.
    virtual int LnColumn(int k) const = 0;
    virtual int SummaryPosition(int k) const = 0;
    virtual int ExceedanceColumn(int k) const = 0;

    // The layouts a drawer switches between while it draws (records of
    // different layouts share a page, a summary's blocks stand on different
    // grids): the view keeps them and runs the one named on the device.
    enum class Grid { kSummary, kSpectrum, kTalBands, kSpectralLn };
    virtual void RunLayout(ReportDC& dc, Grid grid) = 0;

protected:
    ~ReportLines() = default;
};

// The text with its right edge at x; the alignment goes back to left.
inline void DrawRightAligned(ReportDC& dc, int x, int y, const std::string& text)
{
    dc.SetAlignRight(true);
    dc.TextOut(x, y, text);
    dc.SetAlignRight(false);
}
