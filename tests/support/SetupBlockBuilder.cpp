#include "SetupBlockBuilder.h"

#include <algorithm>

#include "GFCrc16.h"
#include "SetupFile.h"

namespace testsupport {

SetupBlockBuilder::SetupBlockBuilder(size_t size) : m_bytes(size, 0) {}

SetupBlockBuilder& SetupBlockBuilder::Version(int version)
{
    return Byte(SetupBlock::kVersion, version);
}

SetupBlockBuilder& SetupBlockBuilder::Name(const std::string& name)
{
    return Text(SetupBlock::kName, SetupBlock::kNameLength, name);
}

SetupBlockBuilder& SetupBlockBuilder::Title(const std::string& title)
{
    return Text(SetupBlock::kTitle, SetupBlock::kTitleLength, title);
}

SetupBlockBuilder& SetupBlockBuilder::Mode(int modeNumber)
{
    return Byte(SetupBlock::kMode, modeNumber);
}

SetupBlockBuilder& SetupBlockBuilder::Byte(size_t offset, int value)
{
    m_bytes.at(offset) = static_cast<uint8_t>(value);
    return *this;
}

SetupBlockBuilder& SetupBlockBuilder::Bit(size_t offset, int bit, bool on)
{
    auto mask = static_cast<uint8_t>(1u << bit);
    if (on)
        m_bytes.at(offset) |= mask;
    else
        m_bytes.at(offset) &= static_cast<uint8_t>(~mask);
    return *this;
}

SetupBlockBuilder& SetupBlockBuilder::Be16(size_t offset, int value)
{
    Byte(offset, (value >> 8) & 0xFF);
    return Byte(offset + 1, value & 0xFF);
}

SetupBlockBuilder& SetupBlockBuilder::Fixed88(size_t offset, int whole, int fraction256)
{
    Byte(offset, whole);
    return Byte(offset + 1, fraction256);
}

SetupBlockBuilder& SetupBlockBuilder::Text(size_t offset, size_t length, const std::string& text)
{
    for (size_t i = 0; i < length; ++i)
        Byte(offset + i, i < text.size() ? static_cast<uint8_t>(text[i]) : ' ');
    return *this;
}

SetupBlockBuilder& SetupBlockBuilder::Pattern(size_t from, size_t to, int seed)
{
    for (size_t i = from; i < to && i < m_bytes.size(); ++i)
        m_bytes[i] = static_cast<uint8_t>(i + static_cast<size_t>(seed));
    return *this;
}

SetupFileBuilder::SetupFileBuilder(std::vector<uint8_t> block) : m_block(std::move(block)) {}

SetupFileBuilder& SetupFileBuilder::Key(const std::string& key)
{
    m_key = key;
    return *this;
}

SetupFileBuilder& SetupFileBuilder::WithoutMarker()
{
    m_marker = false;
    return *this;
}

SetupFileBuilder& SetupFileBuilder::Crc(uint16_t crc)
{
    m_crc = crc;
    return *this;
}

SetupFileBuilder& SetupFileBuilder::FlipBodyByte(size_t offset)
{
    m_flips.push_back(offset);
    return *this;
}

SetupFileBuilder& SetupFileBuilder::TruncateTo(size_t length)
{
    m_length = length;
    return *this;
}

std::vector<uint8_t> SetupFileBuilder::Build() const
{
    std::vector<uint8_t> body(SetupFile::kBodySize, 0);
    std::copy_n(m_block.begin(), std::min(m_block.size(), SetupFile::kBodySize), body.begin());
    uint16_t crc = m_crc.value_or(GFCrc16::CalculateBlock(body.data(), body.size(), 0));
    for (size_t offset : m_flips)
        body.at(offset) ^= 0xFF;

    std::vector<uint8_t> file(m_key.begin(), m_key.end());
    if (m_marker)
        file.push_back(SetupFile::kMarker);
    file.push_back(static_cast<uint8_t>(crc & 0xFF));
    file.push_back(static_cast<uint8_t>(crc >> 8));
    file.insert(file.end(), body.begin(), body.end());
    if (m_length)
        file.resize(std::min(*m_length, file.size()));
    return file;
}

std::string SetupFileBuilder::BuildString() const
{
    std::vector<uint8_t> bytes = Build();
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace testsupport
