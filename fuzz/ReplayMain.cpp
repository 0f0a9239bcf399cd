// Runs a fuzz target once on each input file it is given, and on every file
// in each folder it is given: the replay of the seed corpus and of past
// findings in the builds without libFuzzer (a libFuzzer build runs the same
// files itself). A fault ends the program through the sanitizers; a folder
// that is not there holds no inputs.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

namespace fs = std::filesystem;

void Run(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::printf("%s\n", file.c_str());
    std::fflush(stdout);
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        const fs::path arg(argv[i]);
        if (fs::is_directory(arg)) {
            for (const fs::directory_entry& e : fs::recursive_directory_iterator(arg))
                if (e.is_regular_file() && e.path().filename().string()[0] != '.') files.push_back(e.path());
        } else if (fs::is_regular_file(arg)) {
            files.push_back(arg);
        } else if (fs::exists(arg)) {
            std::fprintf(stderr, "not a file or folder: %s\n", argv[i]);
            return 2;
        }
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& f : files) Run(f);
    std::printf("%zu inputs run\n", files.size());
    return 0;
}
