#pragma once
// The millisecond clock and the waits built on it. A wait that keeps the
// window alive calls the pump hook while it waits (the program installs
// QCoreApplication::processEvents; elsewhere it does nothing).
#include <cstdint>
#include <functional>

namespace platform {

class Clock {
public:
    // Steady milliseconds since an arbitrary start.
    static int64_t NowMs();
};

using PumpHook = std::function<void()>;
using CancelCheck = std::function<bool()>;

void SetPumpHook(PumpHook hook);
// Runs the installed pump hook once, if any.
void Pump();

// Waits ms milliseconds. With pump, calls it about every 10 ms. Returns
// false when cancel answered true before the time was up.
bool WaitMs(int64_t ms, const PumpHook& pump = {}, const CancelCheck& cancel = {});
// The same, pumping through the installed hook.
bool WaitMsPumping(int64_t ms, const CancelCheck& cancel = {});

// The wait cursor for the time of a long operation. Restore() puts the normal
// cursor back early (before a message box); the guard restores it anyway.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    void Restore();

    using Hook = std::function<void(bool busy)>;
    static void SetHook(Hook hook);

private:
    bool active_ = true;
};

}  // namespace platform
