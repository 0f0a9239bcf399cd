// Passing over the records that are read piecewise or as lines.
#include <string>

#include "BodyReader.h"
#include "FileReader.h"
#include "Translators.h"

namespace tessdec {

int32_t WalkThStream(WorkState& w, uint32_t* entries) {
    w.chunkRead = 1;
    w.bodyLen = 0;
    w.bodyPos = 0;
    BodyReader r(w);
    const bool single = w.singleByteLevel != 0;
    const bool twoValues = w.thFormatCode != 0;
    for (;;) {
        const uint8_t b0 = r.Byte();
        if (r.Failed() || b0 == 0) break;
        if (b0 > 127) {
            if (!single) r.Byte();
            if (twoValues) r.Skip(single ? 1 : 2);
        } else {
            r.ThLevelFirst(b0);
            if (twoValues) r.ThLevel();
            if (r.Failed()) break;
            if (entries != nullptr) ++*entries;
        }
        if (r.Failed()) break;
    }
    w.resumeOffset += static_cast<int32_t>(w.bodyPos);
    w.chunkRead = 0;
    w.contMode = 0;
    w.bodyLen = 0;
    w.bodyPos = 0;
    return r.Status() == TESSDEC_ERR_EOF ? TESSDEC_ERR_EOF : 0;
}

int32_t ReadRunBlock(WorkState& w) {
    const int first = ReadByte(w);
    if (first == EOF) {
        w.contMode = 0;
        return TESSDEC_ERR_EOF;
    }
    if (first == 0) {
        w.resumeOffset += 1;
        w.contMode = 0;
        return 0;
    }
    const uint32_t len = w.runBlockLen;
    w.body[0] = static_cast<uint8_t>(first);
    const size_t got = len > 1 ? w.file->Read(w.body + 1, len - 1) : 0;
    w.bodyLen = static_cast<uint32_t>(got + 1);
    w.bodyComplete = w.bodyLen == len ? 1 : 0;
    w.bodyPos = 0;
    w.resumeOffset += static_cast<int32_t>(w.bodyLen);
    if (w.bodyLen != len) {
        w.contMode = 0;
        return TESSDEC_ERR_EOF;
    }
    return 1;
}

int32_t SkipTextLines(WorkState& w, char letter, size_t maxChars) {
    std::string line(maxChars + 1, '\0');
    long after = Tell(w);
    while (ReadLine(w, line.data(), maxChars) && line[0] == letter) after = Tell(w);
    w.resumeOffset = static_cast<int32_t>(after);
    return 0;
}

int32_t PassOverEventLines(WorkState& w, long typeAt) {
    if (!Seek(w, typeAt)) return TESSDEC_ERR_READ;
    char line[255];
    ReadLine(w, line, 254);
    ReadLine(w, line, 254);
    w.resumeOffset = static_cast<int32_t>(Tell(w));
    return 0;
}

int32_t TranslateSetupLines(WorkState& w) {
    if (IsJ46(w)) return TranslateSetupJ46(w);
    if (IsJ57(w)) return TranslateSetupJ57(w);
    return TranslateSetupOther(w);
}

}  // namespace tessdec
