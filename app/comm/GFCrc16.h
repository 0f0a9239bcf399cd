#pragma once
// CRC16 of the instrument's block transfers and setup files: polynomial
// 0x1021, high bit first, no final XOR, initial value as the caller gives.
// The check value of "123456789" from 0 is 0x31C3.
#include <cstddef>
#include <cstdint>

class GFCrc16 {
public:
    static uint16_t CalculateBlock(const void* data, size_t length, uint16_t initial = 0);
};
