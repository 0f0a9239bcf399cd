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
        out << std::setiosflags(std::ios::left) << std::fixed;
        CellLine title(out, true);
        title.Cell(width + 4, " ");
        if (third)
            title.Cell(0, thirdTitle).Cell(308, " ");
        title.Cell(0, octaveTitle).End();
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
    if (text)
        out << std::setiosflags(std::ios::left);
    out << std::fixed << std::setprecision(text ? 2 : 1);
    WriteThHeadingStart(out, text);
    CellLine heading(out, text);
    if (otherLevel)
        heading.Cell(kOtherLevelWidth, otherHeading);
    // The text headings come padded to their columns.
    for (const ThColumn& column : columns)
        heading.Cell(0, text ? ThTextHeading(column, th) : ThCsvHeading(column, th));
    if (spectrumHeadings)
        for (const std::string& band : SpectrumHeadings(third))
            heading.Cell(10, band);
    if (text)
        out << std::setiosflags(std::ios::left);
    heading.End();

    WriteThRows(out, text, history, parameters, [&](const ThRec& record) {
        CellLine line(out, text);
        out.precision(1);
        line.AlignRight().Cell(6, ReportNumber{record.GetLeq()});
        if (otherLevel)
            line.Cell(kOtherLevelWidth, ThOtherLevel(record));
        for (const ThColumn& column : columns)
            line.Cell(10, ThValue(column, record, th, ThReadings::kOneDecimal));
        if (spectrum != ThSpectrum::kNone)
            for (const std::string& value : SpectrumValues(record, spectrum, third))
                line.Cell(10, value);
    });
    return 1;
}
