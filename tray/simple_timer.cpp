#include "tray/simple_timer.h"

#include <utility>

TSimpleTimer::TSimpleTimer() : TSimpleTimer(1000, nullptr) {}

TSimpleTimer::TSimpleTimer(uint32_t interval, TTimerEvent onTimer)
    : id_(TSimpleTimerHandler::Add(*this)), interval_(interval), onTimer_(std::move(onTimer)) {}

TSimpleTimer::~TSimpleTimer() {
    if (enabled_)
        Stop(true);
    TSimpleTimerHandler::Remove(id_);
}

void TSimpleTimer::SetEnabled(bool enabled) {
    if (enabled)
        Start();
    else
        Stop(true);
}

void TSimpleTimer::SetInterval(uint32_t interval) {
    if (interval == interval_)
        return;
    interval_ = interval;
    if (!enabled_)
        return;
    if (interval_ != 0)
        Start();
    else
        Stop(false);
}

void TSimpleTimer::SetOnTimer(TTimerEvent onTimer) {
    onTimer_ = std::move(onTimer);
    if (!onTimer_ && enabled_)
        Stop(false);
}

bool TSimpleTimer::Start() {
    if (interval_ == 0)
        return false;
    if (enabled_)
        Stop(true);
    const bool started =
        SetTimer(TSimpleTimerHandler::Instance()->Handle(), id_, interval_, nullptr) != 0;
    if (started)
        enabled_ = true;
    return started;
}

bool TSimpleTimer::Stop(bool clearEnabled) {
    if (clearEnabled)
        enabled_ = false;
    return KillTimer(TSimpleTimerHandler::Instance()->Handle(), id_) != 0;
}

TSimpleTimerHandler::TSimpleTimerHandler() : SharedHandler(L"TSimpleTimerHandler") {}

LRESULT TSimpleTimerHandler::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_TIMER)
        return DefWindowProcW(Handle(), message, wParam, lParam);
    TSimpleTimer* timer = Find(wParam);
    if (timer && timer->OnTimer()) {
        // A copy: the callback may destroy the timer, and this handler too.
        const TTimerEvent onTimer = timer->OnTimer();
        onTimer(*timer);
    }
    return 0;
}
