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

// The event's three spectra side by side, in two columns of bands.
void WriteEventSpectraText(std::ostream& out, const EventRec& event, const RtaBandLayout& bands)
{
    out << ComposeText("  %7s Leq %s Max %s Min %s  %7s Leq %s Max %s Min %s", "Freq.Hz", bands.label, bands.label,
                       bands.label, "Freq.Hz", bands.label, bands.label, bands.label)
        << std::endl;
    for (int left = 0; left < bands.rows; ++left) {
        const int right = left + bands.rows;
        std::string line = ComposeText("  %7s %s", bands.Label(left).c_str(),
                                       BandValue(event.GetLeqBand(left)).c_str());
        line += " " + BandValue(event.GetMaxBand(left));
        line += " " + BandValue(event.GetMinBand(left));
        if (right < bands.total) {
            line += ComposeText("  %7s", bands.Label(right).c_str());
            line += " " + BandValue(event.GetLeqBand(right));
            line += " " + BandValue(event.GetMaxBand(right));
            line += " " + BandValue(event.GetMinBand(right));
        }
        out << line << std::endl;
    }
}

void WriteByTimeText(std::ostream& out, const ThRec& rec, int number, const EventRec& event, float detectorTime,
                     const RtaBandLayout& bands)
{
    out << ComposeText("***ByTime Record #%d (Event #%d)***", number, RecordNumber(event.GetRecordNumber()))
        << std::endl;
    out << "Elapsed Time: " << ElapsedFromTrigger(number, event.GetPreTriggerCount(), detectorTime) << std::endl;
    out << "Leq: " << FormatFixed(rec.GetLeq(), 2, 6) << std::endl;
    out << std::endl;
    out << ComposeText("  %7s %9s  %7s %9s", "Freq.Hz", bands.label, "Freq.Hz", bands.label) << std::endl;
    for (int left = 0; left < bands.rows; ++left) {
        const int right = left + bands.rows;
        std::string line = ComposeText("  %7s %s", bands.Label(left).c_str(),
                                       BandValue(rec.GetLeqBand(left)).c_str());
        if (right < bands.total)
            line += ComposeText("  %7s %s", bands.Label(right).c_str(),
                                BandValue(rec.GetLeqBand(right)).c_str());
        out << line << std::endl;
    }
    out << std::endl;
}

void WriteEventText(std::ostream& out, const EventRec& event, const RtaBandLayout& bands)
{
    out << ComposeText("***Event #%d***", RecordNumber(event.GetRecordNumber())) << std::endl;
    out << ComposeText("Timestamp:    %-30s Pre-trigger count: %d", DateTimeText(event.GetStartTime()).c_str(),
                       event.GetPreTriggerCount())
        << std::endl;
    out << ComposeText("Elapsed Time: %-30s Triggered count:   %d", DurationText(event.GetDuration()).c_str(),
                       event.GetTriggeredCount())
        << std::endl;
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
        CsvField(out, ComposeText("%s Spectra", bands.label));
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
    return 1;
}
