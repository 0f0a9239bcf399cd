#include <string>

#include "ReportWriter.h"
#include "RtaBandLayout.h"
#include "TableWriterSupport.h"

namespace {

// The band range of the RT60 settings as the report view takes it: kept
// within the bands of the data (33 one-third octaves or 11 octaves), a
// reversed range turned round.
struct Rt60Bands {
    int first;
    int last;
    static Rt60Bands Of(const EventRecMgr& events, const RtaBandLayout& bands)
    {
        Rt60Bands range{};
        events.GetRt60Bands(bands.total, &range.first, &range.last);
        return range;
    }
};

// The RT60 texts of the range, computed from the event's decays here rather
// than taken from what the report view last drew.
struct Rt60Texts {
    std::string text[33];
    Rt60Texts(const EventRec& event, int dbDown, Rt60Bands range)
    {
        for (int band = range.first; band <= range.last; ++band)
            text[band] = event.MakeRt60Text(band, static_cast<float>(dbDown));
    }
    const std::string& operator[](int band) const { return text[band]; }
};

void WriteRt60Block(std::ostream& out, const EventRec& event, int dbDown, Rt60Bands range, const RtaBandLayout& bands)
{
    CellLine(out, true)
        .Cell(0, "Rec # ")
        .Cell(0, RecordNumber(event.GetRecordNumber()))
        .Cell(0, "       ")
        .Cell(0, static_cast<int32_t>(event.GetAveragedEvents()))
        .Cell(0, " averaged events       Duration: ")
        .Cell(0, FormatFixed(event.GetDuration(), 3))
        .Cell(0, "       dB Down: ")
        .Cell(0, dbDown)
        .Cell(0, " dB")
        .End();
    CellLine(out, true).Cell(0, "Freq. Hz        RT60 (sec)         Freq. Hz        RT60 (sec)").End();
    const Rt60Texts rt60(event, dbDown, range);
    auto pair = [&](CellLine& line, int band) -> CellLine& {
        return line.Right(8, bands.Label(band)).Cell(0, "        ").Right(10, rt60[band]);
    };
    // The left column runs down the first half of the bands, the right
    // column down the second; an odd count leaves the middle band alone.
    const int half = TwoColumnRows(range.last - range.first + 1);
    int band = range.first;
    for (; band + half <= range.last; ++band) {
        CellLine line(out, true);
        pair(pair(line, band).Cell(0, "         "), band + half).End();
    }
    if ((range.last - range.first) % 2 == 0) {
        CellLine line(out, true);
        pair(line, band).Cell(0, " ").End();
    }
}

// The duration is the stream's own number, fixed with three decimals as
// the writer sets it.
void WriteRt60Row(std::ostream& out, const EventRec& event, int dbDown, Rt60Bands range)
{
    CellLine row(out, false);
    row.Cell(0, RecordNumber(event.GetRecordNumber()))
        .Cell(0, static_cast<int32_t>(event.GetAveragedEvents()))
        .Cell(0, event.GetDuration())
        .Cell(0, dbDown);
    const Rt60Texts rt60(event, dbDown, range);
    for (int band = range.first; band <= range.last; ++band)
        row.Cell(0, rt60[band]);
    row.End();
}

}  // namespace

int ReportWriter::WriteRt60(std::ostream& out, ExportFormat format, const EventRecMgr& events,
                            const ThMgr& /*timeHistory*/, const RecordView& setup)
{
    if (!Usable(out) || events.GetSize() <= 0)
        return 1;
    const RtaBandLayout bands = RtaBandLayout::Of(setup);
    const Rt60Bands range = Rt60Bands::Of(events, bands);
    const bool text = IsText(format);
    if (!text) {
        SetFixed(out);
        out.precision(3);
    }
    for (int i = 0; i < events.GetSize(); ++i) {
        const EventRec* event = events.GetAt(i);
        if (!text) {
            if (event == nullptr)
                continue;
            if (i == 0) {
                CellLine headings(out, false);
                for (const char* heading : {"Rec # ", "avgd evnts", "Duration", "dB Down"})
                    headings.Cell(0, heading);
                for (int band = range.first; band <= range.last; ++band)
                    headings.Cell(0, bands.Name(band));
                headings.End();
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
