#include "Files.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

extern char** environ;

namespace platform {

std::string TempDir()
{
    const char* dir = std::getenv("TMPDIR");
    std::string d = (dir && *dir) ? dir : "/tmp";
    while (d.size() > 1 && d.back() == '/')
        d.pop_back();
    return d;
}

std::string CreateTempFile(const std::string& prefix)
{
    std::string pattern = TempDir() + "/" + prefix + "XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    int fd = mkstemp(buf.data());
    if (fd < 0)
        return {};
    close(fd);
    return std::string(buf.data());
}

namespace {

// The file a path names: a symbolic link is followed, so that the link stays
// and the file it names gets the new content.
std::string ResolveLinks(const std::string& path)
{
    std::string current = path;
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        std::vector<char> buf(static_cast<size_t>(st.st_size > 0 ? st.st_size : 4095) + 1);
        const ssize_t n = ::readlink(current.c_str(), buf.data(), buf.size());
        if (n <= 0 || static_cast<size_t>(n) >= buf.size())
            return current;
        std::string next(buf.data(), static_cast<size_t>(n));
        if (next[0] != '/') {
            const std::string dir = DirectoryOf(current);
            next = dir.empty() ? next : (dir == "/" ? "/" + next : dir + "/" + next);
        }
        current = next;
    }
    return current;
}

mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(const std::string& path)
{
    if (path.empty())
        return;
    target_ = ResolveLinks(path);
    struct stat st {};
    if (::stat(target_.c_str(), &st) == 0) {
        // Only a plain file is replaced, and only one the user may write:
        // the write bits count even for a user whom the system would let
        // through, as a read-only file is meant to stay as it is.
        if (!S_ISREG(st.st_mode) || (st.st_mode & 0222) == 0 || ::access(target_.c_str(), W_OK) != 0)
            return;
        mode_ = st.st_mode & 07777;
    } else {
        mode_ = NewFileMode();
    }
    const std::string dir = DirectoryOf(target_);
    std::string pattern = (dir.empty() ? std::string(".") : dir) + (dir == "/" ? "." : "/.") +
                          FileNameOf(target_) + ".XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    fd_ = ::mkstemp(buf.data());
    if (fd_ >= 0)
        temp_ = buf.data();
}

AtomicFileWriter::~AtomicFileWriter()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (!temp_.empty())
        std::remove(temp_.c_str());
}

bool AtomicFileWriter::Write(const char* data, size_t size)
{
    while (ok_ && fd_ >= 0 && size > 0) {
        const ssize_t n = ::write(fd_, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok_ = false;
            break;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return ok_ && fd_ >= 0;
}

bool AtomicFileWriter::Commit()
{
    if (fd_ < 0)
        return false;
    bool ok = ok_;
    ok = ::fsync(fd_) == 0 && ok;
    // mkstemp makes the file private; it takes the target's bits instead.
    ok = ::fchmod(fd_, static_cast<mode_t>(mode_)) == 0 && ok;
    ok = ::close(fd_) == 0 && ok;
    fd_ = -1;
    if (ok && std::rename(temp_.c_str(), target_.c_str()) == 0) {
        temp_.clear();
        return true;
    }
    return false;
}

bool WriteFileAtomically(const std::string& path, const std::string& data)
{
    AtomicFileWriter file(path);
    return file.IsOpen() && file.Write(data) && file.Commit();
}

std::string DirectoryOf(const std::string& path)
{
    size_t pos = path.find_last_of('/');
    if (pos == std::string::npos)
        return {};
    if (pos == 0)
        return "/";
    return path.substr(0, pos);
}

std::string FileNameOf(const std::string& path)
{
    size_t pos = path.find_last_of('/');
    return pos == std::string::npos ? path : path.substr(pos + 1);
}

namespace {

// Runs argv without a shell; returns its exit status and, with out, its output.
int Run(const std::vector<std::string>& args, std::string* out, bool wait)
{
    std::vector<char*> argv;
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    int pipefd[2] = {-1, -1};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (out) {
        if (pipe(pipefd) != 0)
            return -1;
        posix_spawn_file_actions_adddup2(&actions, pipefd[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipefd[0]);
    }
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (out)
        close(pipefd[1]);
    if (rc != 0) {
        if (out)
            close(pipefd[0]);
        return -1;
    }
    if (out) {
        char buf[256];
        ssize_t n;
        while ((n = read(pipefd[0], buf, sizeof buf)) > 0)
            out->append(buf, static_cast<size_t>(n));
        close(pipefd[0]);
    }
    if (!wait)
        return 0;
    int status = 0;
    if (waitpid(pid, &status, 0) < 0)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string MimeOfExtension(std::string ext)
{
    if (!ext.empty() && ext[0] == '.')
        ext.erase(0, 1);
    for (auto& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == "csv") return "text/csv";
    if (ext == "txt") return "text/plain";
    if (ext == "pdf") return "application/pdf";
    return "application/x-extension-" + ext;
}

}  // namespace

bool XdgShellOpener::Open(const std::string& path)
{
    // xdg-open returns at once for most desktops; the child is reaped later.
    return Run({"xdg-open", path}, nullptr, true) == 0;
}

bool XdgShellOpener::IsViewerRegistered(const std::string& extension)
{
    std::string out;
    if (Run({"xdg-mime", "query", "default", MimeOfExtension(extension)}, &out, true) != 0)
        return false;
    return out.find(".desktop") != std::string::npos;
}

namespace {
XdgShellOpener g_xdg;
ShellOpener* g_opener = nullptr;
}  // namespace

ShellOpener& AppShellOpener() { return g_opener ? *g_opener : g_xdg; }
void SetAppShellOpener(ShellOpener* opener) { g_opener = opener; }

std::vector<std::string> MountDriveLister::Drives()
{
    std::vector<std::string> drives{"/"};
    FILE* f = std::fopen("/proc/mounts", "r");
    if (!f)
        return drives;
    char line[1024];
    while (std::fgets(line, sizeof line, f)) {
        char dev[512], mnt[512];
        if (std::sscanf(line, "%511s %511s", dev, mnt) != 2)
            continue;
        std::string m = mnt;
        if (m == "/" || dev[0] != '/')
            continue;  // pseudo file systems have no device path
        if (m.rfind("/proc", 0) == 0 || m.rfind("/sys", 0) == 0 || m.rfind("/dev", 0) == 0 || m.rfind("/run", 0) == 0 || m.rfind("/boot", 0) == 0)
            continue;
        drives.push_back(m);
    }
    std::fclose(f);
    return drives;
}

}  // namespace platform
