#include "DownloadFileBuilder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "platform/Files.h"

namespace fixtures {

namespace {
// The text zero-padded or cut to width.
std::string Padded(const std::string& s, size_t width) {
    std::string t = s.substr(0, width);
    t.resize(width, '\0');
    return t;
}
}  // namespace

BodyBuilder& BodyBuilder::U8(unsigned v) {
    bytes_ += static_cast<char>(v & 0xFF);
    return *this;
}
BodyBuilder& BodyBuilder::U16(unsigned v) { return U8(v >> 8).U8(v); }
BodyBuilder& BodyBuilder::U24(unsigned long v) { return U8(static_cast<unsigned>(v >> 16)).U8(static_cast<unsigned>(v >> 8)).U8(static_cast<unsigned>(v)); }
BodyBuilder& BodyBuilder::Bcd(unsigned v) { return U8(((v / 10) % 10) << 4 | (v % 10)); }
BodyBuilder& BodyBuilder::BcdDate(int day, int month, int yy) { return Bcd(day).Bcd(month).Bcd(yy); }
BodyBuilder& BodyBuilder::BcdTime(int hour, int minute, int second) { return Bcd(hour).Bcd(minute).Bcd(second); }
BodyBuilder& BodyBuilder::Fix88(double v) {
    const long scaled = static_cast<long>(v * 256.0 + (v < 0 ? -0.5 : 0.5));
    return U16(static_cast<unsigned>(scaled) & 0xFFFF);
}
BodyBuilder& BodyBuilder::Text(const std::string& s, size_t width) {
    bytes_ += Padded(s, width);
    return *this;
}
BodyBuilder& BodyBuilder::Zeros(size_t n) {
    bytes_.append(n, '\0');
    return *this;
}
BodyBuilder& BodyBuilder::Raw(const std::string& bytes) {
    bytes_ += bytes;
    return *this;
}
BodyBuilder& BodyBuilder::Set(size_t pos, unsigned v) {
    PadTo(pos + 1);
    bytes_[pos] = static_cast<char>(v & 0xFF);
    return *this;
}
BodyBuilder& BodyBuilder::SetText(size_t pos, const std::string& s, size_t width) {
    PadTo(pos + width);
    bytes_.replace(pos, width, Padded(s, width));
    return *this;
}
BodyBuilder& BodyBuilder::PadTo(size_t n) {
    if (bytes_.size() < n) bytes_.resize(n, '\0');
    return *this;
}

std::string ModelDigits(int model) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%03d", model);
    return buf;
}

DownloadFileBuilder& DownloadFileBuilder::Line(const std::string& text) {
    bytes_ += text + "\r\n";
    return *this;
}

DownloadFileBuilder& DownloadFileBuilder::AtLines(const std::string& location, const std::string& note1,
                                                  const std::string& note2) {
    return Line("@" + location).Line("@" + note1).Line("@" + note2);
}

DownloadFileBuilder& DownloadFileBuilder::Header(const HeaderSpec& h) {
    // The start date begins at character 11 of line 5, the time at 21.
    constexpr size_t kStartDateColumn = 10;
    std::string line5 = "Start:";
    line5.resize(kStartDateColumn, ' ');
    line5 += h.date + " " + h.time;
    Line(h.line1).Line(ModelDigits(h.model) + h.serial).Line(h.firmware).Line(h.line4).Line(line5);
    if (h.model == 46 || h.model == 57) return Line(h.modeLine).Line("Setup").Line("Data");
    return Line("Data");
}

DownloadFileBuilder& DownloadFileBuilder::Record(unsigned type, const std::string& body) {
    Byte(type).Byte(static_cast<unsigned>(body.size() >> 8)).Byte(static_cast<unsigned>(body.size()));
    bytes_ += body;
    return *this;
}

DownloadFileBuilder& DownloadFileBuilder::Stream(unsigned type, const std::string& entries) {
    Byte(type);
    bytes_ += entries;
    return *this;
}

DownloadFileBuilder& DownloadFileBuilder::Run(unsigned type, unsigned blockLength, const std::vector<std::string>& blocks) {
    Byte(type).Byte(blockLength);
    for (const std::string& b : blocks) {
        if (b.size() != blockLength || b.empty() || b[0] == '\0') throw std::invalid_argument("run block");
        bytes_ += b;
    }
    return Byte(0);
}

namespace {
std::string NumberedLine(char letter, int number, const std::string& value) {
    char head[16];
    std::snprintf(head, sizeof head, "%c%3d,", letter, number);
    return head + value;
}
}  // namespace

DownloadFileBuilder& DownloadFileBuilder::Q(int number, const std::string& value) { return Line(NumberedLine('Q', number, value)); }
DownloadFileBuilder& DownloadFileBuilder::R(int number, const std::string& value) { return Line(NumberedLine('R', number, value)); }
DownloadFileBuilder& DownloadFileBuilder::E(const std::string& text, const std::string& next) { return Line("E" + text).Line(next); }

DownloadFileBuilder& DownloadFileBuilder::J57Trailer(const std::string& date, const std::string& time,
                                                     const std::string& levelOffset) {
    // The setup lines of the model, the start and the level offset.
    constexpr int kModelLine = 1, kStartLine = 6, kLevelOffsetLine = 106;
    R(kModelLine, "Morvek-Audio Model J57");
    if (!date.empty()) R(kStartLine, date + " " + time);
    if (!levelOffset.empty()) R(kLevelOffsetLine, levelOffset);
    return *this;
}

DownloadFileBuilder& DownloadFileBuilder::Raw(const std::string& bytes) {
    bytes_ += bytes;
    return *this;
}

DownloadFileBuilder& DownloadFileBuilder::Byte(unsigned v) {
    bytes_ += static_cast<char>(v & 0xFF);
    return *this;
}

TempFolder::TempFolder() {
    std::string pattern = platform::TempDir() + "/tessavo-test-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string TempFolder::Write(const std::string& name, const std::string& bytes) const {
    const std::string path = path_ + "/" + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
    return path;
}

}  // namespace fixtures
