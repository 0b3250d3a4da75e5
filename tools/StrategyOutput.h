// Writing the analyser's output: all of it, or one clear error; a file is never left torn.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace modcards::strategy {

// Output that could not be written; the message names what and why, in one line.
class OutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes all of `bytes` to `out` and flushes it. Throws OutputError ("cannot write the
// report: No space left on device"). A closed pipe counts as an error only while SIGPIPE is
// ignored; otherwise the signal ends the program first.
void WriteAll(std::FILE* out, std::string_view bytes, std::string_view what);

// A file of output, claimed before the work that fills it so that a bad path fails at once.
// A new or regular file (also one reached through a symbolic link) is written to a temporary
// file beside it and renamed over it: replaced whole, keeping its permissions, or on any
// error left as it was. Anything else is written in place and never replaced: a FIFO (opening
// it waits for a reader), a device, or the file `standardOutput` goes to (as /dev/stdout
// is), which then gets these bytes before the report. A folder or a symbolic link to nothing
// is refused. Throws OutputError.
class OutputFile {
public:
    explicit OutputFile(const std::string& path, std::FILE* standardOutput = stdout);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Writes all of `bytes` and finishes the file; once only. Throws OutputError.
    void Write(std::span<const std::uint8_t> bytes);

private:
    void StartReplacing(const std::string& path, unsigned mode, int owner, int group);
    void OpenInPlace(const std::string& path);
    void Close();

    std::string what_;
    std::string target_;     // the file a temporary one is renamed over, or empty
    std::string temporary_;  // while not yet renamed
    std::FILE* file_ = nullptr;
    bool owned_ = false;  // false for the standard output
};

}  // namespace modcards::strategy
