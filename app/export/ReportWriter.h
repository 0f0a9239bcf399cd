#pragma once
// The writer of every export file: one member function per piece of a report,
// each writing either the aligned text layout (format 1) or the quoted CSV
// layout (any other format) into the stream it is given. It holds nothing;
// formatting flags, fill and precision pass from one writer to the next in
// the stream itself. A writer on a failed stream writes nothing. Writers
// return 1 whatever they did; nobody reads it.
//
// Text layout: labels and values in columns, each cell padded to its width
// by CellLine (ExportCells.h); WriteTitle sets left alignment for the whole
// file. CSV layout: every field is "text", (quote, text with its quotes
// doubled, quote, comma), never widened; a line ends with a line feed after
// its last field, or with the line closer (quote and a line feed) where a
// writer says so.
#include <ctime>
#include <ostream>

#include "HistogramMgr.h"
#include "RecordManagers.h"
#include "RecordView.h"

// 1 text, anything else CSV.
using ExportFormat = int;
constexpr ExportFormat kTextFormat = 1;
constexpr ExportFormat kCsvFormat = 2;

// The CSV tokens.
constexpr const char* kFieldOpen = "\"";
constexpr const char* kFieldClose = "\",";
constexpr const char* kLineClose = "\"\n";

class ReportWriter {
public:
    ReportWriter() = default;
    ~ReportWriter() = default;

    // The report's title and when the download file was translated; in the
    // text layout followed by a rule of 80 minus signs.
    int WriteTitle(const char* title, std::ostream& out, ExportFormat format, std::time_t translated);

    // The writers below take the data set's kept records as views: an empty
    // view stands for a record the file did not hold, and a writer that
    // needs it writes nothing.

    // -- Common file header.

    // The thirteen labelled lines after the title: the download file, the
    // instrument, the program's version, the setup and the file's location
    // and notes, then an empty line. Any of the three records may be empty.
    // Leaves the left and fixed flags set and precision 3 for the writer
    // that follows.
    int WriteFileHeader(std::ostream& out, ExportFormat format, const char* fileName, const RecordView& headerBlock,
                        const RecordView& systemRecord, const RecordView& setupRecord, int setupType);

    // -- Summaries: logging, SSA, integrating, FFT.

    // The logging meter's summary: the Overall and the Current set side by
    // side, the Ln table, LDN and CNEL, wind (when measured), the setup's
    // exceedance levels with their counts, calibration, record counts,
    // memory and battery, then an "Any Data" block of each set.
    int WriteLogSummary(std::ostream& out, ExportFormat format, const RecordView& summary, const RecordView& setup,
                        const RecordView& systemRecord);

    // The SLM & RTA summary: the Overall levels, the octave and one-third
    // octave spectra, the spectral Ln table (when the setup asked for it),
    // the Ln's, the setup's exceedance levels with their counts, the Current
    // levels, wind (when measured), calibration and record counts.
    int WriteSsaSummary(std::ostream& out, ExportFormat format, const RecordView& summary,
                        const RecordView& systemRecord, const RecordView& setup);

    // The FFT analyser's summary: start, end and run time, the analyser
    // settings and the averaged 401-line spectrum.
    int WriteFftSummary(std::ostream& out, ExportFormat format, const RecordView& summary, const RecordView& setup);

    // The integrating meter's summary: start and elapsed time, then the
    // average, SEL and peak levels and the Lmax and Lmin of every detector
    // for the A, C and Flat weightings, each with its time.
    int WriteIsmSummary(std::ostream& out, ExportFormat format, const RecordView& summary);

    // -- Settings printouts, octave-band intervals, ZU-Reru and FFT snapshots.

    // The settings stored with a download file, from its kept records: the
    // LOG (kind 53), SSA (51), ZU-Reru (60) and ISM (52) setup records, the
    // system settings (54) with the noise floor of the calibration record (50).
    int WriteLogSettings(std::ostream& out, ExportFormat format, const RecordView& setup);
    int WriteSsaSettings(std::ostream& out, ExportFormat format, const RecordView& setup);
    int WriteTalSettings(std::ostream& out, ExportFormat format, const RecordView& setup);
    int WriteSystemSettings(std::ostream& out, ExportFormat format, const RecordView& system,
                            const RecordView& calibration);
    int WriteCalSettings(std::ostream& out, ExportFormat format, const RecordView& calibration);
    int WriteIsmSettings(std::ostream& out, ExportFormat format, const RecordView& setup);

    // The octave band intervals of a J46 file under the interval settings of
    // its OBA setup record (kind 33; an empty view leaves those values empty).
    int WriteObaIntervals(std::ostream& out, ExportFormat format, const ObaIntvMgr& intervals,
                          const RecordView& setup);

    // ZU-Reru snapshots: each record by its sub-kind (1 sound level meter,
    // 2 spectra, any other tonality).
    int WriteTalSnapshots(std::ostream& out, ExportFormat format, const SnapMgr& snapshots);
    void WriteTalSlmSnapshotText(std::ostream& out, const SnapRec& record);
    void WriteTalSlmSnapshotCsv(std::ostream& out, const SnapRec& record);
    void WriteTalRtaSnapshotText(std::ostream& out, const SnapRec& record);
    void WriteTalRtaSnapshotCsv(std::ostream& out, const SnapRec& record);
    void WriteTalToneSnapshotText(std::ostream& out, const SnapRec& record);
    void WriteTalToneSnapshotCsv(std::ostream& out, const SnapRec& record);

    // FFT snapshots with their 401-line spectra; the line frequencies come
    // from the bandwidth of the FFT setup record (kind 63).
    int WriteFftSnapshots(std::ostream& out, ExportFormat format, const SnapMgr& snapshots, const RecordView& setup);

    // -- ZU-Reru and RTA summaries, RTA and FFT settings; histogram, Ln, interval, run/stop and time-history tables.

    // The ZU-Reru summary: times, LAFTM5, LCeq and LAIeq against LAeq, levels
    // by weighting and detector, the Ln table, the Leq spectrum and the
    // tonality figures.
    int WriteTalSummary(std::ostream& out, ExportFormat format, const RecordView& summary, const RecordView& setup);
    // The RTA summary: times, AutoStore and ByTime, the Leq, Max and Min
    // spectra of the last event and the spatial average when there is one.
    int WriteRtaSummary(std::ostream& out, ExportFormat format, const RecordView& summary, const RecordView& setup);
    // The RTA settings with the trigger table and the logic outputs.
    int WriteRtaSettings(std::ostream& out, ExportFormat format, const RecordView& setup);
    // One row of the Arm/Trigger/End table: mode name, level, time, samples
    // and logic, the cells that the mode (0 to 6) does not use marked empty.
    std::string FormatTriggerRow(ExportFormat format, std::string modeName, int mode, float level, float time,
                                 int16_t samples, int logicHigh);
    // The FFT analyser settings.
    int WriteFftSettings(std::ostream& out, ExportFormat format, const RecordView& setup);

    // The SPL, peak and unweighted peak histogram tables. Gives the three
    // managers their resolutions from the profile first, whatever else.
    int WriteHistograms(std::ostream& out, ExportFormat format, SplHistMgr& spl, PkHistMgr& peak,
                        PkHistMgr& uwPeak);
    // The Ln table under an interval or day row: rowCount as the record's
    // manager counts it, the record's 128 bins from baseLevel dB on.
    int WriteLnTableHistogram(std::ostream& out, ExportFormat format, int rowCount, const uint32_t* bins,
                              int baseLevel, int countsPerSecond);
    // The interval table of a logging download, each row followed by its Ln
    // table when the intervals carry histograms.
    int WriteLogIntervals(std::ostream& out, ExportFormat format, const IntvMgr& intervals, const RecordView& setup);
    // The run/stop log; mark names come from the parameter-line record.
    int WriteRunStopLog(std::ostream& out, ExportFormat format, const RSMgr& runStops, const RecordView& parameters);
    // The time history of a logging download.
    int WriteLogTimeHistory(std::ostream& out, ExportFormat format, const ThMgr& history, const RecordView& setup,
                            const RecordView& parameters);
    // The time history of a sound level meter / RTA download with its
    // stored spectrum.
    int WriteSsaTimeHistory(std::ostream& out, ExportFormat format, const ThMgr& history, const RecordView& setup,
                            const RecordView& parameters);
    // Columns before the spectrum of that time history (record number, date,
    // time, Leq and the advanced columns); width, when given, gets their text
    // width.
    static int CountSsaTimeHistoryColumns(const RecordView& setup, int* width);

    // -- Calibration check, daily, exceedance, SSA interval, ZU-Reru time-history, RT60, RTA event and snapshot tables.

    // The calibration checks, one row each: record number, date and time,
    // check level, offset, manual or automatic, and the outcome.
    int WriteCalCheckLog(std::ostream& out, ExportFormat format, const CalRecMgr& calibrations);

    // The daily records of a logging measurement: levels with the weighting
    // letters of the LOG setup record (kind 53, may be empty), the day's
    // wind when it was measured, and each day's Ln table when the days carry
    // histograms.
    int WriteDailyHistory(std::ostream& out, ExportFormat format, const DayRecMgr& days, const RecordView& setup);

    // The SSA intervals under the settings of the SSA setup record (kind 51;
    // nothing without it): levels, counts, wind and Ln levels, then the
    // interval spectra (choice below 2) or the spectral Ln table (choice 2,
    // when the setup stored one), and each interval's Ln table when the
    // intervals carry histograms.
    int WriteSsaIntervals(std::ostream& out, ExportFormat format, const SSAIntvRecMgr& intervals,
                          const RecordView& setup, int choice);
    // The group line and the column line above the intervals.
    void WriteSsaIntervalHeadings(std::ostream& out, ExportFormat format, const SSAIntvRecMgr& intervals,
                                  const RecordView& setup, int choice);

    // The exceedance events of a logging measurement under the weighting and
    // detector of its LOG setup record (kind 53, may be empty): levels,
    // counts, maximum wind when the events carry it, and the level profile.
    int WriteExceedanceHistory(std::ostream& out, ExportFormat format, const EventRecMgr& events,
                               const RecordView& setup);

    // The spatially averaged snapshots of an RTA file: a block of lines per
    // snapshot (text) or one row each under two heading rows (CSV), the bands
    // by the bandwidth of the RTA setup record (kind 70).
    int WriteRtaSnapshots(std::ostream& out, ExportFormat format, const SnapMgr& snapshots, const RecordView& setup);

    // The RT60 times of every RTA event between the first and the last band
    // of the event manager's RT60 settings, as the events' RT60 texts hold
    // them (computed before); the bands named by the RTA setup record's
    // bandwidth. The time-history manager is not read.
    int WriteRt60(std::ostream& out, ExportFormat format, const EventRecMgr& events, const ThMgr& timeHistory,
                  const RecordView& setup);

    // The RTA events with their Leq, Max and Min spectra, each followed by
    // its ByTime records from the time-history manager (taken in order, the
    // event's pre-trigger and triggered counts at a time); bands and the
    // time between ByTime records from the RTA setup record (kind 70).
    int WriteRtaEvents(std::ostream& out, ExportFormat format, const EventRecMgr& events, const ThMgr& timeHistory,
                       const RecordView& setup);

    // The ZU-Reru time history: a line per record with the Leq and the
    // columns the ZU-Reru setup record (kind 60) selects, then one stored
    // spectrum; run/stop entries with their state and cause, marks named
    // from the parameter-line record (kind 7). Nothing without the setup.
    int WriteTalTimeHistory(std::ostream& out, ExportFormat format, const ThMgr& timeHistory, const RecordView& setup,
                            const RecordView& parameters);
    // The columns in front of the spectrum, and in width (when given) their
    // text width.
    static int CountTalTimeHistoryColumns(const RecordView& setup, int* width = nullptr);

private:
    // False (write nothing) for a stream in the failed or bad state.
    static bool Usable(const std::ostream& out) { return !out.fail(); }
    static bool IsText(ExportFormat format) { return format == kTextFormat; }
};
