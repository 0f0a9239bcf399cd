#pragma once
// The PC form of one setup: a 13-byte key naming model and mode, the byte
// 0x1A, the CRC16 of the body (low byte first) and a 520-byte body holding the
// raw block padded with zeros; 536 bytes in all. Readers never compare the
// key: they look for the first 0x1A and take what follows as CRC and body.
#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace SetupFile {
constexpr size_t kKeyLength = 13;
constexpr uint8_t kMarker = 0x1A;
constexpr size_t kCrcLength = 2;
constexpr size_t kBodySize = 520;
constexpr size_t kFileSize = kKeyLength + 1 + kCrcLength + kBodySize;  // 536
// How much the readers take from a file to find the marker.
constexpr size_t kReadSize = 540;

// The whole file for a block: the key (cut or blank padded to 13 bytes), the
// marker, the CRC and the zero-padded body. A block longer than the body is
// cut to it.
std::vector<uint8_t> Build(const std::string& key, const uint8_t* block, size_t blockSize);

// CRC16 of a body, initial value 0.
uint16_t BodyCrc(const uint8_t* body);

// Reads up to kReadSize bytes from where in stands; the stream is left
// readable (its error flags cleared) for the next look.
std::vector<uint8_t> ReadUpTo(std::istream& in);
// The same from the start of in.
std::vector<uint8_t> ReadHead(std::istream& in);

// Position of the first marker among bytes; nullopt when there is none.
std::optional<size_t> FindMarker(const std::vector<uint8_t>& bytes);
// Position of the body when the CRC bytes and the whole body lie within
// bytes; nullopt otherwise.
std::optional<size_t> FindWholeBody(const std::vector<uint8_t>& bytes);
}  // namespace SetupFile
