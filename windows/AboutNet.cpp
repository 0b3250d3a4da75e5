// Web links through the desktop's opener.
#include "windows/AboutNet.h"

namespace AboutNet {

std::int32_t OpenWebPage(Dialogs& shell, const QString& Address, std::int32_t& ShowCode) {
    static_cast<void>(ShowCode);
    return shell.OpenUrl(Address) ? 1 : 0;
}

}  // namespace AboutNet
