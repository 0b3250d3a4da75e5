// Account names as stored (30 Windows-1252 bytes) and the key that searches compare.
#pragma once

#include <string>
#include <string_view>

namespace output {

// The 30 bytes a typed name is stored as: converted to Windows-1252, cut at 30, space-filled.
std::string StoredNameBytes(std::string_view typed);

// The in-memory PlayerName of a typed name: the stored bytes read back, 30 characters.
std::string StoredName(std::string_view typed);

// The key of stored name bytes: lower case, then leading and trailing U+0020 removed.
std::string NameKey(std::string_view ansiName);

// The key a typed name is searched by: that of the name as it would be stored, so that the
// same typed name always reaches the same account, however long or exotic it is.
std::string SearchKey(std::string_view typed);

// A name with its leading and trailing spaces removed, for display.
std::string_view TrimSpaces(std::string_view name);

// A name with its trailing spaces removed: what storing it keeps of a longer one.
std::string_view TrimTrailingSpaces(std::string_view name);

}  // namespace output
