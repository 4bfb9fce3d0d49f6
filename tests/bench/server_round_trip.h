// The cost of one request to the Wine server, measured by the benchmarks
// beside their figures: it tells whether the machine is quiet (about 5 us)
// or busy (about 50 us) while they run.
#pragma once

#include <windows.h>

#include <vector>

#include "timing.h"

// Reads a property of a window of this process by atom, which Wine always
// asks its server for; the median of several batches.
inline double ServerRoundTripMicroseconds() {
    static const ATOM atom = GlobalAddAtomW(L"LexoraBenchRoundTrip");
    static const HWND window = [] {
        HWND w = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                 nullptr);
        SetPropW(w, MAKEINTATOM(atom), w);
        return w;
    }();
    constexpr int kCalls = 200;
    std::vector<double> batches;
    for (int b = 0; b < 9; ++b) {
        batches.push_back(Milliseconds([] {
                              for (int i = 0; i < kCalls; ++i)
                                  GetPropW(window, MAKEINTATOM(atom));
                          }) *
                          1000 / kCalls);
    }
    return Median(batches);
}

inline const char* Regime(double roundTripMicroseconds) {
    if (roundTripMicroseconds < 15)
        return "quiet";
    return roundTripMicroseconds > 30 ? "busy" : "between quiet and busy";
}
