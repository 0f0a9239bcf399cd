#include "ReportExportTable.h"

#include "KeptRecordFields.h"
#include "MeasDataSet.h"
#include "TwoChoiceDialog.h"

namespace {

// Report types 2 to 33; type 1 depends on the setup type.
const ExportReportRow kRows[] = {
    /* 2 */ {"sysset", "syssetss", "J57 System Settings"},
    /* 3 */ {"logset", "logsetss", "Logging Sound Level Meter Settings"},
    /* 4 */ {},
    /* 5 */ {},
    /* 6 */ {"logrs", "slmrsss", "J57 Logging Sound Level Meter Run / Stop Log"},
    /* 7 */ {"logintv", "slmintvss", "J57 Logging Sound Level Meter Intervals"},
    /* 8 */ {"logth", "slmthss", "J57 Logging Sound Level Meter Time History"},
    /* 9 */ {"loghist", "slmhistss", "Sound Level Meter Histograms"},
    /* 10 */ {"ssahist", "ssahistss", "Sound Level Meter / RTA Histograms"},
    /* 11 */ {"calset", "calsetss", "J57 Calibration Settings"},
    /* 12 */ {"obaintv", "obaintvss", "Octave Band Analyzer Intervals"},
    /* 13 */ {"ssaset", "ssasetss", "Sound Level Meter / RTA Settings"},
    /* 14 */ {"calrecs", "calrecss", "Calibration Check Log"},
    /* 15 */ {"ismset", "ismsetss", "Integrating Sound Level Meter Settings"},
    /* 16 */ {"dayrecs", "dayrecss", "Daily Noise History"},
    /* 17 */ {"excdrecs", "excdrecss", "Exceedance History"},
    /* 18 */ {"ssaintv", "ssaintvss", "SSA Intervals"},
    /* 19 */ {"ssath", "ssathss", "J57 Logging Sound Level Meter Time History",
              "J57 Sound Level Meter / RTA Time History"},
    /* 20 */ {"ssars", "ssarsss", "J57 SLM/RTA Run/Stop Log", "SLM/RTA Run/Stop Log"},
    /* 21 */ {"talth", "talthss", "J57 ZU-Reru Time History", "TA_Larm Time History"},
    /* 22 */ {"talrs", "talrsss", "J57 ZU-Reru Run/Stop Log", "ZU-Reru Run/Stop Log"},
    /* 23 */ {"talset", "talsetss", "ZU-Reru Settings"},
    /* 24 */ {"talsnap", "talsnapss", "ZU-Reru Snapshots"},
    /* 25 */ {"fftset", "fftsetss", "FFT Settings"},
    /* 26 */ {"fftrs", "fftrsss", "J57 FFT Run/Stop Log", "FFT Run/Stop Log"},
    /* 27 */ {"fftsnap", "fftsnapss", "FFT Snapshots"},
    /* 28 */ {"rtaset", "rtasetss", "RTA Settings"},
    /* 29 */ {"rtasnap", "rtasnapss", "J57 RTA Spatially Averaged History", "RTA Spatially Averaged History"},
    /* 30 */ {"rtaevnts", "rtaevntss", "RTA Events"},
    /* 31 */ {"ssasum", "ssasumss", "SLM & RTA Summary"},
    /* 32 */ {"fftsum", "fftsumss", "FFT Summary"},
    /* 33 */ {"rt60", "rt60ss", "RT60"},
};
constexpr int kFirstTableType = 2;
constexpr int kLastType = 33;

// The writer of the report type with its data.
void WriteReportBody(ReportWriter& writer, std::ostream& out, ExportFormat format, int reportType, int setupType,
                     MeasDataSet& data, int spectrumChoice)
{
    const RecordView summary = data.SummaryView();
    const RecordView system = data.SystemView();
    const RecordView setup = data.SetupView();
    RecordManagers& records = data.Records();
    switch (reportType) {
    case 1:
        if (setupType == 7)
            writer.WriteLogSummary(out, format, summary, setup, system);
        else if (setupType == 6)
            writer.WriteIsmSummary(out, format, summary);
        else if (setupType == 8)
            writer.WriteTalSummary(out, format, summary, setup);
        else if (setupType == 10)
            writer.WriteRtaSummary(out, format, summary, setup);
        break;
    case 2: writer.WriteSystemSettings(out, format, system, data.CalibrationView()); break;
    case 3: writer.WriteLogSettings(out, format, setup); break;
    case 6:
    case 20:
    case 22:
    case 26: writer.WriteRunStopLog(out, format, records.runStops, data.ParameterView()); break;
    case 7: writer.WriteLogIntervals(out, format, records.intervals, setup); break;
    case 8: writer.WriteLogTimeHistory(out, format, records.timeHistory, setup, data.ParameterView()); break;
    case 9:
    case 10:
        writer.WriteHistograms(out, format, records.splHistogram, records.peakHistogram, records.uwPeakHistogram);
        break;
    case 19: writer.WriteSsaTimeHistory(out, format, records.timeHistory, setup, data.ParameterView()); break;
    case 25: writer.WriteFftSettings(out, format, setup); break;
    case 28: writer.WriteRtaSettings(out, format, setup); break;
    case 11: writer.WriteCalSettings(out, format, data.CalibrationView()); break;
    case 12: writer.WriteObaIntervals(out, format, records.obaIntervals, setup); break;
    case 13: writer.WriteSsaSettings(out, format, setup); break;
    case 14: writer.WriteCalCheckLog(out, format, records.calibrations); break;
    case 15: writer.WriteIsmSettings(out, format, setup); break;
    case 16: writer.WriteDailyHistory(out, format, records.days, setup); break;
    case 18: writer.WriteSsaIntervals(out, format, records.ssaIntervals, setup, spectrumChoice); break;
    case 17: writer.WriteExceedanceHistory(out, format, records.events, setup); break;
    case 21: writer.WriteTalTimeHistory(out, format, records.timeHistory, setup, data.ParameterView()); break;
    case 23: writer.WriteTalSettings(out, format, setup); break;
    case 24: writer.WriteTalSnapshots(out, format, records.snapshots); break;
    case 27: writer.WriteFftSnapshots(out, format, records.snapshots, setup); break;
    case 29: writer.WriteRtaSnapshots(out, format, records.snapshots, setup); break;
    case 30: writer.WriteRtaEvents(out, format, records.events, records.timeHistory, setup); break;
    case 31: writer.WriteSsaSummary(out, format, summary, system, setup); break;
    case 32: writer.WriteFftSummary(out, format, summary, setup); break;
    case 33: writer.WriteRt60(out, format, records.events, records.timeHistory, setup); break;
    default: break;
    }
}

}  // namespace

ExportReportRow ExportReportRowOf(int reportType, int setupType)
{
    if (reportType == 1) {
        switch (setupType) {
        case 7: return {"logsum", "slmsumss", "Logging Sound Level Meter Summary"};
        case 6: return {"ismsum", "ismsumss", "Integrating Sound Level Meter Summary"};
        case 8: return {"talsum", "talsumss", "ZU-Reru Summary"};
        case 10: return {"rtasum", "rtasumss", "RTA Summary"};
        default: return {"rtasum", "rtasumss", nullptr};
        }
    }
    if (reportType < kFirstTableType || reportType > kLastType)
        return {};
    return kRows[reportType - kFirstTableType];
}

void WriteExportReport(std::ostream& out, ExportFormat format, int reportType, int setupType, MeasDataSet& data,
                       const char* title, const char* fileName, int spectrumChoice)
{
    if (!title || !ExportReportRowOf(reportType, setupType).title)
        return;
    ReportWriter writer;
    writer.WriteTitle(title, out, format, data.GetTranslationTime());
    if (fileName)
        writer.WriteFileHeader(out, format, fileName, data.FileHeaderView(), data.SystemView(), data.SetupView(),
                               setupType);
    WriteReportBody(writer, out, format, reportType, setupType, data, spectrumChoice);
}

bool AskSsaIntervalChoice(const MeasDataSet& data, QWidget* parent, int* choice)
{
    *choice = kIntervalSpectra;
    // A missing setup record reads 0 here: nothing to choose.
    if (data.SetupView().I16(SsaSetupFields::kSpectralLn) != 2)
        return true;
    TwoChoiceDialog dialog(parent);
    dialog.SetTexts("SSA Interval Report Options", "There is too much data to export.",
                    "Please specify whether you want to export", "spectra or spectra Ln's.", "Interval Spectra",
                    "Spectral Ln's");
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (!dialog.IsFirstOptionChosen())
        *choice = kSpectralLns;
    return true;
}
