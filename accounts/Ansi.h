// Names between UTF-8 (in memory) and Windows-1252 (in the accounts file), one byte per character.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace output {

// Each input character becomes one Windows-1252 byte; a character the code page cannot hold,
// or a malformed UTF-8 sequence, becomes '?'. The result has one byte per input character.
std::string ToAnsi(std::string_view utf8);

// The characters of `utf8` that Windows-1252 cannot hold, each once, in order of first
// appearance; empty when every character has its byte. A malformed UTF-8 sequence is listed
// as U+FFFD, the replacement character. These are the characters ToAnsi turns into '?'.
std::vector<std::string> UnstorableCharacters(std::string_view utf8);

// Each byte becomes one character. The five bytes the code page leaves unassigned become the
// control characters of the same number, so that any 30 bytes read survive a round trip.
std::string FromAnsi(std::string_view ansi);

// Lower case of a Windows-1252 letter (A-Z, the accented capitals, Š, Œ, Ž and Ÿ); other
// bytes are returned unchanged.
constexpr char LowerAnsi(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) {
        return static_cast<char>(b + 0x20);
    }
    if (b == 0x8A || b == 0x8C || b == 0x8E) return static_cast<char>(b + 0x10);  // Š Œ Ž
    if (b == 0x9F) return static_cast<char>(0xFF);                                // Ÿ
    return byte;
}

}  // namespace output
