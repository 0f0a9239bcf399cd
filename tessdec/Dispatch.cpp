// Record framing and dispatch of CV_TranslateNextRec.
//
// How a translator family plugs in: declare its functions in Translators.h
// (they are already declared for every record type the library knows),
// define them in the family's own file (TranslateDay.cpp, TranslateEvents.cpp,
// ...), and this file calls them by record type, model and mode.
#include <cstring>

#include "FileReader.h"
#include "OutRecord.h"
#include "RecordTools.h"
#include "Translators.h"

namespace tessdec {

int RecordNumberOffset(unsigned kind, bool rtaLayout) {
    switch (kind) {
    case 1: return rtaLayout ? 20 : 124;
    case 2: return 132;
    case 3: return 96;
    case 4: return 20;
    case 5: return 24;
    case 31: return 144;
    case 32: return 52;
    case 56: return 44;
    case 66: case 67: case 68: case 69: case 72: return 4;
    default: return -1;
    }
}

namespace {

void NoteFirst(WorkState& w, int slot, long offset) {
    if (w.firstOffset[slot] == 0) w.firstOffset[slot] = static_cast<int32_t>(offset);
}

int32_t TranslateType2(WorkState& w) {
    if (IsJ46(w)) {
        switch (w.modeIndex) {
        case 0: return TranslateObaData(w);
        case 1: return TranslateSslmData(w);
        default: return TranslateInterval(w);
        }
    }
    if (IsJ57(w)) {
        switch (w.modeIndex) {
        case 0: return TranslateSsaData(w);
        case 2: case 3: return TranslateInterval(w);
        case 4: return TranslateRtaData(w);
        case 5: return TranslateFftData(w);
        case 7: return TranslateTalData(w);
        default: return 0;  // ISM, AUD and VIB intervals give no record
        }
    }
    return TranslateInterval(w);
}

int32_t TranslateNumbered(WorkState& w, int type) {
    switch (type) {
    case 1: return w.modeIndex == 4 ? TranslateRtaEvent(w) : TranslateEvent(w);
    case 2: return TranslateType2(w);
    case 3: return TranslateDay(w);
    case 4: return TranslateRunStop(w);
    default: return TranslateCalCheck(w);
    }
}

// Types 1 to 5: counter, body, translator, record number.
int32_t DispatchNumbered(WorkState& w, int type, long typeAt) {
    NoteFirst(w, kFirstType1 + type - 1, typeAt);
    ++w.recordCount[type - 1];
    int32_t st = ReadFramedBody(w);
    if (st != 0) return st;
    st = TranslateNumbered(w, type);
    OutRecord out(w.out);
    const int at = RecordNumberOffset(out.GetU16(0), w.modeIndex == 4);
    if (at >= 0) out.U32(static_cast<size_t>(at), w.recordCount[type - 1]);
    return st;
}

// A record read piecewise: types 6 and 7 as streams, 21 and 27 as runs.
int32_t EnterContinuation(WorkState& w, int type, long typeAt, int slot) {
    NoteFirst(w, slot, typeAt);
    if (type == 21 || type == 27) {
        const int len = ReadByte(w);
        if (len == EOF) return TESSDEC_ERR_EOF;
        w.runBlockLen = static_cast<uint16_t>(len);
        w.resumeOffset = static_cast<int32_t>(typeAt + 2);
    } else {
        w.resumeOffset = static_cast<int32_t>(typeAt + 1);
    }
    w.savedType = static_cast<uint16_t>(type);
    w.contMode = 1;
    return 0;
}

int32_t TranslatePiecewise(WorkState& w, int type) {
    if (type == 21 || type == 27) return TranslateRun(w, type);
    return TranslateThStream(w);
}

int32_t EndOfData(WorkState& w) {
    w.resumeOffset = static_cast<int32_t>(Tell(w));
    OutRecord out(w.out);
    out.Bytes(0, w.summary, TESSDEC_SUM_SIZE);
    out.U16(0, 15);
    if (w.keepOpen != 0) CloseFile(w);
    return TESSDEC_END_OF_DATA;
}

}  // namespace

int32_t TranslateOneRecord(WorkState& w) {
    w.bodyPos = 0;
    if (w.contMode != 0) return TranslatePiecewise(w, w.savedType);
    const long typeAt = Tell(w);
    const int c = ReadByte(w);
    // A file that ends without its end record: the type byte and length read
    // as end-of-file values, which make a length no body has.
    if (c == EOF) return TESSDEC_ERR_BODY_LENGTH;
    const int type = c;
    w.bodyLen = 0;
    const bool j46j57 = IsJ46OrJ57(w);
    switch (type) {
    case 0:
        return EndOfData(w);
    case 1: case 2: case 3: case 4: case 5:
        return DispatchNumbered(w, type, typeAt);
    case 6:
    case 7:
        if ((type == 7) == j46j57) {
            const int32_t st = EnterContinuation(w, type, typeAt, type == 6 ? kFirstType6 : kFirstType7);
            return st != 0 ? st : TranslatePiecewise(w, type);
        } else {
            const int32_t st = ReadFramedBody(w);
            if (st != 0 || type == 6) return st;  // type 6 of the J46/J57 is passed over
            return TranslateHistogram(w);
        }
    case 8: {
        const int32_t st = ReadFramedBody(w);
        return st != 0 ? st : TranslateHistogram(w);
    }
    case 21:
    case 27: {
        const int32_t st = EnterContinuation(w, type, typeAt, type == 21 ? kFirstType21 : kFirstType27);
        return st != 0 ? st : TranslatePiecewise(w, type);
    }
    case 'C': case 'M': case 'S': {
        const int32_t st = ReadFramedBody(w);
        if (st != 0) return st;
        if (type == 'C') return TranslateCalibration(w);
        if (type == 'M') return TranslateSettings(w);
        return TranslateSystem(w);
    }
    case 'E':
        return PassOverEventLines(w, typeAt);
    case 'Q': {
        if (!Seek(w, typeAt)) return TESSDEC_ERR_READ;
        const int32_t st = TranslateParams(w);
        for (int32_t& offset : w.firstOffset) offset = w.resumeOffset;
        ForgetScanEnds(w);
        return st;
    }
    case 'R':
        if (!Seek(w, typeAt)) return TESSDEC_ERR_READ;
        return TranslateSetupLines(w);
    case 129: case 130: case 131: case 132: {
        NoteFirst(w, kFirstCont129 + type - 129, typeAt);
        ++w.contCount;
        const int32_t st = ReadFramedBody(w);
        return st != 0 ? st : TranslateSpectrum(w, type);
    }
    default:
        return ReadFramedBody(w);  // passed over
    }
}

}  // namespace tessdec
