#pragma once
// Output records of the translation library for tests: a zeroed record of
// the library's size whose fields are written little-endian at the offsets
// the data model names (KeptRecordFields.h, StreamedRecordFields.h).
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "Translator.h"

namespace testsupport {

class OutputRecordBuilder {
public:
    static constexpr size_t kSize = TranslatorCodes::kRecordSize;
    // The output kind: the first 16-bit field, as RecordView::Kind reads it.
    static constexpr size_t kKind = 0;
    explicit OutputRecordBuilder(int kind) : m_bytes(kSize, 0) { U16(kKind, kind); }

    OutputRecordBuilder& U8(size_t offset, int value);
    OutputRecordBuilder& U16(size_t offset, int value);
    OutputRecordBuilder& I16(size_t offset, int value) { return U16(offset, value & 0xFFFF); }
    OutputRecordBuilder& U32(size_t offset, uint32_t value);
    OutputRecordBuilder& F32(size_t offset, float value);
    OutputRecordBuilder& Floats(size_t offset, std::initializer_list<float> values);
    // count floats: first, first + step, ...
    OutputRecordBuilder& FloatRamp(size_t offset, size_t count, float first, float step);
    // Big-endian counts of width 3 (interval and day bins) or 4 (histograms).
    OutputRecordBuilder& BeCount(size_t offset, size_t width, uint32_t value);
    OutputRecordBuilder& Text(size_t offset, const std::string& text);

    const std::vector<uint8_t>& Bytes() const { return m_bytes; }

private:
    std::vector<uint8_t> m_bytes;
};

}  // namespace testsupport
