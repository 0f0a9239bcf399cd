#pragma once
// The instrument's system settings over the 226-byte block. They travel only
// between the program and the instrument: never to a setup file.
#include <istream>
#include <ostream>
#include <string>

#include "SetupObject.h"

class SYSSetup : public SetupObject {
public:
    SYSSetup() = default;
    SYSSetup(const SYSSetup&) = default;
    SYSSetup& operator=(const SYSSetup&) = default;

    size_t BlockSize() const override { return 226; }

    // Loads the block from a stream that stands at its first byte.
    void Serialize(std::istream& in);
    // The system settings are never written to a file: writes nothing.
    bool Serialize(std::ostream&) const { return false; }

    // The serial number (bytes 9-13) as taken when the block was loaded.
    const std::string& GetSerialNumber() const { return m_serialNumber; }

protected:
    void AfterLoad() override;

private:
    std::string m_serialNumber;
};
