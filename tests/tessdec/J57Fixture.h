#pragma once
// A J57 download file with a record of every framing the reader knows.
#include <string>

#include "DownloadFileBuilder.h"

namespace tessdec_test {

inline fixtures::BodyBuilder SmallBody(size_t n) {
    fixtures::BodyBuilder b;
    b.BcdDate(9, 3, 3).BcdTime(14, 10, 0);
    return b.PadTo(n);
}

// The records of a file of that model (J57 framing unless another model is
// named), between the header and the trailer. Compact records keep the data
// bodies short (their translators then stop with -313), for tests that feed
// every prefix of a file.
inline fixtures::DownloadFileBuilder Records(fixtures::DownloadFileBuilder f, int model = 57, bool compact = false) {
    const bool j46j57 = model == 46 || model == 57;
    f.Q(5, "Quarry").Q(157, "12");
    f.Record('M', fixtures::BodyBuilder().Text("MODE", 39).U8(0).PadTo(219));
    f.Record('S', fixtures::BodyBuilder().PadTo(226));
    f.Record('C', fixtures::BodyBuilder().PadTo(65));
    for (unsigned type = 1; type <= 5; ++type) f.Record(type, SmallBody(compact ? 12 : type == 3 ? 200 : 40));  // a day is long
    const std::string stream = std::string("\x50\x80\x90\x00\x51\x40", 6) + '\0';  // levels, a marker, the end
    if (j46j57) {
        f.Record(6, SmallBody(12));  // passed over on the J46 and J57
        f.Stream(7, stream);
    } else {
        f.Stream(6, stream);
        f.Record(7, fixtures::BodyBuilder().PadTo(compact ? 40 : 4096 + 2 * 512));  // histograms
    }
    f.Record(8, fixtures::BodyBuilder().PadTo(compact ? 40 : 300));
    f.Run(21, 4, {"\x01\x02\x03\x04", "\x05\x06\x07\x08"});
    f.Run(27, 3, {"\x09\x0a\x0b"});
    for (unsigned type = 129; type <= 132; ++type) f.Record(type, fixtures::BodyBuilder().U16(1).PadTo(compact ? 12 : 211));
    f.E(" 12,Event line", "second line");
    f.Record(200, fixtures::BodyBuilder().PadTo(7));  // unknown: passed over
    return f;
}

inline fixtures::DownloadFileBuilder J61AllFramings(bool compact = false) {
    fixtures::HeaderSpec h;
    h.model = 61;
    fixtures::DownloadFileBuilder f;
    f.AtLines("Site", "n1", "n2").Header(h);
    f = Records(f, 61, compact);
    f.R(1, "Morvek-Audio Model J61").R(6, " 09Mar2003 14:05:30").R(106, "0.0");
    return f.End();
}

inline fixtures::DownloadFileBuilder J57AllFramings(const std::string& modeLine = "SSA", bool compact = false) {
    fixtures::HeaderSpec h;
    h.modeLine = modeLine;
    fixtures::DownloadFileBuilder f;
    f.AtLines("Site north gate", "Note one", "Note two").Header(h);
    f = Records(f, 57, compact);
    f.J57Trailer("09Mar2003", "14:05:30", "0.0");
    f.R(220, "end of setup");
    return f.End();
}

}  // namespace tessdec_test
