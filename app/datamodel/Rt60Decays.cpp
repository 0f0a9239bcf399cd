#include "Rt60Decays.h"

#include <algorithm>
#include <new>

int BuildRt60Decays(EventRecMgr& events, const ThMgr& timeHistory, int bandCount)
{
    const size_t bands = bandCount > 0 ? static_cast<size_t>(bandCount) : 0;
    int sample = 0;  // runs on across the events
    for (int i = 0; i < events.GetCount(); ++i) {
        EventRec* event = events.GetAt(i);
        if (event == nullptr)
            continue;
        // The two counts come from the file: a damaged one may ask for far
        // more samples than the time history has, so the histories hold
        // only the samples that are there.
        const int total = event->GetPreTriggerCount() + event->GetTriggeredCount();
        const int present = timeHistory.GetCount() - sample;
        const int taken = std::min(total, present);
        const size_t n = taken > 0 ? static_cast<size_t>(taken) : 0;
        std::vector<std::vector<float>> histories;
        std::vector<EventRec::DecayPeak> peaks;
        try {
            histories.assign(bands, std::vector<float>(n, 0.0f));
            peaks.assign(bands, EventRec::DecayPeak{});
        } catch (const std::bad_alloc&) {
            return -1;
        }
        for (size_t t = 0; t < n && sample < timeHistory.GetCount(); ++t, ++sample) {
            const ThRec* record = timeHistory.GetAt(sample);
            if (record == nullptr)
                continue;
            for (size_t b = 0; b < bands; ++b) {
                const float level = record->GetLiveBand(static_cast<int>(b));
                histories[b][t] = level;
                // The last sample of equal maximum is the peak.
                if (peaks[b].level <= level)
                    peaks[b] = {static_cast<int32_t>(t), level};
            }
        }
        event->SetDecayData(std::move(histories), std::move(peaks));
    }
    return 0;
}
