// The current local date and time, passed in so that tests can fix it.
#pragma once

#include "accounts/PlayerRecord.h"

namespace output {

class Clock {
public:
    virtual ~Clock() = default;
    virtual OleDate Now() const = 0;  // local date and time as an OLE date
};

// Reads the system clock in the local time zone.
class SystemClock final : public Clock {
public:
    OleDate Now() const override;
};

}  // namespace output
