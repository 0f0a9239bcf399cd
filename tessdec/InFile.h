#pragma once
// The open download file, read through a buffer of our own. A translation
// reads a record at a time in small pieces (a type byte, a length, a body),
// asks for its position after each record and seeks back to where the last
// call ended; through the C library's stream each of those took a lock, and
// a position query after a look-ahead byte or a seek cost a system call. Here
// a read, a position query or a seek within the buffer is a few
// instructions, and the stream underneath is unbuffered so that every byte is
// copied once. Like the C library's streams, every open file is on a list
// until it is closed: a work buffer that a caller drops or clears without
// stopping its translation leaves an open file behind, as a stream would.
#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace tessdec {

class InFile {
public:
    // Opens path for reading; null when it cannot be opened.
    static InFile* Open(const char* path);
    ~InFile();
    InFile(const InFile&) = delete;
    InFile& operator=(const InFile&) = delete;

    // The next byte, or EOF at the end of the file.
    int Get() { return pos_ < len_ ? buf_[pos_++] : Refill(); }
    // Puts back the byte that the last Get returned.
    void Unget() {
        if (pos_ > 0) --pos_;
    }
    // Up to n bytes into dst; fewer at the end of the file.
    size_t Read(void* dst, size_t n);
    long Tell() const { return start_ + static_cast<long>(pos_); }
    // To offset from the start (0 or more); false when the stream refuses.
    bool Seek(long offset);
    // To the end; size is the file's length.
    bool SeekEnd(long& size);
    bool Error() const { return std::ferror(file_) != 0; }

private:
    static constexpr size_t kSize = 64 * 1024;
    explicit InFile(std::FILE* file);
    int Refill();

    std::FILE* file_;
    InFile* prev_ = nullptr;
    InFile* next_ = nullptr;
    long start_ = 0;   // file offset of buf_[0]; the stream stands at start_ + len_
    size_t pos_ = 0;
    size_t len_ = 0;
    uint8_t buf_[kSize];
};

}  // namespace tessdec
