#pragma once
// Temporary files, whole-file writes, "open" with the registered program and
// the list of places to browse.
#include <string>
#include <vector>

namespace platform {

// The system temporary folder (TMPDIR or /tmp), without a trailing slash.
std::string TempDir();
// Creates an empty file with a unique name in the temporary folder whose name
// begins with prefix; returns its path, or an empty string on failure.
std::string CreateTempFile(const std::string& prefix);

// Writes data to path whole or not at all: a temporary file beside the target,
// then a rename. Returns false (and leaves any old file as it was) on failure.
bool WriteFileAtomically(const std::string& path, const std::string& data);

// Opens files with the program registered for them.
class ShellOpener {
public:
    virtual ~ShellOpener() = default;
    virtual bool Open(const std::string& path) = 0;
    // True when some program is registered for files with this extension
    // (given with or without its dot).
    virtual bool IsViewerRegistered(const std::string& extension) = 0;
};

// xdg-open and xdg-mime, run without a shell.
class XdgShellOpener : public ShellOpener {
public:
    bool Open(const std::string& path) override;
    bool IsViewerRegistered(const std::string& extension) override;
};

ShellOpener& AppShellOpener();
void SetAppShellOpener(ShellOpener* opener);

// Folder part of a path: accepts '/' and '\\' as separators.
std::string DirectoryOf(const std::string& path);
// Name part of a path, after the last '/', '\\' or ':'.
std::string FileNameOf(const std::string& path);

// The places the file tree offers at its top: "/" and the mount points.
class DriveLister {
public:
    virtual ~DriveLister() = default;
    virtual std::vector<std::string> Drives() = 0;
};
// Reads /proc/mounts.
class MountDriveLister : public DriveLister {
public:
    std::vector<std::string> Drives() override;
};

}  // namespace platform
