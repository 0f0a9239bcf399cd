#include "Clock.h"

#include <chrono>
#include <thread>

namespace platform {

int64_t Clock::NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

namespace {
PumpHook& PumpSlot()
{
    static PumpHook hook;
    return hook;
}
WaitCursor::Hook& CursorSlot()
{
    static WaitCursor::Hook hook;
    return hook;
}
}  // namespace

void SetPumpHook(PumpHook hook) { PumpSlot() = std::move(hook); }

void Pump()
{
    if (PumpSlot())
        PumpSlot()();
}

bool WaitMs(int64_t ms, const PumpHook& pump, const CancelCheck& cancel)
{
    const int64_t end = Clock::NowMs() + ms;
    for (;;) {
        if (pump)
            pump();
        if (cancel && cancel())
            return false;
        int64_t left = end - Clock::NowMs();
        if (left <= 0)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(left < 10 ? left : 10));
    }
}

bool WaitMsPumping(int64_t ms, const CancelCheck& cancel)
{
    return WaitMs(ms, [] { Pump(); }, cancel);
}

WaitCursor::WaitCursor()
{
    if (CursorSlot())
        CursorSlot()(true);
}

WaitCursor::~WaitCursor() { Restore(); }

void WaitCursor::Restore()
{
    if (active_ && CursorSlot())
        CursorSlot()(false);
    active_ = false;
}

void WaitCursor::SetHook(Hook hook) { CursorSlot() = std::move(hook); }

}  // namespace platform
