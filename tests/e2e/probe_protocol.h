// The probe: a hook library that the end-to-end tests place into the running
// program (as inspection tools do) to read what other processes cannot read
// directly under every system: menus and rich-text streams. Requests and
// answers travel through a shared memory block named after the process.
#pragma once

#include <cstdint>

namespace probe {

constexpr const wchar_t* kMessageName = L"LexoraProbeRequest";
constexpr uint32_t kBlockSize = 8 << 20;

enum class Request : uint32_t {
    MenuItems = 1,  // handle: a menu; answer: one line per item
    StreamRtf = 2,  // handle: a rich edit window; answer: its whole content as RTF
};

struct Block {
    Request request;
    uint64_t handle;
    uint32_t answerSize;
    char answer[1];  // UTF-8 (menu lines) or the RTF bytes
};

// Names of the shared memory block and of the event that says the answer is in.
inline void BlockName(wchar_t* out, unsigned processId) {
    wsprintfW(out, L"LexoraProbeBlock-%u", processId);
}
inline void DoneName(wchar_t* out, unsigned processId) {
    wsprintfW(out, L"LexoraProbeDone-%u", processId);
}

}  // namespace probe
