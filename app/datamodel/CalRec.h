#pragma once
// One calibration or calibration check (output kind 5).
#include <cstdint>
#include <string>

#include "RecordView.h"
#include "StreamedRecordFields.h"

class CalRec {
public:
    explicit CalRec(const RecordView& record)
        : m_time(record.U32(CalRecordFields::kTime)),
          m_offset(record.F32(CalRecordFields::kOffset)),
          m_level(record.F32(CalRecordFields::kLevel)),
          m_mode(record.I16(CalRecordFields::kMode)),
          m_model(record.U16(CalRecordFields::kModel)),
          m_record(record.U32(CalRecordFields::kRecordNumber)),
          m_status(record.I16(CalRecordFields::kStatus))
    {
    }

    uint32_t GetTime() const { return m_time; }
    float GetLevel() const { return m_level; }    // the calibration level
    float GetOffset() const { return m_offset; }  // the level offset
    uint32_t GetRecordNumber() const { return m_record; }
    int GetModeCode() const { return m_mode; }
    int GetStatusCode() const { return m_status; }
    int GetModel() const { return m_model; }
    // 0 "Manual", 32 "Auto", else empty. Returns out.
    const std::string& GetModeText(std::string& out) const;
    // 0 "Stable", 1 "Unstable", 2 "Too low", 4 "Too high", 128 "Noise Floor
    // Check", else "Cal Status Error". Returns out.
    const std::string& GetStatusText(std::string& out) const;

private:
    uint32_t m_time;
    float m_offset;
    float m_level;
    int16_t m_mode;
    uint16_t m_model;
    uint32_t m_record;
    int16_t m_status;
};
