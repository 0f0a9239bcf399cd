#pragma once
// The drawers of the report types' plans, on the screen (ReportDraw.cpp) and
// on paper (ReportPrintPages.cpp): each takes the view, the device, an index
// (the line within its range, the row, or the index a heading is drawn
// with) and the line. A member of the view or a family's drawer that
// reaches the view through ReportLines becomes one through RowAt (it takes
// the index) or HeadingAt (it takes none).
#include <type_traits>

#include "CDataReport.h"
#include "ReportHistograms.h"
#include "ReportOba.h"

using Drawer = void (*)(CDataReport&, ReportDC&, unsigned index, int line);

template <auto Row>
void RowAt(CDataReport& report, ReportDC& dc, unsigned index, int line)
{
    if constexpr (std::is_member_function_pointer_v<decltype(Row)>)
        (report.*Row)(dc, index, line);
    else
        Row(report, dc, index, line);
}

template <auto Heading>
void HeadingAt(CDataReport& report, ReportDC& dc, unsigned, int line)
{
    if constexpr (std::is_member_function_pointer_v<decltype(Heading)>)
        (report.*Heading)(dc, line);
    else
        Heading(report, dc, line);
}

// The title above the records of the snapshot reports.
inline void SnapshotRecordsTitle(CDataReport& report, ReportDC& dc, unsigned, int line)
{
    histograms::DrawSnapshotRecordsTitle(report, dc, line);
}

// A line of the octave band analyser's intervals, of octave or third-octave
// records.
inline void ObaIntervalLine(CDataReport& report, ReportDC& dc, unsigned index, int line)
{
    if (report.DataSet().Records().obaIntervals.thirdOctave)
        oba::DrawThirdOctaveIntervalLine(report, dc, index, line);
    else
        oba::DrawIntervalLine(report, dc, index, line);
}
