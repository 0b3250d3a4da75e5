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

// Writes `bytes` to a new file beside `path`, then renames it over `path`: a file already
// there is replaced whole or, on any error, left as it was. Throws OutputError.
void WriteFileWhole(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace modcards::strategy
