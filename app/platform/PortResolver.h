#pragma once
// Serial port names of the instrument's world ("COM1" to "COM9") mapped to
// device paths. The profile section "Ports" may name another device for a
// port ("COM1=/dev/ttyUSB0"), so that a USB adapter or a pseudo-terminal can
// stand in for it.
#include <string>

#include "Profile.h"

namespace platform {

class PortResolver {
public:
    explicit PortResolver(const Profile& profile) : profile_(profile) {}
    // "COMn" (n 1 to 99) → the profile's device, else /dev/ttyS<n-1>; a name
    // that is already a path is returned as it is; anything else → "".
    std::string Resolve(const std::string& name) const;
    // The name of port number n (1 = "COM1").
    static std::string PortName(int number) { return "COM" + std::to_string(number); }

private:
    const Profile& profile_;
};

}  // namespace platform
