#pragma once
// The Qt side of the platform layer.
#include <string>
#include <vector>

#include <QString>

#include "Files.h"

namespace platform {

// Installs the Qt services as the program's: profile, prompter, pump hook,
// wait cursor, "open". The objects live until the program ends.
void InstallQtPlatform();
// The part of it that keeps the window alive while the program waits on the
// instrument: the pump hook and the wait cursor.
void InstallQtPump();

// Windows-1252 bytes to a QString and back (characters outside it become '?').
QString FromAnsi(const std::string& bytes);
std::string ToAnsi(const QString& text);

// "/" and the mounted volumes, as QStorageInfo sees them.
class QtDriveLister : public DriveLister {
public:
    std::vector<std::string> Drives() override;
};

}  // namespace platform
