#include "GFCrc16.h"

#include <array>

namespace {
constexpr std::array<uint16_t, 256> MakeTable()
{
    std::array<uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        uint16_t crc = static_cast<uint16_t>(i << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<uint16_t>((crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1);
        table[i] = crc;
    }
    return table;
}
constexpr auto kTable = MakeTable();
}  // namespace

uint16_t GFCrc16::CalculateBlock(const void* data, size_t length, uint16_t initial)
{
    const auto* p = static_cast<const uint8_t*>(data);
    uint16_t crc = initial;
    for (size_t i = 0; i < length; ++i)
        crc = static_cast<uint16_t>((crc << 8) ^ kTable[((crc >> 8) ^ p[i]) & 0xFF]);
    return crc;
}
