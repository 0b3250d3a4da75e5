// Web links: the maker's pages, opened in the user's browser through the desktop.
#pragma once

#include <QString>
#include <cstdint>

#include "game/Dialogs.h"

namespace AboutNet {

// The maker's site is not known yet: calvarro.example is a reserved example domain that
// stands in for it until the real address is given. Both pages are built from this one root.
inline const QString kHomePage = QStringLiteral("https://calvarro.example/");
inline const QString kVersionPage = kHomePage + QStringLiteral("vorn/version.html");

// The show code the buttons pass: a normal window.
constexpr std::int32_t kShowNormal = 1;

// Hands Address to the desktop's opener and returns at once, without waiting for the
// browser. The desktop chooses the browser window's state itself, so ShowCode is accepted
// for the caller's intent only. Returns 1 when the address was handed over, 0 otherwise;
// callers drop it, since a page that cannot be opened changes nothing in the game.
std::int32_t OpenWebPage(Dialogs& shell, const QString& Address, std::int32_t& ShowCode);

}  // namespace AboutNet
