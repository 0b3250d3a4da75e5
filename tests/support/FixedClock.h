// A clock that always reads the same moment.
#pragma once

#include "accounts/Clock.h"

class FixedClock final : public output::Clock {
public:
    explicit FixedClock(output::OleDate now = 46000.5) : now_(now) {}
    output::OleDate Now() const override { return now_; }

private:
    output::OleDate now_;
};
