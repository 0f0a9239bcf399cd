#include "OutputRecordBuilder.h"

#include <cstring>

namespace testsupport {

OutputRecordBuilder& OutputRecordBuilder::U8(size_t offset, int value)
{
    m_bytes.at(offset) = static_cast<uint8_t>(value);
    return *this;
}

OutputRecordBuilder& OutputRecordBuilder::U16(size_t offset, int value)
{
    uint16_t v = static_cast<uint16_t>(value);
    std::memcpy(&m_bytes.at(offset + 1) - 1, &v, 2);
    return *this;
}

OutputRecordBuilder& OutputRecordBuilder::U32(size_t offset, uint32_t value)
{
    std::memcpy(&m_bytes.at(offset + 3) - 3, &value, 4);
    return *this;
}

OutputRecordBuilder& OutputRecordBuilder::F32(size_t offset, float value)
{
    std::memcpy(&m_bytes.at(offset + 3) - 3, &value, 4);
    return *this;
}

OutputRecordBuilder& OutputRecordBuilder::Floats(size_t offset, std::initializer_list<float> values)
{
    for (float v : values) {
        F32(offset, v);
        offset += 4;
    }
    return *this;
}

OutputRecordBuilder& OutputRecordBuilder::FloatRamp(size_t offset, size_t count, float first, float step)
{
    for (size_t i = 0; i < count; ++i)
        F32(offset + 4 * i, first + step * static_cast<float>(i));
    return *this;
}

OutputRecordBuilder& OutputRecordBuilder::BeCount(size_t offset, size_t width, uint32_t value)
{
    for (size_t i = 0; i < width; ++i)
        m_bytes.at(offset + i) = static_cast<uint8_t>(value >> (8 * (width - 1 - i)));
    return *this;
}

OutputRecordBuilder& OutputRecordBuilder::Text(size_t offset, const std::string& text)
{
    for (size_t i = 0; i < text.size(); ++i)
        m_bytes.at(offset + i) = static_cast<uint8_t>(text[i]);
    return *this;
}

}  // namespace testsupport
