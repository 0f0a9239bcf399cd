#include "RSRec.h"

const char* RunStopCauseText(int cause)
{
    static const char* const kCauses[] = {"Key",  "Timer", "I/O",   "Intv",  "Batt", "Halt",
                                          "Calib", "A:D 1", "A:D 2", "A:D 3", "Wind"};
    return (cause >= 0 && cause <= 10) ? kCauses[cause] : "";
}

RSRec::RSRec(const RecordView& r)
    : m_site(r.U16(2)),
      m_time(r.U32(4)),
      m_cause(r.I16(10)),
      m_thRecord(r.U32(12)),
      m_model(r.U16(16)),
      m_runStop(r.I16(18)),
      m_record(r.U32(20)),
      m_state(r.I16(24))
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
