// Column layouts: each measures sample texts in the font selected into the
// device and adds the widths up from the left edge, so one layout fits the
// screen and the printer alike. A layout sets only its own positions.
#include <algorithm>

#include "CDataReport.h"

namespace {

// Positions first .. last, each one width of the sample right of the one
// before.
void Step(int* columns, int first, int last, int width)
{
    for (int k = first; k <= last; ++k)
        columns[k] = columns[k - 1] + width;
}

}  // namespace

void CDataReport::LayoutFileInfoColumns(ReportDC& dc)
{
    fileInfoColumns_[0] = left_;
    fileInfoColumns_[1] = left_ + dc.TextWidth("Software Version:SSSS");
    // Paper names the firmware in full: its label is the widest, and the
    // values start a gap after it.
    if (dc.IsPrinting())
        fileInfoColumns_[1] = std::max(fileInfoColumns_[1], left_ + dc.TextWidth("Firmware/Software Revs:SS"));
}

void CDataReport::LayoutIntervalColumns(ReportDC& dc)
{
    columns_[0] = left_;
    Step(columns_, 1, 4, dc.TextWidth("00-DDD-0000S"));
    Step(columns_, 5, 10, dc.TextWidth("Excd Peak-1S"));
}

void CDataReport::LayoutObaIntervalColumns(ReportDC& dc)
{
    const int band = dc.TextWidth("20000 Hz");
    const int count = dc.TextWidth("0000000000S");
    const int level = dc.TextWidth("000.0 Db 1/3");
    columns_[0] = left_;
    columns_[1] = left_ + band;
    columns_[2] = left_ + count;
    columns_[3] = columns_[2] + level;
    columns_[4] = columns_[2] + dc.TextWidth("00-DDD-0000SS");
    columns_[5] = columns_[4] + band;
    columns_[6] = columns_[4] + count;
    columns_[7] = columns_[6] + level;
    columns_[8] = columns_[4] + dc.TextWidth("Sync Hours/MinutesSSS");
}

void CDataReport::LayoutRt60Columns(ReportDC& dc)
{
    columns_[0] = left_;
    columns_[1] = left_ + dc.TextWidth("SSS");
    columns_[2] = columns_[1] + dc.TextWidth("Rec # 22222");
    columns_[3] = columns_[2] + dc.TextWidth("20000000 Hz");
    columns_[4] = columns_[3] + dc.TextWidth("000000.000");
    columns_[5] = columns_[4] + dc.TextWidth("SSSSSS");
    columns_[6] = columns_[5] + dc.TextWidth("200000000 Hz");
}

void CDataReport::LayoutSpectrumColumns(ReportDC& dc)
{
    columns_[0] = left_;
    Step(columns_, 1, 10, dc.TextWidth("20000SSSS"));
}

void CDataReport::LayoutTalBandColumns(ReportDC& dc)
{
    columns_[0] = 2 * left_;
    Step(columns_, 1, 4, dc.TextWidth("20000SSSS"));
}

void CDataReport::LayoutSpectralLnColumns(ReportDC& dc)
{
    const int ln = dc.TextWidth("000.00S");
    columns_[0] = left_;
    Step(columns_, 1, 7, ln);
    columns_[8] = columns_[7] + dc.TextWidth("20000S");
    Step(columns_, 9, 14, ln);
}

void CDataReport::LayoutRunStopColumns(ReportDC& dc)
{
    const int number = dc.TextWidth("9999999999 ");
    columns_[1] = left_ + number;
    columns_[2] = columns_[1] + dc.TextWidth("00-Jan-9999    ");
    Step(columns_, 3, 6, number);
}

void CDataReport::LayoutTimeHistoryColumns(ReportDC& dc)
{
    columns_[1] = left_ + dc.TextWidth("9999999 ");
    columns_[2] = columns_[1] + dc.TextWidth("00-Jan-9999S");
    Step(columns_, 3, 19, dc.TextWidth("00:00:00SS"));
}

void CDataReport::LayoutCalCheckColumns(ReportDC& dc)
{
    columns_[1] = left_ + dc.TextWidth("9999999999 ");
    columns_[2] = columns_[1] + dc.TextWidth("00-Jan-9999S");
    Step(columns_, 3, 6, dc.TextWidth("00:00:00SS"));
}

void CDataReport::LayoutDailyColumns(ReportDC& dc)
{
    columns_[0] = left_;
    columns_[1] = left_ + dc.TextWidth("9999999 ");
    columns_[2] = columns_[1] + dc.TextWidth("00-Jan-9999S");
    columns_[3] = columns_[2] + dc.TextWidth("00:00:00SS");
    Step(columns_, 4, 10, dc.TextWidth("000.0 dBAS"));
}

void CDataReport::LayoutHistogramColumns(ReportDC& dc)
{
    columns_[1] = left_ + dc.TextWidth("999.9SS");
    columns_[2] = columns_[1] + dc.TextWidth("999999999S");
    columns_[3] = columns_[2] + dc.TextWidth("999.99%S");
    columns_[4] = columns_[3] + dc.TextWidth("00:00:00.0S");
}

void CDataReport::LayoutCalSettingsColumns(ReportDC& dc)
{
    columns_[1] = left_ + dc.TextWidth("Calibration Offset:S");
    columns_[2] = columns_[1] + dc.TextWidth("00-Jan-9999SSS");
    columns_[3] = columns_[2] + dc.TextWidth("Calibration Time:S");
}

void CDataReport::LayoutSystemSetupColumns(ReportDC& dc)
{
    const int maximum = dc.TextWidth("Maximum:SSS");
    const int version = dc.TextWidth("Software Version:SSSS");
    columns_[0] = left_;
    columns_[1] = left_ + maximum;
    columns_[2] = left_ + version;
    columns_[3] = columns_[2] + maximum;
    columns_[4] = columns_[3] + version;
}

void CDataReport::LayoutIsmSettingsColumns(ReportDC& dc)
{
    const int maximum = dc.TextWidth("Maximum:SSS");
    const int version = dc.TextWidth("Software Version:SSSS");
    columns_[0] = left_;
    columns_[1] = left_ + maximum;
    columns_[2] = left_ + version;
    columns_[3] = left_ + version + maximum;
    columns_[4] = left_ + 3 * dc.PixelsPerInchX();
    columns_[5] = columns_[4] + maximum;
    columns_[6] = columns_[4] + version;
}

void CDataReport::LayoutSettingsColumns(ReportDC& dc)
{
    const int inch = dc.PixelsPerInchX();
    const int indent = dc.TextWidth("SS");
    const int label = dc.TextWidth("Peak-2 Exceedance Level:SS");
    columns_[0] = left_;
    columns_[1] = left_ + indent;
    columns_[2] = left_ + dc.TextWidth("Software Version:SSSS");
    columns_[3] = left_ + indent + label;
    columns_[4] = left_ + 3 * inch - inch / 4;
    columns_[5] = columns_[4] + indent;
    columns_[6] = columns_[4] + indent + label;
}

void CDataReport::RunLayout(ReportDC& dc, Grid grid)
{
    switch (grid) {
    case Grid::kSummary: LayoutSummaryColumns(dc); break;
    case Grid::kSpectrum: LayoutSpectrumColumns(dc); break;
    case Grid::kTalBands: LayoutTalBandColumns(dc); break;
    case Grid::kSpectralLn: LayoutSpectralLnColumns(dc); break;
    }
}

void CDataReport::LayoutSummaryColumns(ReportDC& dc)
{
    const int maximum = dc.TextWidth("Maximum:   ");
    const int version = dc.TextWidth("Software Version:     ");
    columns_[0] = left_;
    columns_[1] = left_ + maximum;
    columns_[2] = left_ + version;
    columns_[3] = left_ + version + maximum;
    columns_[4] = left_ + (right_ - left_) / 2;
    columns_[5] = columns_[4] + maximum;
    columns_[6] = columns_[4] + version;

    const int time = dc.TextWidth("00:00:00.0");
    const int stamp = dc.TextWidth("Peak-2:S") + dc.TextWidth("000.0 dB1/3 99-WWW-2000 09:00:00");
    summaryPositions_[0] = columns_[2] + time;
    summaryPositions_[1] = columns_[6] + time;
    summaryPositions_[2] = columns_[0] + stamp;
    summaryPositions_[3] = columns_[4] + stamp;

    const int lnLabel = dc.TextWidth("L (000.00)SS");
    const int lnLevel = dc.TextWidth("000.0 dB1/3SS");
    lnColumns_[0] = left_;
    lnColumns_[1] = left_ + lnLabel;
    for (int k = 2; k < 7; ++k)
        lnColumns_[k] = lnColumns_[k - 1] + (k % 2 == 0 ? lnLevel : lnLabel);

    excdColumns_[0] = left_;
    excdColumns_[1] = left_ + dc.TextWidth("Peak-2 Exceedance Level:SSS");
    excdColumns_[2] = excdColumns_[1] + dc.TextWidth("000.00SdBSSS");
    excdColumns_[3] = excdColumns_[2] + dc.TextWidth("Exceeded:SS");
}
