#include "SetupLines.h"

#include <charconv>
#include <cmath>
#include <string>

#include "FileReader.h"
#include "Text.h"
#include "TimeConv.h"

namespace tessdec {

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

// The text from position pos, empty past the end.
std::string_view From(std::string_view s, size_t pos) { return pos < s.size() ? s.substr(pos) : std::string_view(); }

}  // namespace

float DecimalOrZero(std::string_view v) {
    double d = 0;
    return ParseDecimal(v, d) == 0 ? static_cast<float>(d) : 0.0f;
}

float LeadingFloat(std::string_view v) {
    size_t i = 0;
    while (i < v.size() && IsSpace(v[i])) ++i;
    bool negative = false;
    if (i < v.size() && (v[i] == '+' || v[i] == '-')) negative = v[i++] == '-';
    double d = 0;
    const auto r = std::from_chars(v.data() + i, v.data() + v.size(), d, std::chars_format::general);
    if (r.ec != std::errc()) return 0.0f;
    return static_cast<float>(negative ? -d : d);
}

void PutFloatList(OutRecord& out, size_t at, size_t max, std::string_view value) {
    size_t pos = 0;
    for (size_t k = 0; k < max; ++k) {
        out.F32(at + 4 * k, LeadingFloat(value.substr(pos)));
        const size_t comma = value.find(',', pos);
        if (comma == std::string_view::npos) break;
        pos = comma + 1;
    }
}

uint32_t DateTimeValue(std::string_view v) {
    // The date, one separator and the time; both parts are needed. Models
    // other than the J46 and J57 put a blank before the date (column 7).
    const size_t start = v.find_first_not_of(' ');
    if (start == std::string_view::npos) return 0;
    v.remove_prefix(start);
    if (v.size() < 11) return 0;
    return DateToSecs(v.substr(0, 9), v.substr(10, 9), true, 0);
}

void ApplyForm(OutRecord& out, const LineField& f, std::string_view value) {
    switch (f.form) {
    case Form::Decimal: out.F32(f.offset, DecimalOrZero(value)); break;
    case Form::DecimalList: {
        size_t pos = 0;
        for (size_t k = 0; k < f.count; ++k) {
            out.F32(f.offset + 4 * k, DecimalOrZero(From(value, pos)));
            const size_t comma = value.find(',', pos);
            if (comma == std::string_view::npos) break;
            pos = comma + 1;
        }
        break;
    }
    case Form::Int32: out.I32(f.offset, static_cast<int32_t>(LeadingInt(value))); break;
    case Form::Int16: out.U16(f.offset, static_cast<uint16_t>(static_cast<int16_t>(LeadingInt(value)))); break;
    case Form::Float: out.F32(f.offset, LeadingFloat(value)); break;
    case Form::Span: out.F32(f.offset, static_cast<float>(ParseDuration(value))); break;
    case Form::DateTime: out.U32(f.offset, DateTimeValue(value)); break;
    case Form::DateTimeList: {
        // Tokens between blanks and commas, taken in pairs of date and time.
        std::string_view tokens[2];
        size_t have = 0, k = 0, pos = 0;
        while (k < f.count && pos < value.size()) {
            const size_t start = value.find_first_not_of(" ,", pos);
            if (start == std::string_view::npos) break;
            const size_t end = std::min(value.find_first_of(" ,", start), value.size());
            tokens[have++] = value.substr(start, end - start);
            pos = end;
            if (have == 2) {
                out.U32(f.offset + 4 * k++, DateToSecs(tokens[0], tokens[1], true, 0));
                have = 0;
            }
        }
        break;
    }
    case Form::Text: out.Text(f.offset, f.count, value); break;
    case Form::TextSkipBlanks: {
        const size_t start = value.find_first_not_of(' ');
        out.Text(f.offset, f.count, start == std::string_view::npos ? std::string_view() : value.substr(start));
        break;
    }
    }
}

const LineField* FindField(const LineField* table, size_t n, int r) {
    for (size_t i = 0; i < n; ++i)
        if (table[i].r == r) return &table[i];
    return nullptr;
}

void ReadSetupLines(WorkState& w, size_t maxChars,
                    const std::function<void(int, std::string_view, std::string_view)>& line) {
    std::string buf(maxChars + 1, '\0');
    bool have = ReadLine(w, buf.data(), maxChars);
    while (have && buf[0] != 'R') have = ReadLine(w, buf.data(), maxChars);
    while (have && buf[0] == 'R') {
        w.resumeOffset = static_cast<int32_t>(Tell(w));
        const std::string_view text = CutLineEnd(buf.c_str());
        line(static_cast<int>(LeadingInt(text.substr(1))), From(text, 5), text);
        have = ReadLine(w, buf.data(), maxChars);
    }
}

void ApplyModelLine(WorkState& w, std::string_view value) {
    const size_t at = value.find("Model");
    if (at != std::string_view::npos) {
        std::string_view rest = From(value, at + 5);
        const size_t start = rest.find_first_not_of(' ');
        rest = From(rest, start == std::string_view::npos ? rest.size() : start);
        if (!rest.empty() && (rest[0] == 'J' || rest[0] == 'j')) rest.remove_prefix(1);
        if (!rest.empty() && rest[0] >= '0' && rest[0] <= '9') w.model = static_cast<uint16_t>(LeadingInt(rest));
    }
    PutSummaryU16(w, TESSDEC_SUM_MODEL, w.model);
}

uint32_t ApplyStartLine(WorkState& w, std::string_view value) {
    const uint32_t t = DateTimeValue(value);
    w.startTime = t;
    w.startTimeD = t;
    PutSummaryU32(w, TESSDEC_SUM_SETUP_START, t);
    return t;
}

void ApplyIndexedLevel(OutRecord& out, size_t at, std::string_view value) {
    const size_t comma = value.find(',');
    if (comma == std::string_view::npos) return;
    const long index = LeadingInt(value);
    if (index < 0 || index > 23) return;  // nothing outside the 24 slots
    float level = DecimalOrZero(value.substr(comma + 1));
    if (value.find('p') != std::string_view::npos) level = -level;
    out.F32(at + 4 * static_cast<size_t>(index), level);
}

void ApplyPlusOneBytes(OutRecord& out, size_t at, size_t count, std::string_view value) {
    for (size_t k = 0; k < count; ++k) {
        // A position past the end of the value reads as empty (0).
        unsigned b = static_cast<unsigned>(LeadingInt(From(value, 4 * k)) + 1) & 0xFF;
        out.U8(at + k, b == 0 ? 1 : b);
    }
}

unsigned CompassIndex(std::string_view value) {
    static const char* const kNames[16] = {"  N", "NNE", " NE", "ENE", "  E", "ESE", " SE", "SSE",
                                           "  S", "SSW", " SW", "WSW", "  W", "WNW", " NW", "NNW"};
    for (unsigned i = 0; i < 16; ++i)
        if (value.substr(0, 3) == kNames[i]) return i;
    return 0;
}

void ApplyVoltage(OutRecord& out, size_t batteryAt, size_t powerAt, size_t powerSlot, std::string_view value) {
    const std::string_view power = SlotText(reinterpret_cast<const char*>(out.Data() + powerAt), powerSlot);
    if (power.find('E') == std::string_view::npos) return;
    out.Format(batteryAt, 8, "%.1fV", static_cast<double>(LeadingFloat(value)));
}

uint16_t SummaryFlags(const WorkState& w, bool lnLines) {
    uint16_t f = 0;
    if (w.q209 != 0) f |= 0x0002;
    if (w.eventFlag1 == 1 || w.eventFlag2 == 1 || w.channelOption != 0) f |= 0x0004;
    if (w.windFlag == 1) f |= 0x0008;
    if (w.channelOption != 0) f |= 0x0010;
    if (w.dayOptionB != 0) f |= 0x0040;
    if (w.dayOptionA != 0) f |= 0x0080;
    if (lnLines) f |= 0x0200;
    return f;
}

void PutChannelTexts(OutRecord& out, const WorkState& w, size_t namesAt, size_t unitsAt) {
    for (size_t i = 0; i < 3; ++i) {
        out.Text(namesAt + 10 * i, 10, SlotText(w.channelName[i], sizeof w.channelName[i]));
        out.Text(unitsAt + 6 * i, 6, SlotText(w.channelUnit[i], sizeof w.channelUnit[i]));
    }
}

void PutLnPercents(OutRecord& out, const WorkState& w, size_t at) {
    if (w.lnPercent[0] == -1.0f) return;
    for (size_t i = 0; i < 6; ++i) out.F32(at + 4 * i, w.lnPercent[i]);
}

bool ApplySharedLine(OutRecord& out, WorkState& w, const SharedLineFields& f, SharedLineState& st, int r,
                     std::string_view value, std::string_view line) {
    switch (r) {
    case 1: ApplyModelLine(w, value); return true;
    case 38: case 39: case 40: case 41: case 42: case 43:
        out.F32(f.lnLevels + 4 * static_cast<size_t>(r - 38), DecimalOrZero(value));
        st.lnLines = true;
        return true;
    case 53:
        if (line.find('n') != std::string_view::npos) out.U32(f.nFlag, 1);
        return true;
    case 60: ApplyIndexedLevel(out, f.indexed, value); return true;
    case 98:
        if (!st.r98Used) ApplyPlusOneBytes(out, f.plusOne, f.plusOneCount, value);
        st.r98Used = true;
        return true;
    case 120: out.U16(f.compass, CompassIndex(value)); return true;
    default: return false;
    }
}

void FinishSetupRecord(OutRecord& out, WorkState& w, unsigned kind) {
    out.U16(0, kind);
    out.U16(2, w.siteNumber);
    out.U16(8, w.reservedWord);
    uint32_t t;
    std::memcpy(&t, out.Data() + 4, 4);
    RaiseLatest(w, t);
}

}  // namespace tessdec
