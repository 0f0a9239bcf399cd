#include "FileReader.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "Numbers.h"
#include "OutRecord.h"
#include "Text.h"
#include "TimeConv.h"

namespace tessdec {

namespace {

constexpr size_t kHeaderLine = 254;
constexpr size_t kTrailerLine = 80;
constexpr size_t kJ57TrailerScan = 2100000;
constexpr char kJ57Ident[] = "R  1,Morvek-Audio Model J57";
constexpr size_t kJ57IdentLen = sizeof(kJ57Ident) - 1;

void SetSerial(WorkState& w, std::string_view line2) {
    const std::string_view text = CutLineEnd(line2);
    CopyCut(reinterpret_cast<char*>(w.summary + TESSDEC_SUM_SERIAL), 8,
            text.size() > 3 ? text.substr(3) : std::string_view());
}

// Copies a header line (up to its carriage return) into a 42-byte slot.
void PutHeaderSlot(uint8_t* block, int index, std::string_view line) {
    if (block == nullptr) return;
    CopyCut(reinterpret_cast<char*>(block + index * TESSDEC_HDR_LINE_SLOT), TESSDEC_HDR_LINE_SLOT, CutLineEnd(line));
}

int32_t ReadAtLines(WorkState& w, uint8_t* block) {
    static const int kSummarySlots[3] = {TESSDEC_SUM_LOCATION, TESSDEC_SUM_NOTE1, TESSDEC_SUM_NOTE2};
    char line[kHeaderLine + 1];
    for (int i = 0; i < 3; ++i) {
        if (!ReadLine(w, line, kHeaderLine)) return TESSDEC_ERR_READ;
        std::string text(CutLineEnd(line));
        const size_t at = text.find('@');
        if (at != std::string::npos) text[at] = ' ';
        char* slot = SummaryText(w, kSummarySlots[i]);
        if (slot[0] == '\0') CopyCut(slot, TESSDEC_HDR_AT_SLOT, text);
        if (block != nullptr)
            CopyCut(reinterpret_cast<char*>(block + TESSDEC_HDR_AT_OFFSET + i * TESSDEC_HDR_AT_SLOT),
                    TESSDEC_HDR_AT_SLOT, text);
    }
    w.resumeOffset = static_cast<int32_t>(Tell(w));
    return 0;
}

bool IsHeaderStart(char c) { return c == 'L' || c == ' ' || c == '*'; }

// The last place of the identification line within the scan window (its n
// bytes from the first record on) where the line and one more byte fit,
// searched backwards a piece at a time from the window's end, so that only
// the end of a large file is read; n when the line is not there.
int32_t FindJ57Ident(WorkState& w, size_t n, size_t& match) {
    constexpr size_t kPiece = 64 * 1024;
    match = n;
    if (n < kJ57IdentLen + 1) return 0;
    std::unique_ptr<uint8_t[]> piece(new (std::nothrow) uint8_t[kPiece + kJ57IdentLen]);
    if (!piece) return TESSDEC_ERR_NO_MEMORY;
    size_t high = n - (kJ57IdentLen + 1);  // the last candidate of the piece
    for (;;) {
        const size_t low = high >= kPiece ? high - kPiece + 1 : 0;
        const size_t bytes = high - low + kJ57IdentLen;
        if (!Seek(w, w.resumeOffset + static_cast<long>(low))) return TESSDEC_ERR_READ;
        const size_t got = w.file->Read(piece.get(), bytes);
        if (w.file->Error()) return TESSDEC_ERR_READ;
        for (size_t i = high + 1; i-- > low;) {
            if (i - low + kJ57IdentLen <= got && std::memcmp(piece.get() + (i - low), kJ57Ident, kJ57IdentLen) == 0) {
                match = i;
                return 0;
            }
        }
        if (low == 0) return 0;
        high = low - 1;
    }
}

int32_t ReadJ57Trailer(WorkState& w) {
    long size = 0;
    if (!SeekEnd(w, size)) return TESSDEC_ERR_READ;
    const size_t n = size > w.resumeOffset ? std::min<size_t>(static_cast<size_t>(size - w.resumeOffset), kJ57TrailerScan) : 0;
    size_t match = n;
    const int32_t found = FindJ57Ident(w, n, match);
    if (found != 0) return found;
    if (match == n) return TESSDEC_ERR_EOF;
    // The setup lines after it, up to the window's end.
    const size_t tailBytes = n - match;
    std::unique_ptr<uint8_t[]> data(new (std::nothrow) uint8_t[tailBytes]);
    if (!data) return TESSDEC_ERR_NO_MEMORY;
    if (!Seek(w, w.resumeOffset + static_cast<long>(match))) return TESSDEC_ERR_READ;
    const size_t got = w.file->Read(data.get(), tailBytes);
    if (w.file->Error()) return TESSDEC_ERR_READ;
    const std::string_view all(reinterpret_cast<const char*>(data.get()), got);
    bool haveStart = false, haveOffset = false;
    size_t pos = kJ57IdentLen;
    while (!(haveStart && haveOffset)) {
        const size_t r = all.find('R', pos);
        if (r == std::string_view::npos) break;
        const std::string_view rest = all.substr(r + 1, 12);
        const long number = LeadingInt(rest);
        if (number == 6 && !haveStart) {
            const std::string_view date = r + 5 < got ? all.substr(r + 5, 9) : std::string_view();
            const std::string_view time = r + 15 < got ? all.substr(r + 15, 8) : std::string_view();
            const uint32_t t = DateToSecs(date, time, true, 0);
            w.trailerStart = t > 0 ? t - 1 : 0;
            haveStart = true;
        } else if (number == 106 && !haveOffset) {
            // A value that is no offset gives none; the line is there all the same.
            const double offset = LeadingDecimal(r + 5 < got ? all.substr(r + 5, 32) : std::string_view());
            w.levelOffset = IsPlausibleLevelOffset(offset) ? static_cast<float>(offset) : 0.0f;
            haveOffset = true;
        }
        pos = r + 1;
    }
    return haveOffset ? 0 : TESSDEC_ERR_EOF;
}

int32_t ReadLineTrailer(WorkState& w) {
    long size = 0;
    if (!SeekEnd(w, size)) return TESSDEC_ERR_SEEK;
    const long back = IsJ46(w) ? 1000 : 2500;
    long pos = size > back ? size - back : 0;  // a shorter file is searched whole
    if (!Seek(w, pos)) return TESSDEC_ERR_SEEK;
    // J46 lines keep the R 6 date in column 6, other models in column 7.
    const size_t dateAt = IsJ46(w) ? 5 : 6;
    long lowestSeek = pos;
    char line[kTrailerLine + 1];
    while (ReadLine(w, line, kTrailerLine)) {
        if (line[0] != 'R') continue;
        const long number = LeadingInt(line + 1);
        const std::string_view text(line);
        if (number == 6) {
            const std::string_view date = text.size() > dateAt ? text.substr(dateAt, 9) : std::string_view();
            const std::string_view time = text.size() > 16 ? CutLineEnd(text.substr(16, 8)) : std::string_view();
            const uint32_t t = DateToSecs(date, time, true, 0);
            w.trailerStart = t > 0 ? t - 1 : 0;
            return 0;
        }
        if (number > 6) {
            // The search began too late: go back a little and try again,
            // unless that would not move further back than before.
            const long here = Tell(w);
            long target = here - static_cast<long>(text.size()) - 50;
            if (target < 0) target = 0;
            if (target >= lowestSeek || size - target > 4999) return 0;
            lowestSeek = target;
            if (!Seek(w, target)) return TESSDEC_ERR_SEEK;
        }
    }
    return 0;
}

}  // namespace

bool ReadLine(WorkState& w, char* buf, size_t maxChars) {
    size_t n = 0;
    while (n < maxChars) {
        const int c = w.file->Get();
        if (c == EOF) break;
        buf[n++] = static_cast<char>(c);
        if (c == '\n') break;
    }
    buf[n] = '\0';
    return n > 0;
}

bool SeekEnd(WorkState& w, long& size) { return w.file->SeekEnd(size); }

bool ReadLength16(WorkState& w, uint32_t& length) {
    const int hi = ReadByte(w);
    const int lo = ReadByte(w);
    if (hi == EOF || lo == EOF) {
        length = 0xFFFF;  // what the end of the file reads as: above any body
        return false;
    }
    length = static_cast<uint32_t>(hi) * 256 + static_cast<uint32_t>(lo);
    return true;
}

int32_t ReadBody(WorkState& w, uint32_t length) {
    if (length > kBodyMax) return TESSDEC_ERR_BODY_LENGTH;
    const size_t got = w.file->Read(w.body, length);
    w.bodyLen = static_cast<uint32_t>(got);
    w.bodyComplete = got == length ? 1 : 0;
    w.bodyPos = 0;
    return 0;
}

int32_t ReadFramedBody(WorkState& w) {
    uint32_t length = 0;
    ReadLength16(w, length);
    const int32_t st = ReadBody(w, length);
    if (st != 0) return st;
    w.resumeOffset = static_cast<int32_t>(Tell(w));
    return 0;
}

bool OpenFile(WorkState& w) {
    if (w.path[0] == '\0') return false;
    w.file = InFile::Open(w.path);
    return w.file != nullptr;
}

void CloseFile(WorkState& w) {
    delete w.file;
    w.file = nullptr;
}

uint16_t ModeIndexOf(uint16_t model, std::string_view line) {
    static const char* const kJ57Modes[] = {"SSA", "ISM", "LOG", "ENV", "RTA", "FFT", "AUD", "TAL", "VIB"};
    static const char* const kJ46Modes[] = {"OBA ", "sSLM", "iSLM", "ENV "};
    if (model == kModelJ57) {
        for (uint16_t i = 0; i < 9; ++i)
            if (line.substr(0, 3) == kJ57Modes[i]) return i;
    } else if (model == kModelJ46) {
        for (uint16_t i = 0; i < 4; ++i)
            if (line.substr(0, 4) == kJ46Modes[i]) return i;
    }
    return 0;
}

int32_t ReadHeader(WorkState& w, uint8_t* block) {
    w.firmware = 0.0f;
    w.model = kModelJ61;
    w.versionFlag = 0;
    if (block != nullptr) std::memset(block, 0, TESSDEC_HEADER_BLOCK_SIZE);
    char line[kHeaderLine + 1];
    if (!ReadLine(w, line, kHeaderLine)) return TESSDEC_ERR_READ;
    const char first = line[0];
    if (first != '@' && first != 'Q' && !IsHeaderStart(first)) return TESSDEC_ERR_READ;
    if (first == '@') {
        if (!Seek(w, 0)) return TESSDEC_ERR_READ;
        const int32_t st = ReadAtLines(w, block);
        if (st != 0) return st;
        if (!ReadLine(w, line, kHeaderLine)) line[0] = '\0';
    }
    if (!IsHeaderStart(line[0])) return TESSDEC_ERR_NOT_IN_FILE;
    PutHeaderSlot(block, 0, line);
    if (ReadLine(w, line, kHeaderLine)) {
        PutHeaderSlot(block, 1, line);
        w.model = static_cast<uint16_t>(LeadingInt(line));
        SetSerial(w, line);
    }
    if (ReadLine(w, line, kHeaderLine)) {
        PutHeaderSlot(block, 2, line);
        w.firmware = static_cast<float>(LeadingDecimal(line));
        w.versionFlag = w.firmware > 0.9f ? 1 : 0;
    }
    if (ReadLine(w, line, kHeaderLine)) PutHeaderSlot(block, 3, line);
    if (ReadLine(w, line, kHeaderLine)) {
        PutHeaderSlot(block, 4, line);
        const std::string_view text = CutLineEnd(line);
        const std::string_view date = text.size() > 10 ? text.substr(10, 9) : std::string_view();
        const std::string_view time = text.size() > 20 ? text.substr(20, 8) : std::string_view();
        w.startTime = DateToSecs(date, time, true, 0);
        w.startTimeD = w.startTime;
        if (w.trailerStart < 1 && w.startTime > 0) w.trailerStart = w.startTime - 1;
    }
    if (IsJ46OrJ57(w)) {
        if (ReadLine(w, line, kHeaderLine)) {
            PutHeaderSlot(block, 5, line);
            w.modeIndex = ModeIndexOf(w.model, line);
        }
        ReadLine(w, line, kHeaderLine);
        ReadLine(w, line, kHeaderLine);
    } else {
        ReadLine(w, line, kHeaderLine);
    }
    w.resumeOffset = static_cast<int32_t>(Tell(w));
    return 0;
}

int32_t ReadTrailer(WorkState& w) {
    const int32_t st = ReadHeader(w, nullptr);
    if (st != 0) return st;
    return IsJ57(w) ? ReadJ57Trailer(w) : ReadLineTrailer(w);
}

}  // namespace tessdec
