// Windows-1252 conversion through glibc's iconv; only the gaps of the code page are ruled here.
#include "accounts/Ansi.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <optional>

namespace output {
namespace {

constexpr const char* kAnsiCharset = "WINDOWS-1252";
constexpr char kReplacement = '?';
constexpr std::string_view kMalformed = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

// One iconv conversion state, closed on every path.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts one character's bytes; false when the target cannot hold it.
    bool Convert(std::string_view in, std::string& out) {
        char buffer[8];
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // a fresh shift state each time
        if (iconv(cd_, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1)) {
            return false;
        }
        out.append(buffer, dst - buffer);
        return srcLeft == 0;
    }

private:
    iconv_t cd_;
};

// Length of the UTF-8 sequence starting at `s[i]`, or 0 when it is malformed.
std::size_t SequenceLength(std::string_view s, std::size_t i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    std::size_t length = 0;
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0 && lead >= 0xC2)
        length = 2;
    else if ((lead & 0xF0) == 0xE0)
        length = 3;
    else if ((lead & 0xF8) == 0xF0 && lead <= 0xF4)
        length = 4;
    else
        return 0;
    if (i + length > s.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
    }
    return length;
}

// The code point of a well-formed two-byte sequence, or 0.
unsigned TwoByteCodePoint(std::string_view sequence) {
    if (sequence.size() != 2) return 0;
    return (static_cast<unsigned char>(sequence[0]) & 0x1Fu) << 6 |
           (static_cast<unsigned char>(sequence[1]) & 0x3Fu);
}

// True when the byte has no character in the code page (iconv refuses to decode it).
bool IsUnassigned(unsigned char byte, Converter& decoder) {
    std::string ignored;
    const char c = static_cast<char>(byte);
    return !decoder.Convert(std::string_view(&c, 1), ignored);
}

void AppendCodePoint(unsigned codePoint, std::string& out) {
    // Only U+0080..U+00FF reach here, which take two bytes.
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
}

// Calls `each(sequence, byte)` for every character of `utf8` in order, with its UTF-8 bytes
// (empty for one malformed byte) and its Windows-1252 byte, or nothing when it has none.
template <typename Each>
void ForEachCharacter(std::string_view utf8, Each each) {
    Converter encoder(kAnsiCharset, "UTF-8");
    Converter decoder("UTF-8", kAnsiCharset);
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t length = SequenceLength(utf8, i);
        if (length == 0) {
            each(std::string_view(), std::nullopt);
            ++i;
            continue;
        }
        const std::string_view sequence = utf8.substr(i, length);
        i += length;
        std::string converted;
        if (encoder.ok() && encoder.Convert(sequence, converted) && converted.size() == 1) {
            each(sequence, converted[0]);
            continue;
        }
        // A control character U+0080..U+009F whose byte the code page leaves free maps to
        // that byte, the inverse of FromAnsi.
        const unsigned codePoint = TwoByteCodePoint(sequence);
        const bool freeByte = codePoint >= 0x80 && codePoint <= 0x9F && decoder.ok() &&
                              IsUnassigned(static_cast<unsigned char>(codePoint), decoder);
        each(sequence, freeByte ? std::optional<char>(static_cast<char>(codePoint)) : std::nullopt);
    }
}

}  // namespace

std::string ToAnsi(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    ForEachCharacter(utf8, [&](std::string_view, std::optional<char> byte) {
        out += byte.value_or(kReplacement);
    });
    return out;
}

std::vector<std::string> UnstorableCharacters(std::string_view utf8) {
    std::vector<std::string> unstorable;
    ForEachCharacter(utf8, [&](std::string_view sequence, std::optional<char> byte) {
        if (byte) return;
        const std::string shown =
            sequence.empty() ? std::string(kMalformed) : std::string(sequence);
        if (std::find(unstorable.begin(), unstorable.end(), shown) == unstorable.end()) {
            unstorable.push_back(shown);
        }
    });
    return unstorable;
}

std::string FromAnsi(std::string_view ansi) {
    Converter decoder("UTF-8", kAnsiCharset);
    std::string out;
    out.reserve(ansi.size() * 2);
    for (const char byte : ansi) {
        if (decoder.ok() && decoder.Convert(std::string_view(&byte, 1), out)) continue;
        AppendCodePoint(static_cast<unsigned char>(byte), out);
    }
    return out;
}

}  // namespace output
