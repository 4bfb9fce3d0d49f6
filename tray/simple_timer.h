// A timer without a window of its own: every TSimpleTimer of the process runs
// its system timer on the one hidden window of TSimpleTimerHandler, which
// exists while at least one timer does.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "tray/shared_handler.h"

class TSimpleTimer;

using TTimerEvent = std::function<void(TSimpleTimer& sender)>;

class TSimpleTimer {
  public:
    // 1000 ms, no callback.
    TSimpleTimer();
    TSimpleTimer(uint32_t interval, TTimerEvent onTimer);
    ~TSimpleTimer();
    TSimpleTimer(const TSimpleTimer&) = delete;
    TSimpleTimer& operator=(const TSimpleTimer&) = delete;

    // The identifier of the system timer.
    UINT_PTR Id() const { return id_; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    uint32_t Interval() const { return interval_; }
    // A running timer takes a new period at once; 0 ends the system timer
    // but keeps the timer enabled, so a later period starts it again.
    void SetInterval(uint32_t interval);
    const TTimerEvent& OnTimer() const { return onTimer_; }
    void SetOnTimer(TTimerEvent onTimer);

    // Starts (or restarts) the system timer; false when the interval is 0
    // or the system refuses.
    bool Start();
    // Ends the system timer; `clearEnabled` says whether Enabled goes false.
    bool Stop(bool clearEnabled);

  private:
    UINT_PTR id_;
    bool enabled_ = false;
    uint32_t interval_;
    TTimerEvent onTimer_;
};

// The shared window of all timers: made by the first timer, destroyed with
// the last. A tick finds its timer by the identifier, so a stray WM_TIMER
// with an unknown one does nothing.
class TSimpleTimerHandler : public SharedHandler<TSimpleTimerHandler, TSimpleTimer, UINT_PTR> {
  private:
    friend class TSimpleTimer;
    friend class SharedHandler<TSimpleTimerHandler, TSimpleTimer, UINT_PTR>;

    TSimpleTimerHandler();
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
