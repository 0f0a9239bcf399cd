#pragma once
// The stream every export is written into, and the file it becomes. The
// writers write Windows-1252 text, the form of the instrument's texts, with
// line feeds, so that a width counts characters; the stream keeps that text
// once, already in the form of the file: UTF-8 with CR LF line ends. It
// formats numbers in the classic locale and rounds ties away from zero, as
// the report view does. The file is written whole or not at all.
//
// A stream opened on its file hands the text to the file in pieces as it
// is written, so that a large export never lies whole in memory (fresh
// memory is costly to touch); the file still takes the place of an old one
// only when the whole text was written.
#include <memory>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

namespace platform {
class AtomicFileWriter;
}

class ExportBuffer : public std::streambuf {
public:
    ExportBuffer();
    // The text written so far, as the file gets it (less the pieces already
    // handed to the file).
    const std::string& Text();
    // From now on the text goes to file in pieces.
    void HandTo(platform::AtomicFileWriter* file);
    // Hands the rest to the file; false when any piece failed.
    bool HandRest();
    // Bytes of the file's text so far.
    size_t Size();

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;

private:
    void Drain();
    void Convert(std::string_view text);
    bool Hand();

    char m_chunk[8192];
    std::string m_text;
    bool m_afterCr = false;
    platform::AtomicFileWriter* m_file = nullptr;
    size_t m_handed = 0;
    bool m_handedAll = true;
};

class ExportStream : public std::ostream {
public:
    // The text is held in memory until SaveExport.
    ExportStream();
    // The text goes to path as it is written; SaveExport to path completes
    // the file, and without it the file stays as it was.
    explicit ExportStream(const std::string& path);
    ~ExportStream() override;
    ExportStream(const ExportStream&) = delete;
    ExportStream& operator=(const ExportStream&) = delete;

    // UTF-8 with CR LF line ends (a CR LF written as such stays one); of a
    // stream opened on its file, the part not yet handed to it.
    const std::string& Text() { return m_buffer.Text(); }
    // Bytes of the text so far, handed to the file or not.
    size_t Size() { return m_buffer.Size(); }

private:
    friend bool SaveExport(ExportStream& stream, const std::string& path);

    ExportBuffer m_buffer;
    std::string m_path;
    std::unique_ptr<platform::AtomicFileWriter> m_file;
};

// Writes the stream's text to path. False when the stream failed or the
// file could not be written whole; an existing file is then left as it was.
bool SaveExport(ExportStream& stream, const std::string& path);
