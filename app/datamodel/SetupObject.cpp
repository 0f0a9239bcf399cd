#include "SetupObject.h"

#include <algorithm>
#include <cstring>

void SetupObject::Load(const uint8_t* data, size_t count)
{
    if (count == 0 || data == nullptr)
        return;
    m_block.assign(BlockSize(), 0);
    std::memcpy(m_block.data(), data, std::min(count, m_block.size()));
    AfterLoad();
}

void SetupObject::SetMaskBits(uint8_t mask, int on, uint8_t* target)
{
    if (target == nullptr)
        return;
    if (on != 0)
        *target |= mask;
    else
        *target &= static_cast<uint8_t>(~mask);
}

const uint8_t* SetupObject::Field(size_t offset, size_t length) const
{
    if (offset + length > m_block.size())
        return nullptr;
    return m_block.data() + offset;
}

uint8_t* SetupObject::Field(size_t offset, size_t length)
{
    if (offset + length > m_block.size())
        return nullptr;
    return m_block.data() + offset;
}

int SetupObject::Byte(size_t offset) const
{
    const uint8_t* p = Field(offset, 1);
    return p ? *p : 0;
}

void SetupObject::SetByte(size_t offset, int value)
{
    if (uint8_t* p = Field(offset, 1))
        *p = static_cast<uint8_t>(value & 0xFF);
}

int SetupObject::Flag(size_t offset, uint8_t mask) const
{
    return (Byte(offset) & mask) != 0 ? 1 : 0;
}

int SetupObject::MaskedBits(size_t offset, uint8_t mask) const
{
    return Byte(offset) & mask;
}

void SetupObject::SetBits(size_t offset, uint8_t mask, bool set)
{
    if (uint8_t* p = Field(offset, 1))
        SetMaskBits(mask, set ? 1 : 0, p);
}

void SetupObject::SetFlagIfOne(size_t offset, uint8_t mask, int value)
{
    SetBits(offset, mask, (value & 0xFF) == 1);
}

void SetupObject::SetFlagIfNonZero(size_t offset, uint8_t mask, int value)
{
    SetBits(offset, mask, value != 0);
}
