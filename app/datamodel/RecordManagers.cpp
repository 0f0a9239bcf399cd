#include "RecordManagers.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "BandNames.h"
#include "HistogramStats.h"
#include "Profile.h"

int LnTableRowCount(bool histogram, int baseLevel)
{
    if (!histogram)
        return 0;
    return ReadLnTableLimits(platform::AppProfile(), baseLevel).RowCount();
}

int IntvMgr::GetLinesPerRecord() const
{
    return (lnLines ? 7 : 5) + (windLine ? 1 : 0) + GetLnTableRowCount();
}

int DayRecMgr::GetLinesPerRecord() const
{
    return (wind ? 8 : 1) + GetLnTableRowCount();
}

int SSAIntvRecMgr::GetLinesPerRecord(int withSpectra) const
{
    int lines = (lnLines ? 7 : 5) + (windLine ? 1 : 0) + GetLnTableRowCount();
    if (withSpectra != 0)
        lines += thirdOctave ? 19 : 8;
    return lines;
}

const SnapRec* SnapMgr::Add(SnapRec&& record)
{
    int kind = record.GetSubKind();
    switch (kind) {
    case SnapRec::kFft:
        record.SetLines(0, 88);
        break;
    case SnapRec::kAveraged:
        thirdOctave = record.GetBandwidthWord() > 0;
        record.SetLines(0, thirdOctave ? 24 : 13);
        break;
    case SnapRec::kTalSlm:
    case SnapRec::kTalRta:
    case SnapRec::kTalTone: {
        static const int kLines[] = {0, 19, 23, 7};
        const SnapRec* last = GetLast();
        record.SetLines(last ? last->GetFirstLine() + last->GetLineCount() : 0, kLines[kind]);
        break;
    }
    default:
        return nullptr;
    }
    ++m_typeCounts[kind];
    return &RecordMgr<SnapRec>::Add(std::move(record));
}

void SnapMgr::RemoveAll()
{
    RecordMgr<SnapRec>::RemoveAll();
    std::fill(std::begin(m_typeCounts), std::end(m_typeCounts), 0);
}

int SnapMgr::GetTypeCount(int subKind) const
{
    return (subKind >= 0 && subKind < 5) ? m_typeCounts[subKind] : 0;
}

int SnapMgr::GetLinesPerRecord() const
{
    if (m_typeCounts[SnapRec::kFft] > 0)
        return 88;
    return thirdOctave ? 24 : 13;
}

int SnapMgr::GetReportLineCount() const
{
    int lines = 19 * m_typeCounts[SnapRec::kTalSlm] + 23 * m_typeCounts[SnapRec::kTalRta] +
                7 * m_typeCounts[SnapRec::kTalTone];
    if (lines == 0)
        lines = 88 * m_typeCounts[SnapRec::kFft];
    if (lines == 0)
        lines = (thirdOctave ? 24 : 13) * m_typeCounts[SnapRec::kAveraged];
    return lines;
}

const SnapRec* SnapMgr::FindRecordByLine(int line) const
{
    if (IsEmpty())
        return nullptr;
    int i = std::clamp(line / 20, 0, GetCount() - 1);
    while (i < GetCount() - 1 && GetAt(i)->GetFirstLine() + GetAt(i)->GetLineCount() - 1 < line)
        ++i;
    while (i > 0 && GetAt(i)->GetFirstLine() > line)
        --i;
    return GetAt(i);
}

void EventRecMgr::LoadRT60Settings()
{
    const platform::Profile& profile = platform::AppProfile();
    rt60DbDown = std::atoi(profile.GetProfileString("RT60Settings", "dBDown", "10").c_str());
    rt60FirstBand = profile.GetProfileInt("RT60Settings", "StartFreq", 0);
    rt60LastBand = profile.GetProfileInt("RT60Settings", "EndFreq", 32);
}

void EventRecMgr::GetRt60Bands(int bandCount, int* first, int* last) const
{
    const int top = std::max(bandCount - 1, 0);
    *first = std::clamp(rt60FirstBand, 0, top);
    *last = std::clamp(rt60LastBand, 0, top);
    if (*first > *last)
        std::swap(*first, *last);
}

int EventRecMgr::GetRt60LinesPerEvent(int bandCount) const
{
    int first = 0;
    int last = 0;
    GetRt60Bands(bandCount, &first, &last);
    return TwoColumnRows(last - first + 1) + 3;
}
