// tessdec-list FILE [--dump N]: lists a download file through Tessdec's
// exports: version, serial number, site number, header, record counts, and
// one line per CV_TranslateNextRec call. Exit status 0 when the walk reached
// the end of data.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tessdec/tessdec.h"

namespace {

const char* const kCountLabels[TESSDEC_COUNT_FIELDS] = {
    "Calibrations", "Cal Spectra", "Days", "Events", "RTA Events", "Event Spectra", "Event TH Spectra",
    "Histograms", "Intervals", "Intv Spectra", nullptr, "Run/Stops", nullptr, "Summary", "Time Hist Samples",
    "Sys Settings", "Cal Settings", "OBA Settings", "sSLM Settings", "iSLM Settings", "OBA Intvs",
    "Intv Snapshots", "SSA Settings", "ISM Settings", "LOG Settings", "RTA Settings", "FFT Settings", nullptr,
    "TAL Settings", nullptr, "SSA Intvs", ".SSA Time Hist Samples", "SSA Histograms", "SSA Run/Stops",
    ".TAL Time Hist Samples", "TAL Snapshots", "FFT Snapshots", "FFT Run/Stops", nullptr,
    "RTA Spatially Averaged Samples", "SSA Summary"};

uint16_t U16(const uint8_t* p, size_t off) {
    uint16_t v;
    std::memcpy(&v, p + off, 2);
    return v;
}
uint32_t U32(const uint8_t* p, size_t off) {
    uint32_t v;
    std::memcpy(&v, p + off, 4);
    return v;
}
float F32(const uint8_t* p, size_t off) {
    float v;
    std::memcpy(&v, p + off, 4);
    return v;
}

// Where a kind keeps its site, time stamp and record number (-1: none).
struct KindLayout {
    int site = 2;
    int time = 4;
    bool floatSeconds = false;
    int record = -1;
};

KindLayout LayoutOf(unsigned kind, bool rta) {
    KindLayout k;
    switch (kind) {
    case 1:
        if (rta) k.time = 8;
        k.record = rta ? 20 : 124;
        break;
    case 2: k.record = 132; break;
    case 3: k.record = 96; break;
    case 4: k.record = 20; break;
    case 5: k.record = 24; break;
    case 21: k.floatSeconds = true; break;
    case 31: k.record = 144; break;
    case 32: k.record = 52; break;
    case 56: k.record = 44; break;
    case 66: case 67: case 68: case 69: case 72:
        k.site = -1;
        k.time = 8;
        k.record = 4;
        break;
    default: break;
    }
    return k;
}

std::string TimeText(uint32_t secs) {
    char date[18] = {}, time[9] = {};
    const int32_t s = static_cast<int32_t>(secs);
    TX_SecsToDate(&s, date, time, 0);
    return std::string(date) + " " + time;
}

std::string Slot(const uint8_t* p, size_t size) {
    const void* z = std::memchr(p, 0, size);
    return std::string(reinterpret_cast<const char*>(p), z ? static_cast<const uint8_t*>(z) - p : size);
}

void Dump(const uint8_t* rec, size_t n) {
    for (size_t i = 0; i < n; i += 16) {
        std::printf("    %04zx:", i);
        for (size_t j = i; j < i + 16 && j < n; ++j) std::printf(" %02x", rec[j]);
        std::printf("\n");
    }
}

}  // namespace

int main(int argc, char** argv) {
    const char* path = nullptr;
    size_t dump = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--dump") == 0 && i + 1 < argc) {
            dump = std::strtoul(argv[++i], nullptr, 10);
            if (dump > TESSDEC_RECORD_SIZE) dump = TESSDEC_RECORD_SIZE;
        } else if (path == nullptr) {
            path = argv[i];
        } else {
            path = nullptr;
            break;
        }
    }
    if (path == nullptr) {
        std::fprintf(stderr, "usage: tessdec-list FILE [--dump N]\n");
        return 2;
    }

    std::vector<uint8_t> work(static_cast<size_t>(CV_GetBufferSize()), 0);
    std::vector<uint8_t> record(TESSDEC_RECORD_SIZE, 0);
    std::printf("Tessdec version %d (%d)\n", CV_TranVersion(), CV_TranVersionEx());

    uint16_t model = 0;
    char serial[TESSDEC_SERIAL_SIZE] = {};
    float version = 0;
    int32_t st = CV_ReadFileSN(path, work.data(), &model, serial, &version);
    std::printf("Serial: status %d, model %u, serial \"%s\", version %.3f\n", st, model, serial, version);

    int16_t site = 0;
    st = CV_ReadSiteNum(path, work.data(), &site);
    std::printf("Site: status %d, site %d\n", st, site);

    std::vector<uint8_t> header(TESSDEC_HEADER_BLOCK_SIZE, 0);
    st = CV_ReadFileHeader(path, work.data(), header.data());
    std::printf("Header: status %d\n", st);
    for (int i = 0; i < 6; ++i)
        std::printf("  line %d: \"%s\"\n", i + 1, Slot(&header[i * TESSDEC_HDR_LINE_SLOT], TESSDEC_HDR_LINE_SLOT).c_str());
    for (int i = 0; i < 3; ++i)
        std::printf("  @ %d: \"%s\"\n", i + 1,
                    Slot(&header[TESSDEC_HDR_AT_OFFSET + i * TESSDEC_HDR_AT_SLOT], TESSDEC_HDR_AT_SLOT).c_str());
    const bool rta = model == 57 && Slot(&header[5 * TESSDEC_HDR_LINE_SLOT], 3) == "RTA";

    std::fill(work.begin(), work.end(), 0);
    uint32_t counts[TESSDEC_COUNT_FIELDS] = {};
    st = CV_GetRecordCount(path, work.data(), counts, record.data());
    std::printf("Counts: status %d\n", st);
    for (int i = 0; i < TESSDEC_COUNT_FIELDS; ++i) {
        if (counts[i] == 0) continue;
        if (kCountLabels[i] != nullptr)
            std::printf("  %u %s\n", counts[i], kCountLabels[i]);
        else
            std::printf("  %u (field %d)\n", counts[i], i);
    }

    std::fill(work.begin(), work.end(), 0);
    st = CV_StartTranslate(path, work.data());
    std::printf("Start: status %d\n", st);
    if (st < 0) {
        CV_StopTranslate();
        return 1;
    }
    for (unsigned long call = 1;; ++call) {
        std::fill(record.begin(), record.end(), 0);
        st = CV_TranslateNextRec(record.data(), work.data());
        const unsigned kind = U16(record.data(), 0);
        std::printf("#%lu status %d kind %u", call, st, kind);
        if (kind != 0) {
            const KindLayout k = LayoutOf(kind, rta);
            if (k.site >= 0) std::printf(" site %u", U16(record.data(), k.site));
            if (k.floatSeconds)
                std::printf(" seconds %.3f", F32(record.data(), k.time));
            else
                std::printf(" time %s", TimeText(U32(record.data(), k.time)).c_str());
            if (k.record >= 0) std::printf(" record %u", U32(record.data(), k.record));
        }
        std::printf("\n");
        if (dump > 0 && kind != 0) Dump(record.data(), dump);
        if (st < 0) break;
    }
    if (st != TESSDEC_END_OF_DATA) CV_StopTranslate();
    return st == TESSDEC_END_OF_DATA ? 0 : 1;
}
