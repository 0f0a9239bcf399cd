// Writes the seed corpus of the fuzz targets: one small download file for
// every mode of the J57, for the J46's modes and for another model, with a
// record of each kind the mode has. Run: fuzz_seeds <folder>.
#include <cstdio>
#include <string>
#include <vector>

#include "DownloadFileBuilder.h"

namespace {

using fixtures::BodyBuilder;
using fixtures::DownloadFileBuilder;

// A body of n bytes that starts with a date and time and goes on with levels
// of 40 to 89 dB and small counts, so that the decoders see plausible values.
BodyBuilder Dated(size_t n, unsigned lead = 0) {
    BodyBuilder b;
    if (lead != 0) b.U8(0);
    b.BcdDate(10, 3, 3).BcdTime(12, 0, 0);
    for (size_t i = 0; b.Size() < n; ++i) b.U8(i % 3 == 2 ? static_cast<unsigned>(i % 7) : static_cast<unsigned>(40 + i % 50));
    return b;
}

BodyBuilder Settings(unsigned modeNumber, unsigned channelFlags) {
    BodyBuilder m;
    m.U8(1).Text("SEED", 8).Text("Seed setup", 30).U8(modeNumber);
    m.U8(0).U8(channelFlags).U8(0x41).Zeros(4).U8(0x04).U8(0x60).U8(0x40);
    m.PadTo(140).U8(4).U8(15).U8(1).PadTo(175).U16(64).PadTo(181).U8(40).PadTo(219);
    return m;
}

BodyBuilder Spectrum(unsigned number, size_t n) {
    BodyBuilder b;
    b.U16(number);
    for (size_t i = 2; i < n; ++i) b.U8(i % 2 == 0 ? static_cast<unsigned>(10 + i % 20) : 0x80);
    return b;
}

void Params(DownloadFileBuilder& f) {
    f.Q(5, "Seed site").Q(6, "14:05:30").Q(7, "09Mar2003").Q(61, "70.5").Q(69, "1").Q(70, "64").Q(71, "1");
    f.Q(77, "1").Q(78, "1").Q(83, "1").Q(84, "1").Q(145, "1").Q(157, "12").Q(162, "1").Q(206, "1").Q(210, "17");
    f.Q(227, "0.5");
}

void DataRecords(DownloadFileBuilder& f, bool j46j57) {
    f.Record(4, BodyBuilder().U8(0).BcdDate(10, 3, 3).BcdTime(11, 0, 0).U8(0x40).U16(1).U24(1));
    f.Record(1, Dated(600)).Record(1, Dated(600));
    f.Record(2, Dated(2000)).Record(3, Dated(1500, 1));
    f.Record(5, BodyBuilder().U8(0).BcdDate(10, 3, 3).BcdTime(11, 30, 0).Fix88(93.5).U8(0x25));
    f.Record(4, BodyBuilder().U8(0).BcdDate(10, 3, 3).BcdTime(13, 0, 0).U8(0x10).U16(2).U24(2));
    std::string stream;
    stream += static_cast<char>(0xC0);
    stream += '\x01';
    for (int i = 0; i < 70; ++i) stream += std::string{static_cast<char>(40 + i % 40), static_cast<char>(0x80)};
    stream += std::string{static_cast<char>(0x90), '\x02'};
    f.Stream(j46j57 ? 7 : 6, stream + '\0');
    f.Record(129, Spectrum(1, 211)).Record(129, Spectrum(2, 150)).Record(130, Spectrum(1, 211));
    f.Record(131, Spectrum(1, 71)).Record(132, Spectrum(0, 71)).Record(132, Spectrum(1, 71));
    f.E("E  1,note", "more");
}

std::string J57(const char* mode, unsigned modeNumber) {
    fixtures::HeaderSpec h;
    h.modeLine = mode;
    DownloadFileBuilder f;
    f.AtLines("Seed site", "note 1", "note 2").Header(h);
    Params(f);
    f.Record('M', Settings(modeNumber, modeNumber == 4 ? 0xF0 : 0x70));
    f.Record('S', BodyBuilder().PadTo(226)).Record('C', Dated(65, 1));
    DataRecords(f, true);
    f.Run(modeNumber == 4 ? 21 : 27, modeNumber == 4 ? 72 : 2,
          modeNumber == 4 ? std::vector<std::string>{Dated(72).Bytes(), Dated(72).Bytes()}
                          : std::vector<std::string>{"\xC0\x01", "\x41\x80", "\x42\x80", "\x90\x02"});
    if (modeNumber == 0 || modeNumber == 2) f.Record(8, BodyBuilder().PadTo(5120 + 1024));
    return f.J57Trailer("09Mar2003", "14:05:30", "0.5").End().Bytes();
}

std::string J46(const char* mode, unsigned modeNumber) {
    fixtures::HeaderSpec h;
    h.model = 46;
    h.modeLine = mode;
    DownloadFileBuilder f;
    f.AtLines("Seed site", "note 1", "note 2").Header(h);
    Params(f);
    f.Record('M', Settings(modeNumber, 0x70)).Record('C', Dated(129, 1)).Record('S', BodyBuilder().PadTo(226));
    DataRecords(f, true);
    f.Record('C', Dated(129, 1));
    return f.R(1, "Morvek-Audio Model J46").R(6, "09Mar2003 14:05:30").R(106, "250").End().Bytes();
}

std::string Other() {
    fixtures::HeaderSpec h;
    h.model = 61;
    h.firmware = "1.2";
    DownloadFileBuilder f;
    f.Header(h);
    Params(f);
    f.Record('S', BodyBuilder().PadTo(226)).Record('C', Dated(65, 1));
    DataRecords(f, false);
    f.Record(7, BodyBuilder().PadTo(4096 + 1024));
    return f.R(1, "Morvek-Audio Model J61").R(6, " 09Mar2003 14:05:30").R(106, "1.5").End().Bytes();
}

// RTA events whose decays the spectrum time history holds.
std::string Rt60() {
    fixtures::HeaderSpec h;
    h.modeLine = "RTA";
    DownloadFileBuilder f;
    f.Header(h);
    f.Record('M', Settings(4, 0xF0));
    for (int e = 0; e < 2; ++e) {
        BodyBuilder b;
        b.BcdDate(10, 3, 3).BcdTime(12, e, 0).U16(0).U8(2).U8(0).U8(0).Zeros(3).U16(2).U16(6).U8(0);
        for (int i = 0; i < 3 * 34; ++i) b.Fix88(60.0 + i % 20);
        f.Record(1, b.PadTo(260));
    }
    std::vector<std::string> samples;
    for (int s = 0; s < 16; ++s) {
        BodyBuilder b;
        b.U8(5).U8(0).U8(0x80).U8(0).Fix88(90.0 - 4 * (s % 8));
        for (int i = 0; i < 33; ++i) b.Fix88(90.0 - 4 * (s % 8) - i % 5);
        samples.push_back(b.Bytes());
    }
    f.Run(21, 72, samples);
    return f.J57Trailer("09Mar2003", "14:05:30", "0.0").End().Bytes();
}

// Parameter lines without a header, as files of older models begin.
std::string ParamsOnly() {
    DownloadFileBuilder f;
    Params(f);
    f.Q(233, "12345");
    f.Record(4, BodyBuilder().U8(0).BcdDate(10, 3, 3).BcdTime(11, 0, 0).U8(0x40).U16(1).U24(1));
    return f.End().Bytes();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds <folder>\n");
        return 2;
    }
    struct Seed {
        const char* name;
        std::string bytes;
    };
    const Seed seeds[] = {
        {"j57-ssa", J57("SSA", 0)}, {"j57-ism", J57("ISM", 1)}, {"j57-log", J57("LOG", 2)},
        {"j57-env", J57("ENV", 3)}, {"j57-rta", J57("RTA", 4)}, {"j57-fft", J57("FFT", 5)},
        {"j57-tal", J57("TAL", 7)}, {"j46-oba", J46("OBA ", 0)}, {"j46-sslm", J46("sSLM", 1)},
        {"j46-islm", J46("iSLM", 2)}, {"j61", Other()}, {"j57-rt60", Rt60()}, {"params-only", ParamsOnly()},
    };
    for (const Seed& s : seeds) {
        const std::string path = std::string(argv[1]) + "/" + s.name + ".slmdl";
        std::FILE* out = std::fopen(path.c_str(), "wb");
        if (out == nullptr || std::fwrite(s.bytes.data(), 1, s.bytes.size(), out) != s.bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        std::fclose(out);
    }
    return 0;
}
