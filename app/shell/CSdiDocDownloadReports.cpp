// The reports written after a download with "Launch Viewer of Type:" set:
// one report file per measurement downloaded in this run, beside its
// download file, holding every report chosen in the download options in
// their list order, then the first report file written opened.
#include <cctype>
#include <string>

#include "CSdiDoc.h"
#include "DownloadOptions.h"
#include "ExportStream.h"
#include "Files.h"
#include "MeasDataSet.h"
#include "Prompter.h"
#include "ReportExportTable.h"

namespace {

constexpr int kEndOfData = -318;
// The loader's own failures (old firmware, no file, no start) are 1000
// and above.
constexpr int kFirstLoadFailure = MeasDataSet::kUnsupportedFirmware;
constexpr int kLastDownloadReport = 32;

bool EndsWithNoCase(const std::string& text, const std::string& ending)
{
    if (text.size() < ending.size())
        return false;
    for (size_t i = 0; i < ending.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[text.size() - ending.size() + i])) != ending[i])
            return false;
    return true;
}

// The download file's name with ".txt" or ".csv" in place of ".slmdl". A
// name without that extension keeps all of it, so that no part of a
// differently named file is cut off.
std::string ReportFileName(const std::string& target, int format)
{
    const std::string base = EndsWithNoCase(target, ".slmdl") ? target.substr(0, target.size() - 6) : target;
    return base + (format == kTextFormat ? ".txt" : ".csv");
}

}  // namespace

void CSdiDoc::WriteDownloadReport(std::ostream& out, int reportType, int setupType, int format, MeasDataSet& data,
                                  const std::string& name, bool header)
{
    if (reportType <= 0 || reportType > kLastDownloadReport)
        return;
    int choice = kIntervalSpectra;
    if (reportType == 18 && !AskSsaIntervalChoice(data, nullptr, &choice))
        return;
    WriteExportReport(out, format, reportType, setupType, data, ExportReportRowOf(reportType, setupType).title,
                      header ? name.c_str() : nullptr, choice);
}

void CSdiDoc::WriteDownloadReports(const DownloadRun& run, const DownloadOptions& request)
{
    const int format = request.reportFormat == kCsvFormat ? kCsvFormat : kTextFormat;
    std::string first;
    for (size_t i = 0; i < run.targets.size(); ++i) {
        // Only a measurement downloaded in this run has reports, and only
        // from the file this run wrote: a file of the same name left from
        // an earlier download is not this measurement.
        const std::string source = i < run.written.size() ? run.written[i] : std::string();
        if (source.empty())
            continue;
        const std::string reportFile = ReportFileName(run.targets[i], format);

        MeasDataSet data;
        ExportStream out(reportFile);
        for (size_t k = 0; k < request.reports.size(); ++k) {
            const int reportType = request.reports[k];
            // Each load builds the records of its report type; emptied first
            // so that two reports of one record kind do not see them twice.
            data.Clear();
            int wanted = reportType;
            int lines = 0;
            const int loaded = data.LoadFile(source, nullptr, &wanted, 0, &lines);
            if ((loaded < 0 && loaded != kEndOfData) || loaded >= kFirstLoadFailure)
                continue;
            // The header goes with the first chosen report only, even when
            // that one could not be loaded.
            WriteDownloadReport(out, reportType, request.measurementType, format, data, " ", k == 0);
        }
        // A file that cannot be written gets no reports; the next
        // measurement follows.
        if (SaveExport(out, reportFile) && first.empty())
            first = reportFile;
    }
    if (first.empty())
        return;
    if (!platform::AppShellOpener().Open(first))
        platform::AppPrompter().Message("Unable to launch the viewer program.\nPlease check to make sure there is\n"
                                        "a registered viewer for this type of file.",
                                        platform::Icon::Warning);
}
