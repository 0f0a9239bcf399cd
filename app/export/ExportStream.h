#pragma once
// The stream every export is written into, and the file it becomes. The
// writers write Windows-1252 text, the form of the instrument's texts, with
// line feeds, so that a width counts characters; the stream keeps that text
// once, already in the form of the file: UTF-8 with CR LF line ends. It
// formats numbers in the classic locale and rounds ties away from zero, as
// the report view does. The file is written whole or not at all.
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

class ExportBuffer : public std::streambuf {
public:
    ExportBuffer();
    // The text written so far, as the file gets it.
    const std::string& Text();

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;

private:
    void Drain();
    void Convert(std::string_view text);

    char m_chunk[8192];
    std::string m_text;
    bool m_afterCr = false;
};

class ExportStream : public std::ostream {
public:
    ExportStream();
    ExportStream(const ExportStream&) = delete;
    ExportStream& operator=(const ExportStream&) = delete;

    // UTF-8 with CR LF line ends (a CR LF written as such stays one).
    const std::string& Text() { return m_buffer.Text(); }

private:
    ExportBuffer m_buffer;
};

// Writes the stream's text to path. False when the stream failed or the
// file could not be written whole; an existing file is then left as it was.
bool SaveExport(ExportStream& stream, const std::string& path);
