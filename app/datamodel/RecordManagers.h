#pragma once
// The record managers of a loaded download file: each owns the records of
// one kind and answers how many report lines they take. Their flags and base
// levels are set by the builders from the file's setup each time a record is
// added, so the last record's values win.
#include "CalRec.h"
#include "DailyRec.h"
#include "EventRec.h"
#include "IntvRec.h"
#include "ObaIntvRec.h"
#include "RSRec.h"
#include "RecordMgr.h"
#include "SSAIntvRec.h"
#include "SnapRec.h"
#include "ThRec.h"

class RSMgr : public RecordMgr<RSRec> {};
class ThMgr : public RecordMgr<ThRec> {};
class CalRecMgr : public RecordMgr<CalRec> {};

// Base level of the histogram bins without a setup record.
constexpr int kDefaultLnBaseLevel = 15;

class IntvMgr : public RecordMgr<IntvRec> {
public:
    int GetLinesPerRecord() const;
    int GetReportLineCount() const { return GetCount() * GetLinesPerRecord(); }
    int GetLnTableRowCount() const { return LnTableRowCount(histogram, baseLevel); }

    bool windLine = false;   // a line of wind values per interval
    bool lnLines = true;     // the Ln levels were saved
    bool histogram = false;  // the last interval carried histogram bins
    int baseLevel = kDefaultLnBaseLevel;
};

class DayRecMgr : public RecordMgr<DailyRec> {
public:
    int GetLinesPerRecord() const;
    int GetReportLineCount() const { return GetCount() * GetLinesPerRecord(); }
    int GetLnTableRowCount() const { return LnTableRowCount(histogram, baseLevel); }

    bool wind = false;
    bool histogram = false;
    int baseLevel = kDefaultLnBaseLevel;
};

class SSAIntvRecMgr : public RecordMgr<SSAIntvRec> {
public:
    // With spectra: the spectrum lines under each interval as well.
    int GetLinesPerRecord(int withSpectra) const;
    int GetReportLineCount() const { return GetCount() * GetLinesPerRecord(0); }
    int GetLnTableRowCount() const { return LnTableRowCount(histogram, baseLevel); }

    bool windLine = false;
    bool lnLines = true;
    bool thirdOctave = true;
    bool histogram = false;
    int baseLevel = kDefaultLnBaseLevel;
};

class ObaIntvMgr : public RecordMgr<ObaIntvRec> {
public:
    int GetLinesPerRecord() const { return thirdOctave ? 20 : 15; }
    int GetReportLineCount() const { return GetCount() * GetLinesPerRecord(); }

    bool thirdOctave = false;  // from the last record's bandwidth word
};

// Never filled: no download file carries octave band summaries.
class ObaSumMgr : public RecordMgr<ObaSumRec> {
public:
    int GetLinesPerRecord() const { return flag ? 21 : 16; }
    int GetReportLineCount() const { return GetCount() * GetLinesPerRecord(); }

    bool flag = false;
};

class SnapMgr : public RecordMgr<SnapRec> {
public:
    // Sets the record's lines by its sub-kind and appends it: sub-kinds 1 to 3
    // follow each other (19, 23 and 7 lines); an FFT snapshot takes 88 lines,
    // a spatially averaged one 24 (one-third octaves) or 13.
    void Add(std::unique_ptr<SnapRec> record)
    {
        if (record)
            Add(std::move(*record));
    }
    // The stored record; null for a sub-kind that no report shows.
    const SnapRec* Add(SnapRec&& record);
    void RemoveAll();

    int GetLinesPerRecord() const;
    int GetReportLineCount() const;
    // Records of sub-kind 0 to 4.
    int GetTypeCount(int subKind) const;
    // The snapshot whose lines hold the report line; null when empty.
    const SnapRec* FindRecordByLine(int line) const;

    bool thirdOctave = true;

private:
    int m_typeCounts[5] = {};
};

class EventRecMgr : public RecordMgr<EventRec> {
public:
    EventRecMgr() { LoadRT60Settings(); }
    // Profile section "RT60Settings"; run again before each drawing.
    void LoadRT60Settings();
    // The RT60 band range of the settings kept within bandCount bands (33
    // one-third octaves or 11 octaves), a reversed range turned round:
    // settings beyond the bands are possible through the profile only.
    void GetRt60Bands(int bandCount, int* first, int* last) const;
    // The lines of one event in the RT60 report: its title, the column
    // heads, the bands of that range in two columns and a blank line.
    int GetRt60LinesPerEvent(int bandCount) const;

    bool windLayout = false;  // the events carry wind values
    int rt60DbDown = 10;
    int rt60FirstBand = 0;
    int rt60LastBand = 32;
};
