#pragma once
// One run/stop entry of a measurement (output kinds 4, 59, 62, 64).
#include <cstdint>
#include <string>

#include "RecordView.h"

// Causes 0 to 10 of a run/stop entry; empty for any other code.
const char* RunStopCauseText(int cause);

class RSRec {
public:
    explicit RSRec(const RecordView& record);

    uint32_t GetTime() const { return m_time; }
    int GetCauseCode() const { return m_cause; }
    // "Key" ... "Wind"; the empty text outside 0 to 10. Returns out.
    const std::string& GetCauseText(std::string& out) const;
    uint32_t GetThRecordNumber() const { return m_thRecord; }
    int GetRunStopNumber() const { return m_runStop; }
    uint32_t GetRecordNumber() const { return m_record; }
    int GetStateCode() const { return m_state; }
    // 0 "Stop", 16 "Pause", 32 "Mark", 64 "Run", 80 "Cont.", 96 "Reset"; any
    // other code leaves out as it was. Returns out.
    const std::string& GetStateText(std::string& out) const;
    int GetSiteNumber() const { return m_site; }
    int GetModel() const { return m_model; }

private:
    uint16_t m_site;
    uint32_t m_time;
    int16_t m_cause;
    uint32_t m_thRecord;
    uint16_t m_model;
    int16_t m_runStop;
    uint32_t m_record;
    int16_t m_state;
};
