// A file's path as text for the player and for Qt's file classes.
#pragma once

#include <QString>
#include <filesystem>

inline QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}
