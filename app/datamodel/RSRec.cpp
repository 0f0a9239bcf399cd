#include "RSRec.h"

#include "StreamedRecordFields.h"

using namespace RunStopFields;

const char* RunStopCauseText(int cause)
{
    static const char* const kCauses[] = {"Key",  "Timer", "I/O",   "Intv",  "Batt", "Halt",
                                          "Calib", "A:D 1", "A:D 2", "A:D 3", "Wind"};
    return (cause >= 0 && cause <= 10) ? kCauses[cause] : "";
}

RSRec::RSRec(const RecordView& r)
    : m_site(r.U16(kSite)),
      m_time(r.U32(kTime)),
      m_cause(r.I16(kCause)),
      m_thRecord(r.U32(kThRecordNumber)),
      m_model(r.U16(kModel)),
      m_runStop(r.I16(kRunStopNumber)),
      m_record(r.U32(kRecordNumber)),
      m_state(r.I16(kState))
{
}

const std::string& RSRec::GetCauseText(std::string& out) const
{
    out = RunStopCauseText(m_cause);
    return out;
}

const std::string& RSRec::GetStateText(std::string& out) const
{
    switch (m_state) {
    case 0: out = "Stop"; break;
    case 16: out = "Pause"; break;
    case 32: out = "Mark"; break;
    case 64: out = "Run"; break;
    case 80: out = "Cont."; break;
    case 96: out = "Reset"; break;
    default: break;
    }
    return out;
}
