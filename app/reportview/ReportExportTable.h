#pragma once
// What an export of a report type writes: the file stems of Export Data and
// of the spreadsheet copy, the report's title and its writer with the data
// it takes from the measurement data set. Shared by the report view's
// export commands and the reports written after a download.
#include <ostream>
#include <string>

#include "ReportWriter.h"

class MeasDataSet;
class QWidget;

struct ExportReportRow {
    const char* exportStem = "";
    const char* sheetStem = "";
    const char* title = nullptr;       // null: the type has no writer
    const char* sheetTitle = nullptr;  // null: the same as title
};

// The row of a report type; type 1 by the setup type code (6 ISM, 7 LOG,
// 8 ZU-Reru, 10 RTA).
ExportReportRow ExportReportRowOf(int reportType, int setupType);

// The title, then (when fileName is not null) the common file header, then
// the report's writer. Nothing for a type without a writer.
void WriteExportReport(std::ostream& out, ExportFormat format, int reportType, int setupType, MeasDataSet& data,
                       const char* title, const char* fileName, int spectrumChoice);

// The spectrum choice of the SSA interval report: 0 interval spectra, 2
// spectral Ln's. When the measurement's setup asks for interval spectral
// Ln's there is too much to write both, and the user chooses. False when
// the user cancelled.
constexpr int kIntervalSpectra = 0;
constexpr int kSpectralLns = 2;
bool AskSsaIntervalChoice(const MeasDataSet& data, QWidget* parent, int* choice);
