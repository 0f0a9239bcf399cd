#pragma once
// Read access to one output record of the translation library (6164 bytes,
// little-endian fields at fixed positions) or to a kept copy of one. Every
// read checks the record's length: a field past the end reads as 0, so a
// short or missing record never leads to a read outside it.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

class RecordView {
public:
    RecordView() = default;
    RecordView(const uint8_t* data, size_t size) : m_data(data), m_size(data ? size : 0) {}

    bool IsEmpty() const { return m_size == 0; }
    const uint8_t* Data() const { return m_data; }
    size_t Size() const { return m_size; }

    // The output kind: the first 16-bit field.
    int Kind() const { return U16(0); }

    uint8_t U8(size_t offset) const { return Fits(offset, 1) ? m_data[offset] : 0; }
    uint16_t U16(size_t offset) const { return Read<uint16_t>(offset); }
    int16_t I16(size_t offset) const { return Read<int16_t>(offset); }
    uint32_t U32(size_t offset) const { return Read<uint32_t>(offset); }
    int32_t I32(size_t offset) const { return Read<int32_t>(offset); }
    float F32(size_t offset) const { return Read<float>(offset); }

    // count floats from offset into out (zeros past the end).
    void Floats(size_t offset, float* out, size_t count) const
    {
        if (count <= m_size / 4 && Fits(offset, 4 * count)) {
            std::memcpy(out, m_data + offset, 4 * count);
            return;
        }
        for (size_t i = 0; i < count; ++i)
            out[i] = F32(offset + 4 * i);
    }
    // A zero-terminated text of at most maxLength characters.
    std::string Text(size_t offset, size_t maxLength) const
    {
        std::string text;
        for (size_t i = 0; i < maxLength && Fits(offset + i, 1) && m_data[offset + i] != 0; ++i)
            text += static_cast<char>(m_data[offset + i]);
        return text;
    }

private:
    bool Fits(size_t offset, size_t length) const { return offset <= m_size && length <= m_size - offset; }
    template <class T>
    T Read(size_t offset) const
    {
        T value{};
        if (Fits(offset, sizeof(T)))
            std::memcpy(&value, m_data + offset, sizeof(T));
        return value;
    }

    const uint8_t* m_data = nullptr;
    size_t m_size = 0;
};

// The 128 one-dB bins of an interval or day histogram, present when the
// byte before them is not zero: three bytes each, high byte first.
class BinCounts {
public:
    void Read(const RecordView& record, size_t presentOffset)
    {
        m_present = record.U8(presentOffset) != 0;
        if (!m_present)
            return;
        for (size_t i = 0; i < 128; ++i) {
            size_t at = presentOffset + 1 + 3 * i;
            m_bins[i] = (static_cast<uint32_t>(record.U8(at)) << 16) |
                        (static_cast<uint32_t>(record.U8(at + 1)) << 8) | record.U8(at + 2);
        }
    }
    bool IsPresent() const { return m_present; }
    // Bin 0 to 127; 0 beyond.
    uint32_t Get(int i) const { return (i >= 0 && i < 128) ? m_bins[i] : 0; }

private:
    bool m_present = false;
    uint32_t m_bins[128] = {};
};

// A float array getter: 0.0 past the end.
template <size_t N>
float At(const float (&values)[N], int index)
{
    return (index >= 0 && static_cast<size_t>(index) < N) ? values[index] : 0.0f;
}
