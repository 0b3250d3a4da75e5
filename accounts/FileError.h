// A failed file operation of the accounts (or the history), and how to tell it to the player.
#pragma once

#include <filesystem>
#include <string>

namespace output {

// What went wrong, for a caller that can recover from more than the file failing.
enum class FileFault {
    System,          // the file could not be opened, read, written or locked, or is no file
    AccountNotHere,  // the place given holds no record of this account: find it again by name
    AtAnotherTable,  // another copy of the game holds the account (AccountSeat)
};

// A failed file operation, told to the player in words.
struct FileError {
    std::string action;          // what was being done, e.g. "save the account of Bob"
    std::filesystem::path path;  // the file concerned
    std::string reason;          // the system's reason in words
    FileFault fault = FileFault::System;
    std::string Describe() const;  // one or two sentences for a message box
};

}  // namespace output
