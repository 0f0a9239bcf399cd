// The data kinds of the file tree's items, the report type of each kind, the
// report titles and the message of a failed translation.
#include <cstring>
#include <string>

#include "CDataReport.h"
#include "Prompter.h"
#include "ReportText.h"

namespace {

// Tested in this order: the first ending that the label ends with wins, so
// "rta events" comes before "events" and "ssa summary" before ".summary".
const struct {
    const char* ending;
    int kind;
} kDataKinds[] = {
    {"calibrations", 5},
    {"cal spectra", 10},
    {"days", 3},
    {"rta events", 21},
    {"rt60 analyses", 22},
    {"events", 1},
    {"event spectra", 11},
    {"th spectra", 13},
    {"ssa histograms", 17},
    {"histograms", 9},
    {"intervals", 2},
    {"intv spectra", 12},
    {"ssa run/stops", 59},
    {"fft run/stops", 64},
    {"tal run/stops", 62},
    {"run/stops", 4},
    {"setup", 7},
    {"ssa summary", 73},
    {"fft summary", 74},
    {".summary", 55},
    {"summary", 8},
    {".time hist samples", 57},
    {".cal settings", 50},
    {"ssa settings", 51},
    {"rta settings", 70},
    {"ism settings", 52},
    {"log settings", 53},
    {".sys settings", 54},
    {"oba intvs", 31},
    {"tal snapshots", 65},
    {"fft snapshots", 69},
    {"spatially averaged samples", 72},
    {"ssa intvs", 56},
    {"ssa time hist samples", 58},
    {"tal time hist samples", 61},
    {"rta time hist samples", 71},
    {"tal settings", 60},
    {"fft settings", 63},
};

const struct {
    int kind;
    int reportType;
    int firstLines;
} kReportOfKind[] = {
    {1, 17, 28},  {2, 7, 20},   {3, 16, 28},  {4, 6, 15},   {5, 14, 28},  {7, 0, 0},    {8, 0, 0},
    {9, 9, 28},   {10, 16, 28}, {11, 0, 0},   {12, 0, 0},   {13, 0, 0},   {17, 10, 28}, {21, 30, 14},
    {22, 33, 18}, {31, 12, 20}, {33, 5, 60},  {50, 11, 18}, {51, 13, 60}, {52, 15, 30}, {53, 3, 60},
    {54, 2, 43},  {55, 1, 119}, {56, 18, 28}, {57, 8, 15},  {58, 19, 15}, {59, 20, 15}, {60, 23, 32},
    {61, 21, 15}, {62, 22, 15}, {63, 25, 20}, {64, 26, 15}, {65, 24, 15}, {69, 27, 15}, {70, 28, 46},
    {71, 0, 0},   {72, 29, 14}, {73, 31, 138}, {74, 32, 105},
};

const char* const kReportTitles[] = {
    "",
    "",  // 1: by the measurement's mode
    "J57 System Setup",
    "Logging Sound Level Meter Settings",
    "",
    "Octave Band Analyzer Settings",
    "J57 Sound Level Meter Run / Stop Log",
    "J57 Logging Sound Level Meter Intervals",
    "Logging Sound Level Meter Time History",
    "Sound Level Meter Histograms",
    "Sound Level Meter / RTA Histograms",
    "J57 Calibration Settings",
    "Octave Band Analyzer Intervals",
    "Sound Level Meter / RTA Settings",
    "Calibration Check Log",
    "Integrating Sound Level Meter Settings",
    "Daily Noise History",
    "Exceedance History - available for export only",
    "Sound Level Meter / SLM/RTA Intervals",
    "Logging Sound Level Meter / RTA Time History",
    "J57 SLM/RTA Run/Stop Log",
    "ZU-Reru RTA Time History",
    "J57 ZU-Reru Run/Stop Log",
    "ZU-Reru Settings",
    "ZU-Reru Snapshots",
    "FFT Settings",
    "J57 FFT Run/Stop Log",
    "FFT Snapshots",
    "RTA Settings",
    "RTA Spatially Averaged History",
    "RTA Events - available for export only",
    "SLM & RTA Summary",
    "FFT Summary",
    "RT60 REPORT",
};

// The summary (report type 1) takes the title of the measurement's mode.
const struct {
    int mode;
    const char* title;
} kSummaryTitles[] = {
    {6, "Integrating Sound Level Meter Summary"},
    {7, "Logging Sound Level Meter Summary"},
    {8, "ZU-Reru Summary"},
    {10, "RTA Summary"},
};

const struct {
    int code;
    const char* reason;
} kTranslationErrors[] = {
    {-301, "Bad download file name in directory"},
    {-302, "Couldn't open download file"},
    {-303, "Invalid record length in download file"},
    {-304, "Bad Rta data record pointer"},
    {-305, "Invalid wind direction"},
    {-306, "Event Time History not enabled"},
    {-307, "Translator couldn't open directory"},
    {-308, "Translator couldn't close dir"},
    {-309, "Translator couldn't remove file"},
    {-310, "unexpected end of file"},
    {-311, "file not open"},
    {-312, "Unknown data type found in translator"},
    {-313, "Read past end of SLM data record"},
    {-314, "Error reading file"},
    {-315, "Error changing position in file"},
    {-316, "End of Time History data block"},
    {-317, "Requested record not in file"},
    {-320, "Unable to allocate needed memory"},
};

}  // namespace

int DataKindFromLabel(const std::string& text)
{
    for (const auto& entry : kDataKinds) {
        const size_t n = std::strlen(entry.ending);
        const std::string tail = text.size() < n ? text : text.substr(text.size() - n);
        if (tail == entry.ending)
            return entry.kind;
    }
    return 0;
}

void ReportTypeOfDataKind(int dataKind, int* reportType, int* lineCount)
{
    *reportType = 0;
    *lineCount = 0;
    for (const auto& entry : kReportOfKind)
        if (entry.kind == dataKind) {
            *reportType = entry.reportType;
            *lineCount = entry.firstLines;
        }
}

std::string ReportTitle(int reportType, int mode)
{
    if (reportType == 1) {
        for (const auto& entry : kSummaryTitles)
            if (entry.mode == mode)
                return entry.title;
        return {};
    }
    if (reportType < 0 || reportType >= static_cast<int>(std::size(kReportTitles)))
        return {};
    return kReportTitles[reportType];
}

std::string TranslationErrorText(int code)
{
    // End of data is no failure; it reads as an empty reason.
    std::string reason = code == -318 ? std::string() : Printf("%d", code);
    for (const auto& entry : kTranslationErrors)
        if (entry.code == code)
            reason = entry.reason;
    return Printf("Translation Error: %s", reason.c_str());
}

void ShowTranslationError(int code)
{
    if (code >= 0)
        return;
    platform::AppPrompter().Message(TranslationErrorText(code), platform::Icon::Warning);
}
