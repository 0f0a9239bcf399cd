#include "SetupObject.h"

#include <algorithm>
#include <cstring>

#include "SetupBlock.h"

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

int SetupObject::Choice(size_t offset, int limit, int fallback) const
{
    int value = Byte(offset);
    return value < limit ? value : fallback;
}

void SetupObject::SetChoice(size_t offset, int value, int max, int fallback)
{
    if (value >= 0 && value <= max)
        SetByte(offset, value);
    else if (fallback >= 0)
        SetByte(offset, fallback);
}

void SetupObject::SetBytes3(size_t offset, int first, int second, int third)
{
    SetByte(offset, first);
    SetByte(offset + 1, second);
    SetByte(offset + 2, third);
}

float SetupObject::Level(size_t offset) const
{
    const uint8_t* p = Field(offset, 2);
    return p ? static_cast<float>(SetupBlock::Get88(p)) : 0.0f;
}

void SetupObject::SetLevel(size_t offset, double value)
{
    if (uint8_t* p = Field(offset, 2))
        SetupBlock::Set88(p, value);
}

float SetupObject::Time24(size_t offset) const
{
    const uint8_t* p = Field(offset, 3);
    return p ? static_cast<float>(SetupBlock::RoundToRtaTimeStep(SetupBlock::Get24(p))) : 0.0f;
}

void SetupObject::SetTime24(size_t offset, double seconds)
{
    if (uint8_t* p = Field(offset, 3))
        SetupBlock::Set24(p, seconds);
}

int SetupObject::Count16(size_t offset) const
{
    const uint8_t* p = Field(offset, 2);
    return p ? SetupBlock::GetBe16(p) : 0;
}

void SetupObject::SetCount16(size_t offset, int value)
{
    if (uint8_t* p = Field(offset, 2))
        SetupBlock::SetBe16(p, value);
}

void SetupObject::Date(size_t offset, int& year, int& month, int& day) const
{
    year = month = day = 0;
    if (const uint8_t* p = Field(offset, 3))
        SetupBlock::GetBcdDate(p, year, month, day);
}

void SetupObject::SetDate(size_t offset, int year, int month, int day)
{
    if (uint8_t* p = Field(offset, 3))
        SetupBlock::SetBcdDate(p, year, month, day);
}

void SetupObject::TimeOfDay(size_t offset, int& hour, int& minute) const
{
    hour = minute = 0;
    if (const uint8_t* p = Field(offset, 2))
        SetupBlock::GetBcdTime(p, hour, minute);
}

void SetupObject::SetTimeOfDay(size_t offset, int hour, int minute)
{
    if (uint8_t* p = Field(offset, 2))
        SetupBlock::SetBcdTime(p, hour, minute);
}
