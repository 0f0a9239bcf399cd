#include "InFile.h"

#include <cstring>
#include <new>

namespace tessdec {

namespace {
InFile* g_open = nullptr;  // the list of open files
}  // namespace

InFile::InFile(std::FILE* file) : file_(file), next_(g_open) {
    if (next_ != nullptr) next_->prev_ = this;
    g_open = this;
}

InFile* InFile::Open(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return nullptr;
    std::setvbuf(file, nullptr, _IONBF, 0);
    InFile* in = new (std::nothrow) InFile(file);
    if (in == nullptr) std::fclose(file);
    return in;
}

InFile::~InFile() {
    if (prev_ != nullptr) prev_->next_ = next_;
    else g_open = next_;
    if (next_ != nullptr) next_->prev_ = prev_;
    std::fclose(file_);
}

int InFile::Refill() {
    start_ += static_cast<long>(len_);
    pos_ = 0;
    len_ = std::fread(buf_, 1, kSize, file_);
    return len_ > 0 ? buf_[pos_++] : EOF;
}

size_t InFile::Read(void* dst, size_t n) {
    uint8_t* out = static_cast<uint8_t*>(dst);
    size_t done = 0;
    while (done < n) {
        if (pos_ == len_) {
            if (n - done >= kSize) {
                // A large read goes straight into the caller's memory.
                start_ += static_cast<long>(len_);
                pos_ = len_ = 0;
                const size_t got = std::fread(out + done, 1, n - done, file_);
                start_ += static_cast<long>(got);
                return done + got;
            }
            if (Refill() == EOF) break;
            --pos_;
        }
        const size_t take = n - done < len_ - pos_ ? n - done : len_ - pos_;
        std::memcpy(out + done, buf_ + pos_, take);
        pos_ += take;
        done += take;
    }
    return done;
}

bool InFile::Seek(long offset) {
    if (offset < 0) return false;
    if (offset >= start_ && offset <= start_ + static_cast<long>(len_)) {
        pos_ = static_cast<size_t>(offset - start_);
        return true;
    }
    if (std::fseek(file_, offset, SEEK_SET) != 0) return false;
    start_ = offset;
    pos_ = len_ = 0;
    return true;
}

bool InFile::SeekEnd(long& size) {
    if (std::fseek(file_, 0, SEEK_END) != 0) return false;
    size = std::ftell(file_);
    if (size < 0) return false;
    start_ = size;
    pos_ = len_ = 0;
    return true;
}

}  // namespace tessdec
