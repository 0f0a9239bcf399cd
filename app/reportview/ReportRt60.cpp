// The RT60 report: for every RTA event the reverberation time of each band
// of the chosen range, worked out from the event's decay with the chosen
// dB-down value. The decays are cut from the time history once per load; the
// RT60 texts follow the stored options at every drawing.
#include "ReportRt60.h"

#include "BandNames.h"
#include "CDataReport.h"
#include "MeasDataSet.h"
#include "Prompter.h"
#include "ReportHost.h"
#include "ReportRta.h"
#include "ReportText.h"
#include "Rt60Decays.h"

int CDataReport::BuildRt60Decays()
{
    const bool third = rta::ThirdOctave(data_);
    if (ReportHost* host = Host())
        host->ShowRt60Bands(third);
    RecordManagers& m = data_.Records();
    const int result = ::BuildRt60Decays(m.events, m.timeHistory, third ? 33 : 11);
    if (result < 0)
        platform::AppPrompter().Message("Failed to allocate space needed to calculate RT60!");
    return result;
}

void CDataReport::ComputeRt60()
{
    EventRecMgr& events = data_.Records().events;
    int first = 0;
    int last = 0;
    rt60::BandRange(data_, &first, &last);
    for (int i = 0; i < events.GetCount(); ++i)
        if (EventRec* event = events.GetAt(i))
            event->ComputeRt60Texts(static_cast<float>(events.rt60DbDown), first, last);
}

namespace rt60 {

void BandRange(const MeasDataSet& data, int* first, int* last)
{
    data.Records().events.GetRt60Bands(rta::ThirdOctave(data) ? 33 : 11, first, last);
}

int LinesPerEvent(const MeasDataSet& data)
{
    return data.Records().events.GetRt60LinesPerEvent(rta::ThirdOctave(data) ? 33 : 11);
}

void DrawLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const MeasDataSet& data = report.DataSet();
    const EventRecMgr& events = data.Records().events;
    const int count = events.GetCount();
    int first = 0;
    int last = 0;
    BandRange(data, &first, &last);
    const int rows = TwoColumnRows(last - first + 1);
    const unsigned perEvent = static_cast<unsigned>(rows + 3);
    if (count == 0 || index / perEvent >= static_cast<unsigned>(count))
        return;
    const EventRec* event = events.GetAt(static_cast<int>(index / perEvent));
    const int r = static_cast<int>(index % perEvent);
    const int y = report.LineY(dc, line);
    const bool third = rta::ThirdOctave(data);
    auto name = [third](int band) { return RtaBandLabel(band, third); };
    if (r == 1) {
        for (int column : {2, 5}) {
            dc.TextOut(report.Column(column), y, "Freq. Hz");
            dc.TextOut(report.Column(column + 1), y, "RT60 (sec)");
        }
        return;
    }
    if (event == nullptr)
        return;
    if (r == 0) {
        dc.TextOut(report.Column(1), y, Printf("Rec # %d", static_cast<int>(event->GetRecordNumber())));
        dc.TextOut(report.Column(2), y, Printf("%d averaged events", static_cast<int>(event->GetAveragedEvents())));
        dc.TextOut(report.Column(4), y, "Duration: " + FormatFixed(event->GetDuration(), 3));
        dc.TextOut(report.Column(6), y, Printf("dB Down: %d dB", events.rt60DbDown));
    } else if (r <= rows + 1) {
        const int band = first + r - 2;
        dc.TextOut(report.Column(2), y, name(band));
        dc.TextOut(report.Column(3), y, event->GetRt60Text(band));
        if (band + rows <= last) {
            dc.TextOut(report.Column(5), y, name(band + rows));
            dc.TextOut(report.Column(6), y, event->GetRt60Text(band + rows));
        }
    }
}

}  // namespace rt60
