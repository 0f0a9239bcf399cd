#include "FuzzInput.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <unistd.h>

namespace fuzz {

namespace {

std::string MakePath() {
    const char* dir = std::getenv("TMPDIR");
    std::string path = std::string(dir != nullptr && *dir != '\0' ? dir : "/tmp") + "/fuzz-XXXXXX.slmdl";
    const int fd = mkstemps(path.data(), 6);
    if (fd < 0) throw std::runtime_error("cannot create the fuzz input file");
    close(fd);
    return path;
}

struct InputFile {
    std::string path = MakePath();
    ~InputFile() { std::remove(path.c_str()); }
};

}  // namespace

const std::string& WriteInput(const uint8_t* data, size_t size) {
    static const InputFile file;
    std::FILE* f = std::fopen(file.path.c_str(), "wb");
    if (f == nullptr) throw std::runtime_error("cannot write the fuzz input file");
    if (size > 0) std::fwrite(data, 1, size, f);
    std::fclose(f);
    return file.path;
}

}  // namespace fuzz
