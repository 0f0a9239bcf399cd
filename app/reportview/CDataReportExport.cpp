// The report view's export commands: Export Data writes the report shown as
// aligned text or quoted CSV where the user chooses and offers to open it;
// View Data in Spreadsheet writes it as CSV into the "temp" folder under the
// start folder and opens it at once. Both write the file whole or not at all.
#include <cerrno>
#include <cstdio>
#include <string>
#include <sys/stat.h>

#include "CDataReport.h"
#include "ExportStream.h"
#include "Files.h"
#include "Prompter.h"
#include "ReportExportTable.h"
#include "ReportHost.h"

namespace {

bool IsFolder(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The start folder ends in a separator when it is the root.
bool IsRoot(const std::string& folder)
{
    return folder == "/" || (folder.size() == 3 && folder[1] == ':' && (folder[2] == '\\' || folder[2] == '/'));
}

// The extension of the chosen name, as typed: after the last dot of its
// name part, empty when there is none.
std::string ExtensionOf(const std::string& path)
{
    const std::string name = platform::FileNameOf(path);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

// Only these spellings choose a layout; any other extension (TXT, dat)
// falls to the CSV layout without a viewer question.
ExportFormat FormatOfExtension(const std::string& extension)
{
    if (extension == "txt" || extension == "Txt")
        return kTextFormat;
    if (extension == "csv" || extension == "Csv")
        return kCsvFormat;
    return 0;
}

void ShowOkCancel(const std::string& text)
{
    platform::AppPrompter().Message(text, platform::Icon::Warning, platform::Buttons::OkCancel);
}

std::string ExportOpenFailure(const std::string& path)
{
    return "The export file\n\n" + path +
           "\n\ncould not be opened or created.\n\n"
           "Enter a different export filename or check,\n"
           "to see if the file is in use by another application\n"
           "such as a spreadsheet program. If so,\n"
           "close the spreadsheet file, and try to export\n"
           "the file again.";
}

std::string SpreadsheetOpenFailure(const std::string& path)
{
    return "The temporary file\n\n" + path +
           "\n\ncould not be opened or created.\n\n"
           "Check to see if the file is in use by another application\n"
           "such as a spreadsheet program.\n"
           "If the file is in use by a spreadsheet application,\n"
           "you must save the file as a spreadsheet workbook\n"
           "from within the spreadsheet application\n"
           "if you want to store the data.\n"
           "After the file has been saved or closed\n"
           "from within the spreadsheet application\n"
           "press the J57 utility spreadsheet button again\n"
           "again to view the current data";
}

// The stem of the file and the spectrum choice: for the SSA intervals the
// user may choose the spectral Ln's, which have a stem of their own. False
// when the user cancelled.
bool ChooseStem(const MeasDataSet& data, QWidget* parent, int reportType, const char* stem, const char* lnStem,
                std::string* chosen, int* choice)
{
    *chosen = stem;
    *choice = kIntervalSpectra;
    if (reportType != 18)
        return true;
    if (!AskSsaIntervalChoice(data, parent, choice))
        return false;
    if (*choice == kSpectralLns)
        *chosen = lnStem;
    return true;
}

}  // namespace

void CDataReport::OnExportData()
{
    if (reportType_ == 0)
        return;
    const int setupType = data_.GetSetupType();
    const ExportReportRow row = ExportReportRowOf(reportType_, setupType);
    std::string stem;
    int choice = kIntervalSpectra;
    if (!ChooseStem(data_, this, reportType_, row.exportStem, "ssaintvln", &stem, &choice))
        return;

    platform::FileRequest request;
    request.save = true;
    request.caption = "Export Measurement Data to a File";
    request.filter = "Txt (*.txt) Text File|*.txt|Csv (*.csv) Comma Quote Delimited|*.csv||";
    request.defaultExt = "txt";
    request.initialPath = stem;
    std::optional<std::string> chosen = platform::AppPrompter().ChooseFile(request);
    if (!chosen || chosen->empty())
        return;
    std::string path = *chosen;
    if (platform::FileNameOf(path).find('.') == std::string::npos)
        path += ".txt";
    const std::string extension = ExtensionOf(path);
    const ExportFormat format = FormatOfExtension(extension);

    ExportStream out(path);
    WriteExportReport(out, format, reportType_, setupType, data_, row.title, filePath_.c_str(), choice);
    out << '\n';
    if (!SaveExport(out, path)) {
        ShowOkCancel(ExportOpenFailure(path));
        return;
    }

    if (format != kTextFormat && format != kCsvFormat)
        return;
    const std::string key = "." + extension;
    platform::ShellOpener& opener = platform::AppShellOpener();
    if (!opener.IsViewerRegistered(key))
        return;
    if (platform::AppPrompter().Message("Would you like to launch the default viewer\nfor file type " + key + "?",
                                        platform::Icon::Question, platform::Buttons::YesNo) != platform::IDYES)
        return;
    if (!opener.Open(path))
        ShowOkCancel("There was an error launching the viewer\napplication for file type" + key + ".");
}

void CDataReport::OnViewDataInSpreadsheet()
{
    if (reportType_ == 0)
        return;
    const int setupType = data_.GetSetupType();
    const ExportReportRow row = ExportReportRowOf(reportType_, setupType);
    std::string stem;
    int choice = kIntervalSpectra;
    if (!ChooseStem(data_, this, reportType_, row.sheetStem, "ssaintlss", &stem, &choice))
        return;

    // The "temp" folder under the start folder, made when missing; the
    // start folder itself when it cannot be made.
    ReportHost* host = Host();
    const std::string start = host ? host->StartFolder() : std::string();
    const std::string separator = IsRoot(start) ? "" : "/";
    const std::string folder = start + separator + "temp";
    if (!IsFolder(folder))
        ::mkdir(folder.c_str(), 0777);
    const std::string path =
        (IsFolder(folder) ? folder + "/" : start + separator) + stem + ".csv";

    ExportStream out(path);
    WriteExportReport(out, kCsvFormat, reportType_, setupType, data_, row.sheetTitle ? row.sheetTitle : row.title,
                      filePath_.c_str(), choice);
    if (!SaveExport(out, path)) {
        ShowOkCancel(SpreadsheetOpenFailure(path));
        return;
    }
    if (!platform::AppShellOpener().Open(path))
        ShowOkCancel("There was an error launching the spreadsheet application");
}
