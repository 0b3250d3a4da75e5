// A failed file operation in words.
#include "accounts/FileError.h"

namespace output {

std::string FileError::Describe() const {
    return "Could not " + action + ".\n\"" + path.string() + "\": " + reason + ".";
}

}  // namespace output
