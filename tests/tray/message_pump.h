// Runs this thread's messages while a test waits for something to happen.
#pragma once

#include <windows.h>

#include <functional>

// Dispatches messages until `done` holds or `timeoutMs` has passed; whether
// it held.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);

// Dispatches messages for `ms` milliseconds.
void PumpFor(DWORD ms);
