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

// The program's one way to write a file whole or not at all: the bytes go to
// a temporary file beside the target, every write is checked, and the
// temporary file replaces the target only on Commit. The target keeps its
// permission bits (a new file gets the usual ones); a symbolic link stays and
// the file it names is written; a target that is not writable (read-only) is
// refused, and any old file stays as it was on every failure.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(const std::string& path);
    ~AtomicFileWriter();  // discards what was written unless committed
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // False when the target is refused or no temporary file could be made.
    bool IsOpen() const { return fd_ >= 0; }
    bool Write(const char* data, size_t size);
    bool Write(const std::string& data) { return Write(data.data(), data.size()); }
    // True when every write succeeded and the target now holds them.
    bool Commit();

private:
    std::string target_;
    std::string temp_;
    int fd_ = -1;
    bool ok_ = true;
    unsigned mode_ = 0;
};

// data into path through AtomicFileWriter; false on any failure.
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

// The program's one path splitter. Paths are split at '/' only: '\\' and ':'
// are ordinary characters of a name on this system ("site 12:30.slmdl").
// Folder part of a path, without the separator ("/" for the root, "" for a
// bare name).
std::string DirectoryOf(const std::string& path);
// Name part of a path, after its last '/'.
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
