#pragma once
// One entry of the instrument's setup directory: the 48 bytes of the
// directory record the program keeps, the setup block once fetched, and the
// entry name.
#include <array>
#include <cstdint>
#include <string>

class IDJ46DirRec {
public:
    static constexpr size_t kRecordSize = 53;  // as the instrument sends it
    static constexpr size_t kKept = 48;        // record bytes 3 to 50
    static constexpr size_t kBlockSize = 513;
    static constexpr size_t kNameLength = 12;

    IDJ46DirRec();  // a record of blanks
    // From a whole 53-byte directory record.
    explicit IDJ46DirRec(const uint8_t* record);

    // The setup file name: the first 12 kept bytes, trailing blanks removed.
    const std::string& GetName();
    // 'P' at record offset 47: protected (permanent); 'R' at 48: locked;
    // 'A' at 49: the active setup.
    bool IsProtected() const { return record_[47 - 3] == 'P'; }
    bool IsLocked() const { return record_[48 - 3] == 'R'; }
    bool IsActive() const { return record_[49 - 3] == 'A'; }

    const std::array<uint8_t, kKept>& Record() const { return record_; }
    std::array<uint8_t, kBlockSize>& Block() { return block_; }
    // A block is loaded once its name byte is set.
    bool HasBlock() const { return block_[1] != 0; }

private:
    std::array<uint8_t, kKept> record_;
    std::array<uint8_t, kBlockSize> block_{};
    std::string name_;
};
