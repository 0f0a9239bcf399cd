#include <algorithm>

#include "ReportWriter.h"
#include "RtaBandLayout.h"
#include "TableWriterSupport.h"

namespace {

constexpr int kLastBand = 32;

// The band range of the RT60 settings, kept within the 33 bands: settings
// outside them would otherwise print rows of nothing without end.
struct Rt60Bands {
    int first;
    int last;
    static Rt60Bands Of(const EventRecMgr& events)
    {
        return {std::clamp(events.rt60FirstBand, 0, kLastBand), std::clamp(events.rt60LastBand, 0, kLastBand)};
    }
    bool Empty() const { return first > last; }
};

void WriteRt60Block(std::ostream& out, const EventRec& event, int dbDown, Rt60Bands range, const RtaBandLayout& bands)
{
    out << "Rec # " << RecordNumber(event.GetRecordNumber())
        << ComposeText("       %d averaged events", static_cast<int32_t>(event.GetAveragedEvents()))
        << "       Duration: " << FormatFixed(event.GetDuration(), 3) << ComposeText("       dB Down: %d dB", dbDown)
        << std::endl;
    out << "Freq. Hz        RT60 (sec)         Freq. Hz        RT60 (sec)" << std::endl;
    if (range.Empty())
        return;
    // The left column runs down the first half of the bands, the right
    // column down the second; an odd count leaves the middle band alone.
    const int half = (range.last - range.first) / 2 + 1;
    int band = range.first;
    for (; band + half <= range.last; ++band)
        out << ComposeText("%8s        %10s         %8s        %10s", WithoutUnit(bands.Name(band)).c_str(),
                           event.GetRt60Text(band).c_str(), WithoutUnit(bands.Name(band + half)).c_str(),
                           event.GetRt60Text(band + half).c_str())
            << std::endl;
    if ((range.last - range.first) % 2 == 0)
        out << ComposeText("%8s        %10s ", WithoutUnit(bands.Name(band)).c_str(), event.GetRt60Text(band).c_str())
            << std::endl;
}

// The duration is the stream's own number: fixed with three decimals after
// the common header.
void WriteRt60Row(std::ostream& out, const EventRec& event, int dbDown, Rt60Bands range)
{
    CsvField(out, RecordNumber(event.GetRecordNumber()));
    CsvField(out, static_cast<int32_t>(event.GetAveragedEvents()));
    CsvField(out, event.GetDuration());
    CsvField(out, dbDown);
    for (int band = range.first; band <= range.last; ++band)
        CsvField(out, event.GetRt60Text(band));
    out << std::endl;
}

}  // namespace

int ReportWriter::WriteRt60(std::ostream& out, ExportFormat format, const EventRecMgr& events,
                            const ThMgr& /*timeHistory*/, const RecordView& setup)
{
    if (!Usable(out) || events.GetSize() <= 0)
        return 1;
    const RtaBandLayout bands = RtaBandLayout::Of(setup);
    const Rt60Bands range = Rt60Bands::Of(events);
    const bool text = IsText(format);
    for (int i = 0; i < events.GetSize(); ++i) {
        const EventRec* event = events.GetAt(i);
        if (!text) {
            if (event == nullptr)
                continue;
            if (i == 0) {
                for (const char* heading : {"Rec # ", "avgd evnts", "Duration", "dB Down"})
                    CsvField(out, heading);
                for (int band = range.first; band <= range.last; ++band)
                    CsvField(out, bands.Name(band));
                out << std::endl;
            }
            WriteRt60Row(out, *event, events.rt60DbDown, range);
            continue;
        }
        if (event != nullptr)
            WriteRt60Block(out, *event, events.rt60DbDown, range, bands);
        out << std::endl;
    }
    return 1;
}
