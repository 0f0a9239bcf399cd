// The time history of a sound level meter / RTA measurement: level samples
// with the setup's columns and the stored RTA spectrum (33 third-octave
// bands and the 11 octaves made from them), and run/stop entries.
#include <cmath>
#include <iomanip>

#include "ExportCells.h"
#include "KeptRecordFields.h"
#include "ReportNumbers.h"
#include "ReportWriter.h"
#include "SSASetup.h"
#include "SummaryWriterSupport.h"
#include "ThColumns.h"

namespace {
// "Rec #", "Date", "Time" and "Leq" take 39 columns; the other level 9.
constexpr int kThLeadWidth = 39;
constexpr int kOtherLevelWidth = 9;

// The band headings: third octaves (when shown), then octaves.
std::vector<std::string> SpectrumHeadings(bool third)
{
    std::vector<std::string> headings;
    if (third)
        for (int b = 0; b < kThBands; ++b)
            headings.push_back(ThBandHeading(b));
    for (int b = 1; b < kThBands - 1; b += 3)
        headings.push_back(ThBandHeading(b));
    return headings;
}

std::vector<std::string> SpectrumValues(const ThRec& record, ThSpectrum spectrum, bool third)
{
    float s[kThBands];
    for (int b = 0; b < kThBands; ++b)
        s[b] = ThBandLevel(record, spectrum, b);
    std::vector<std::string> values;
    if (third)
        for (float level : s)
            values.push_back(FormatReportNumber(level, 1, 0));
    for (int b = 1; b < kThBands - 1; b += 3) {
        if (s[b - 1] == kNoValue || s[b] == kNoValue || s[b + 1] == kNoValue) {
            values.push_back(FormatReportNumber(kNoValue, 1, 0));
            continue;
        }
        double power = 0;
        for (int k = b - 1; k <= b + 1; ++k)
            power += std::pow(10.0, s[k] / 10.0);
        values.push_back(FormatFixed(10.0 * std::log10(power), 1));
    }
    return values;
}

// textLead: the width of the text heading's columns before the spectrum.
void WriteSpectrumTitle(std::ostream& out, ExportFormat format, const RecordView& setup, ThSpectrum spectrum,
                        bool third, int textLead)
{
    const char* thirdTitle = ThSpectrumTitle(spectrum, false);
    const char* octaveTitle = ThSpectrumTitle(spectrum, true);
    const int columns = ReportWriter::CountSsaTimeHistoryColumns(setup, nullptr);
    const int width = textLead;
    if (format == kTextFormat) {
        out << std::setiosflags(std::ios::left) << std::fixed << std::setw(width + 4) << " ";
        if (third)
            out << thirdTitle << std::setw(308) << " ";
        out << octaveTitle << std::endl;
        return;
    }
    out << std::string(static_cast<size_t>(columns), ',');
    if (third)
        out << thirdTitle << std::string(33, ',');
    else
        out << ",,";
    out << octaveTitle << std::endl;
}

}  // namespace

int ReportWriter::CountSsaTimeHistoryColumns(const RecordView& setup, int* width)
{
    const int bits = static_cast<int>(ThAdvancedColumns(ThSetup(setup, ThMode::kSsa)).size());
    if (width)
        *width = 39 + 10 * bits;
    return 4 + bits;
}

int ReportWriter::WriteSsaTimeHistory(std::ostream& out, ExportFormat format, const ThMgr& history,
                                      const RecordView& setup, const RecordView& parameters)
{
    if (!Usable(out) || setup.IsEmpty() || history.GetCount() == 0)
        return 1;
    const ThSetup th(setup, ThMode::kSsa);
    const bool text = IsText(format);
    const bool third = SSASetup::IsBit08Set(setup.U16(SsaSetupFields::kModeFlags) & 0xFF);
    const ThSpectrum spectrum = ThChosenSpectrum(th);
    const bool otherLevel = text && th.OneOtherLevel();
    // The CSV layout has the advanced columns whatever the other-level code.
    const bool advanced = !text || th.Advanced();
    const std::vector<ThColumn> columns = advanced ? ThAdvancedColumns(th) : std::vector<ThColumn>{};
    // Every spectrum column written has its heading, whatever the
    // other-level code.
    const bool spectrumHeadings = spectrum != ThSpectrum::kNone;
    const std::string otherHeading = ThOtherLevelHeading(th);

    // The title stands over the spectrum: after the columns written before
    // it (the other level, or the advanced ones).
    int textLead = 0;
    CountSsaTimeHistoryColumns(setup, &textLead);
    if (!advanced)
        textLead = kThLeadWidth + (otherLevel ? kOtherLevelWidth : 0);
    if (spectrum != ThSpectrum::kNone)
        WriteSpectrumTitle(out, format, setup, spectrum, third, textLead);
    if (text) {
        out << std::setiosflags(std::ios::left) << std::fixed << std::setprecision(2);
        WriteThHeadingStart(out, true);
        if (otherLevel)
            out << std::setw(kOtherLevelWidth) << otherHeading;
        for (const ThColumn& column : columns)
            out << ThTextHeading(column, th);
        if (spectrumHeadings)
            for (const std::string& heading : SpectrumHeadings(third))
                out << std::setw(10) << heading;
        out << std::setiosflags(std::ios::left) << std::endl;
    } else {
        out << std::fixed << std::setprecision(1);
        WriteThHeadingStart(out, false);
        for (const ThColumn& column : columns)
            CsvField(out, ThCsvHeading(column, th));
        if (spectrumHeadings)
            for (const std::string& heading : SpectrumHeadings(third))
                CsvField(out, heading);
        out << std::endl;
    }

    WriteThRows(out, text, history, parameters, [&](const ThRec& record) {
        std::vector<std::string> cells = {FormatReportNumber(record.GetLeq(), 1, 0)};
        if (otherLevel)
            cells.push_back(ThOtherLevel(record));
        for (const ThColumn& column : columns)
            cells.push_back(ThValue(column, record, th, ThReadings::kOneDecimal));
        if (spectrum != ThSpectrum::kNone)
            for (std::string& value : SpectrumValues(record, spectrum, third))
                cells.push_back(std::move(value));
        if (!text) {
            for (const std::string& cell : cells)
                CsvField(out, cell);
            return;
        }
        out << std::resetiosflags(std::ios::left) << std::setprecision(1);
        for (size_t c = 0; c < cells.size(); ++c)
            out << std::setw(c == 0 ? 6 : (otherLevel && c == 1) ? kOtherLevelWidth : 10) << cells[c];
    });
    return 1;
}
