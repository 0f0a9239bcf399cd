#pragma once
// Raw setup blocks and setup files for tests, built field by field from the
// instrument's byte layout.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "SetupBlock.h"

namespace testsupport {

class SetupBlockBuilder {
public:
    // A zero block of the given size (SetupBlock::kMeasurementSize, kRtaSize,
    // kObaSize or kSystemSize).
    explicit SetupBlockBuilder(size_t size = SetupBlock::kMeasurementSize);

    // The fields of the header every measurement block and the OBA block
    // begin with; the texts blank padded.
    SetupBlockBuilder& Version(int version);
    SetupBlockBuilder& Name(const std::string& name);
    SetupBlockBuilder& Title(const std::string& title);
    SetupBlockBuilder& Mode(int modeNumber);
    SetupBlockBuilder& Byte(size_t offset, int value);
    SetupBlockBuilder& Bit(size_t offset, int bit, bool on = true);
    SetupBlockBuilder& Be16(size_t offset, int value);  // high byte first
    SetupBlockBuilder& Fixed88(size_t offset, int whole, int fraction256);
    SetupBlockBuilder& Text(size_t offset, size_t length, const std::string& text);
    // Every byte from offset to the end set to value, offset + i + seed for
    // a pattern that shows moved or cleared bytes.
    SetupBlockBuilder& Pattern(size_t from, size_t to, int seed);

    const std::vector<uint8_t>& Bytes() const { return m_bytes; }

private:
    std::vector<uint8_t> m_bytes;
};

// A setup file: key, marker, CRC16 of the body (low byte first), body. Each
// part can be spoiled for the refusal cases.
class SetupFileBuilder {
public:
    explicit SetupFileBuilder(std::vector<uint8_t> block);

    SetupFileBuilder& Key(const std::string& key);      // any length
    SetupFileBuilder& WithoutMarker();                  // key runs into the CRC
    SetupFileBuilder& Crc(uint16_t crc);                // a wrong CRC
    SetupFileBuilder& FlipBodyByte(size_t offset);      // after the CRC was taken
    SetupFileBuilder& TruncateTo(size_t length);

    std::vector<uint8_t> Build() const;
    std::string BuildString() const;

private:
    std::vector<uint8_t> m_block;
    std::string m_key = "CVJ57SetupSsa";
    bool m_marker = true;
    std::optional<uint16_t> m_crc;
    std::vector<size_t> m_flips;
    std::optional<size_t> m_length;
};

}  // namespace testsupport
