#pragma once
// A setup with the shared header of the measurement and OBA blocks (format
// version, name, title, lock flag) and a setup file form of its own.
#include <istream>
#include <ostream>
#include <string>

#include "SetupObject.h"

class NamedSetup : public SetupObject {
public:
    // The 13-character key of the class's setup file.
    virtual const char* FileKey() const = 0;

    // Byte 0, the block's format version.
    int GetVersion() const { return Byte(0); }

    // Name (bytes 1-8): at most 8 characters, blank filled.
    void SetName(const std::string& name);
    // The name as stored, up to a zero byte, blanks kept; also cached.
    const std::string& GetNameText();
    // Title (bytes 9-38): at most 30 characters, blank filled.
    void SetTitle(const std::string& title);
    // The title without trailing blanks; also cached.
    const std::string& GetTitle();

    // Byte 40 bit 7: the setup is locked in the instrument.
    void SetLocked(int locked);
    void SetHeaderFlag(int locked) { SetLocked(locked); }
    int IsLocked() const { return Flag(40, 0x80); }

    // Writes the setup file form (536 bytes). False without a block or when
    // the stream fails.
    bool Serialize(std::ostream& out) const;
    // Loads the block from a stream that stands at its first byte (the body of
    // a setup file or a block from the instrument).
    void Serialize(std::istream& in);

    // The whole setup file form; empty without a block.
    std::vector<uint8_t> FileBytes() const;

protected:
    NamedSetup() = default;
    NamedSetup(const NamedSetup&) = default;
    NamedSetup& operator=(const NamedSetup&) = default;

    void AfterLoad() override;
    // Brings a block of an older format up to date; called on every load
    // before the texts are rebuilt.
    virtual void UpgradeOldBlock() {}

    std::string m_name;
    std::string m_title;
};
