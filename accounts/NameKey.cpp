// Stored names and name keys.
#include "accounts/NameKey.h"

#include "accounts/Ansi.h"
#include "accounts/PlayerRecord.h"

namespace output {

std::string StoredNameBytes(std::string_view typed) {
    std::string bytes = ToAnsi(typed);
    bytes.resize(kNameLength, ' ');
    return bytes;
}

std::string StoredName(std::string_view typed) {
    return FromAnsi(StoredNameBytes(typed));
}

std::string NameKey(std::string_view ansiName) {
    std::string key(TrimSpaces(ansiName));
    for (char& c : key) c = LowerAnsi(c);
    return key;
}

std::string SearchKey(std::string_view typed) {
    return NameKey(StoredNameBytes(typed));
}

std::string_view TrimSpaces(std::string_view name) {
    const auto first = name.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = name.find_last_not_of(' ');
    return name.substr(first, last - first + 1);
}

std::string_view TrimTrailingSpaces(std::string_view name) {
    return name.substr(0, name.find_last_not_of(' ') + 1);
}

}  // namespace output
