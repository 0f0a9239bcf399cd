#include "ReportWriter.h"
#include "RtaBandLayout.h"
#include "TableWriterSupport.h"

namespace {

// Text cells of band values: nine characters, " --- " for no value.
std::string BandValue(float level) { return FormatReportNumber(level, 1, 9); }

// The elapsed time of the ByTime record at position 1, 2, ... of its event,
// from the trigger: before it with a minus sign, from it on with a plus.
std::string ElapsedFromTrigger(int position, int preTrigger, float detectorTime)
{
    const int steps = position <= preTrigger ? preTrigger - position : position - preTrigger;
    // One per ByTime record: composed without printf.
    std::string text = position < preTrigger ? "-" : "+";
    text += DurationText(static_cast<float>(steps) * detectorTime, 4, 1);
    if (text.size() < 30)
        text.resize(30, ' ');
    return text;
}

// One spectrum of a record: band i is entry i, whatever the bandwidth.
template <class Record>
using BandGetter = float (Record::*)(int) const;

// A column of the band tables: two blanks and the band's label (or the
// heading) right-aligned in seven characters.
CellLine& BandColumn(CellLine& line, const std::string& label)
{
    return line.TextOnly(0, "  ").Right(7, label);
}

// The event's three spectra side by side, in two columns of bands.
void WriteEventSpectraText(std::ostream& out, const EventRec& event, const RtaBandLayout& bands)
{
    const std::string levels = std::string(" Leq ") + bands.label + " Max " + bands.label + " Min " + bands.label;
    CellLine heading(out, true);
    BandColumn(heading, "Freq.Hz").Cell(0, levels);
    BandColumn(heading, "Freq.Hz").Cell(0, levels).End();
    for (int left = 0; left < bands.rows; ++left) {
        CellLine line(out, true);
        for (const int band : {left, left + bands.rows}) {
            if (band >= bands.total)
                break;
            BandColumn(line, bands.Label(band))
                .Cell(0, ' ')
                .Cell(0, BandValue(event.GetLeqBand(band)))
                .Cell(0, ' ')
                .Cell(0, BandValue(event.GetMaxBand(band)))
                .Cell(0, ' ')
                .Cell(0, BandValue(event.GetMinBand(band)));
        }
        line.End();
    }
}

void WriteByTimeText(std::ostream& out, const ThRec& rec, int number, const EventRec& event, float detectorTime,
                     const RtaBandLayout& bands)
{
    CellLine(out, true)
        .Cell(0, "***ByTime Record #")
        .Cell(0, number)
        .Cell(0, " (Event #")
        .Cell(0, RecordNumber(event.GetRecordNumber()))
        .Cell(0, ")***")
        .End();
    out << "Elapsed Time: " << ElapsedFromTrigger(number, event.GetPreTriggerCount(), detectorTime) << std::endl;
    out << "Leq: " << FormatFixed(rec.GetLeq(), 2, 6) << std::endl;
    out << std::endl;
    CellLine heading(out, true);
    BandColumn(heading, "Freq.Hz").Cell(0, ' ').Right(9, bands.label);
    BandColumn(heading, "Freq.Hz").Cell(0, ' ').Right(9, bands.label).End();
    for (int left = 0; left < bands.rows; ++left) {
        CellLine line(out, true);
        for (const int band : {left, left + bands.rows}) {
            if (band >= bands.total)
                break;
            BandColumn(line, bands.Label(band)).Cell(0, ' ').Cell(0, BandValue(rec.GetLeqBand(band)));
        }
        line.End();
    }
    out << std::endl;
}

void WriteEventText(std::ostream& out, const EventRec& event, const RtaBandLayout& bands)
{
    CellLine(out, true).Cell(0, "***Event #").Cell(0, RecordNumber(event.GetRecordNumber())).Cell(0, "***").End();
    CellLine(out, true)
        .Cell(0, "Timestamp:    ")
        .Left(30, DateTimeText(event.GetStartTime()))
        .Cell(0, " Pre-trigger count: ")
        .Cell(0, event.GetPreTriggerCount())
        .End();
    CellLine(out, true)
        .Cell(0, "Elapsed Time: ")
        .Left(30, DurationText(event.GetDuration()))
        .Cell(0, " Triggered count:   ")
        .Cell(0, event.GetTriggeredCount())
        .End();
    out << "Leq:          " << FormatFixed(event.GetLeq(), 2, 6) << std::endl;
    out << "Lmax:         " << FormatFixed(event.GetMax(), 2, 6) << std::endl;
    out << "Lmin:         " << FormatFixed(event.GetMinLevel(), 2, 6) << std::endl;
    out << std::endl;
    WriteEventSpectraText(out, event, bands);
    out << std::endl;
}

// CSV: the band values, from the eleventh field of every row on.
template <class Record>
void CsvSpectrum(std::ostream& out, const Record& record, BandGetter<Record> band, const RtaBandLayout& bands)
{
    for (int i = 0; i < bands.total; ++i)
        CsvField(out, ReportNumber{(record.*band)(i)});
}

// The event's levels are the stream's own numbers: fixed with three
// decimals, as the writer sets the stream.
void WriteEventCsv(std::ostream& out, const EventRec& event, const RtaBandLayout& bands)
{
    CsvField(out, "***Event #:");
    CsvField(out, RecordNumber(event.GetRecordNumber())) << std::endl;
    CsvField(out, "Timestamp:");
    CsvField(out, DateTimeText(event.GetStartTime()));
    CsvField(out, "Elapsed Time:");
    CsvField(out, DurationText(event.GetDuration()));
    CsvField(out, "Pre-trigger count:");
    CsvField(out, event.GetPreTriggerCount());
    CsvField(out, "Triggered count:");
    CsvField(out, event.GetTriggeredCount());
    // The band names head the columns once, on the first event's line.
    if (event.GetRecordNumber() == 1) {
        CsvField(out, " ");
        CsvField(out, std::string(bands.label) + " Spectra");
        for (int i = 0; i < bands.total; ++i)
            CsvField(out, bands.Name(i));
    }
    out << std::endl;
    struct SpectrumRow {
        const char* label;
        float level;
        const char* name;
        BandGetter<EventRec> band;
    };
    const SpectrumRow rows[] = {
        {"Leq:", event.GetLeq(), "Leq", &EventRec::GetLeqBand},
        {"Lmax:", event.GetMax(), "Max", &EventRec::GetMaxBand},
        {"Lmin:", event.GetMinLevel(), "Min", &EventRec::GetMinBand},
    };
    for (const SpectrumRow& row : rows) {
        CsvField(out, row.label);
        CsvField(out, row.level);
        CsvField(out, row.name);
        for (int i = 0; i < 7; ++i)
            CsvField(out, " ");
        CsvSpectrum(out, event, row.band, bands);
        out << std::endl;
    }
}

void WriteByTimeCsv(std::ostream& out, const ThRec& rec, int number, const EventRec& event, float detectorTime,
                    const RtaBandLayout& bands)
{
    CsvField(out, "***ByTime Record #:");
    CsvField(out, number);
    CsvField(out, "(Event #" + std::to_string(RecordNumber(event.GetRecordNumber())) + ")");
    CsvField(out, "Elapsed Time:");
    CsvField(out, ElapsedFromTrigger(number, event.GetPreTriggerCount(), detectorTime));
    CsvField(out, "Leq:");
    CsvField(out, rec.GetLeq());
    CsvField(out, " ");
    CsvField(out, "ByTime");
    CsvField(out, " ");
    CsvSpectrum(out, rec, &ThRec::GetLeqBand, bands);
    out << std::endl;
}

}  // namespace

int ReportWriter::WriteRtaEvents(std::ostream& out, ExportFormat format, const EventRecMgr& events,
                                 const ThMgr& timeHistory, const RecordView& setup)
{
    if (!Usable(out) || events.GetSize() <= 0)
        return 1;
    const bool text = IsText(format);
    if (!text) {
        SetFixed(out);
        out.precision(3);
    }
    // The text's cells pad with blanks in their own alignment; the stream's
    // fill and alignment are given back as they were.
    const std::ios::fmtflags flags = out.flags();
    const char fill = out.fill(' ');
    const RtaBandLayout bands = RtaBandLayout::Of(setup);
    const float detectorTime = setup.F32(RtaSetupFields::kLinearDetectorTime);
    // The ByTime records of all events lie one event after the other: each
    // event takes its own from where the one before stopped.
    int next = 0;
    for (int i = 0; i < events.GetSize(); ++i) {
        const EventRec* event = events.GetAt(i);
        if (event == nullptr)
            continue;
        if (text)
            WriteEventText(out, *event, bands);
        else
            WriteEventCsv(out, *event, bands);
        const int byTimeCount = timeHistory.GetCount() > 0 ? event->GetPreTriggerCount() + event->GetTriggeredCount() : 0;
        for (int k = 0; k < byTimeCount && next < timeHistory.GetCount(); ++k) {
            const ThRec* rec = timeHistory.GetAt(next++);
            if (rec == nullptr)
                continue;
            if (text)
                WriteByTimeText(out, *rec, k + 1, *event, detectorTime, bands);
            else
                WriteByTimeCsv(out, *rec, k + 1, *event, detectorTime, bands);
        }
        if (!text)
            out << std::endl;
    }
    if (text) {
        out.flags(flags);
        out.fill(fill);
    }
    return 1;
}
