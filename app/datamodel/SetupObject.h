#pragma once
// Base of every setup class: the owned copy of one raw block of the
// instrument, and safe access to its bytes and bits. A default-made object has
// no block: its getters give 0 and its setters change nothing. A copy is a deep
// copy; no two objects share a block.
#include <cstddef>
#include <cstdint>
#include <vector>

class SetupObject {
public:
    virtual ~SetupObject() = default;

    // The size of the class's block.
    virtual size_t BlockSize() const = 0;

    bool HasBlock() const { return !m_block.empty(); }
    // The block for sending it to the instrument; null without a block. The
    // caller does not hold on to it.
    uint8_t* GetSetupBlock() { return HasBlock() ? m_block.data() : nullptr; }
    const uint8_t* GetSetupBlock() const { return HasBlock() ? m_block.data() : nullptr; }

    // Takes a block received from the instrument or read from a file: a new
    // block of the class's size with the given bytes at its start (zeros where
    // fewer were given). Nothing happens when count is 0.
    void Load(const uint8_t* data, size_t count);

    // Masks the bits of target: set when on is not 0, else cleared. The
    // time-history pages use it on the item bytes of a block.
    static void SetMaskBits(uint8_t mask, int on, uint8_t* target);

protected:
    SetupObject() = default;
    SetupObject(const SetupObject&) = default;
    SetupObject& operator=(const SetupObject&) = default;

    // Called after Load has taken new bytes.
    virtual void AfterLoad() {}

    // Field access; out-of-block fields read 0 and write nothing.
    const uint8_t* Field(size_t offset, size_t length) const;
    uint8_t* Field(size_t offset, size_t length);
    int Byte(size_t offset) const;
    void SetByte(size_t offset, int value);  // the low byte of value
    // The masked bits as 0 or 1, or as their own value.
    int Flag(size_t offset, uint8_t mask) const;
    int MaskedBits(size_t offset, uint8_t mask) const;
    // Sets the bits when set is true, clears them otherwise.
    void SetBits(size_t offset, uint8_t mask, bool set);
    // The common flag setter: set for an argument whose low byte is 1.
    void SetFlagIfOne(size_t offset, uint8_t mask, int value);
    void SetFlagIfNonZero(size_t offset, uint8_t mask, int value);

    // A choice byte: the stored byte when below limit, else fallback.
    int Choice(size_t offset, int limit, int fallback) const;
    // Stores the low byte of value when it lies in 0 to max, else fallback;
    // a negative fallback leaves the byte unchanged.
    void SetChoice(size_t offset, int value, int max, int fallback);
    // Hours, minutes or seconds: the byte when at most max, else 0.
    int Clock(size_t offset, int max) const { return Choice(offset, max + 1, 0); }
    void SetBytes3(size_t offset, int first, int second, int third);

    // Typed fields in the encodings of the setup blocks (SetupBlock.h).
    float Level(size_t offset) const;
    void SetLevel(size_t offset, double value);
    float Time24(size_t offset) const;  // rounded to 0.0025 s
    void SetTime24(size_t offset, double seconds);
    int Count16(size_t offset) const;
    void SetCount16(size_t offset, int value);
    void Date(size_t offset, int& year, int& month, int& day) const;
    void SetDate(size_t offset, int year, int month, int day);
    void TimeOfDay(size_t offset, int& hour, int& minute) const;
    void SetTimeOfDay(size_t offset, int hour, int minute);

    std::vector<uint8_t> m_block;
};
