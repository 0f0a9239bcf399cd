#pragma once
// Builds download files (".slmdl") for the tests from their layout: "@" lines,
// the text header, binary records with big-endian lengths, streams and runs,
// "Q", "R" and "E" lines, the J57 trailer and the end byte. It encodes every
// field itself and never calls the library's decoders.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fixtures {

// A record body, field by field (numbers high byte first, as the instrument
// writes them).
class BodyBuilder {
public:
    BodyBuilder& U8(unsigned v);
    BodyBuilder& U16(unsigned v);
    BodyBuilder& U24(unsigned long v);
    BodyBuilder& Bcd(unsigned v);  // 0 to 99 as packed BCD
    BodyBuilder& BcdDate(int day, int month, int yearTwoDigits);
    BodyBuilder& BcdTime(int hour, int minute, int second);
    BodyBuilder& Fix88(double v);  // whole byte, then 1/256 fraction byte
    BodyBuilder& Text(const std::string& s, size_t width);  // zero-padded or cut
    BodyBuilder& Zeros(size_t n);
    BodyBuilder& Raw(const std::string& bytes);
    // Sets the byte at pos (0-based), growing the body with zeros as needed.
    BodyBuilder& Set(size_t pos, unsigned v);
    // Writes the text zero-padded or cut to width from pos on, growing the
    // body with zeros as needed.
    BodyBuilder& SetText(size_t pos, const std::string& s, size_t width);
    // Grows the body with zeros to n bytes.
    BodyBuilder& PadTo(size_t n);

    const std::string& Bytes() const { return bytes_; }
    size_t Size() const { return bytes_.size(); }

private:
    std::string bytes_;
};

// Model number as header line 2 writes it: three digits.
std::string ModelDigits(int model);

struct HeaderSpec {
    std::string line1 = "L Morvek-Audio download";
    int model = 57;
    std::string serial = "A1234";
    std::string firmware = "3.116";
    std::string line4 = "Meter J57";
    std::string date = "09Mar2003";  // header line 5, characters 11 to 19
    std::string time = "14:05:30";   // characters 21 to 28
    std::string modeLine = "SSA";    // line 6 of J46 and J57 files
};

class DownloadFileBuilder {
public:
    // A text line with CR LF.
    DownloadFileBuilder& Line(const std::string& text);
    DownloadFileBuilder& AtLines(const std::string& location, const std::string& note1, const std::string& note2);
    DownloadFileBuilder& Header(const HeaderSpec& h);
    // Type byte, 2-byte big-endian length, body.
    DownloadFileBuilder& Record(unsigned type, const std::string& body);
    DownloadFileBuilder& Record(unsigned type, const BodyBuilder& body) { return Record(type, body.Bytes()); }
    // Type byte and the stream's bytes (its entries and its end byte).
    DownloadFileBuilder& Stream(unsigned type, const std::string& entries);
    // Type byte, block length, blocks, and the zero byte that ends the run.
    DownloadFileBuilder& Run(unsigned type, unsigned blockLength, const std::vector<std::string>& blocks);
    DownloadFileBuilder& Q(int number, const std::string& value);
    DownloadFileBuilder& R(int number, const std::string& value);
    DownloadFileBuilder& E(const std::string& text, const std::string& next);
    // "R  1,Morvek-Audio Model J57", R 6 with the start, R 106 with the offset.
    DownloadFileBuilder& J57Trailer(const std::string& date, const std::string& time, const std::string& levelOffset);
    DownloadFileBuilder& Raw(const std::string& bytes);
    DownloadFileBuilder& Byte(unsigned v);
    DownloadFileBuilder& End() { return Byte(0); }

    const std::string& Bytes() const { return bytes_; }
    size_t Size() const { return bytes_.size(); }

private:
    std::string bytes_;
};

// A folder in the system temporary folder, removed with its files.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    // Writes bytes to a file of that name in the folder; returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const;

private:
    std::string path_;
};

}  // namespace fixtures
