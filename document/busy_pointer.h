#pragma once

namespace strumix {

void busy_pointer_on();
void busy_pointer_off();

// The screen-wide hourglass while a slow step runs; the default pointer comes back on every way
// out of the scope.
class BusyPointer {
public:
    BusyPointer() { busy_pointer_on(); }
    ~BusyPointer() { busy_pointer_off(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace strumix
