// The probe library's hook: runs inside the program, on its window thread,
// when the probe's request message arrives.
#include <windows.h>

#include <richedit.h>

#include <string>

#include "probe_protocol.h"

namespace {

std::string Utf8(const wchar_t* text) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? n - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), n, nullptr, nullptr);
    return out;
}

// caption TAB c(hecked) d(efault) g(rayed) h(ighlighted) o(wner-drawn) TAB
// sub-menu handle TAB command TAB left,top,right,bottom on the screen (all 0
// while the menu is not shown)
std::string MenuItems(HMENU menu) {
    std::string out;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[256] = {};
        MENUITEMINFOW mii{};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU | MIIM_ID;
        mii.dwTypeData = text;
        mii.cch = 256;
        GetMenuItemInfoW(menu, i, TRUE, &mii);
        out += (mii.fType & MFT_SEPARATOR) ? "-" : Utf8(text);
        out += '\t';
        if (mii.fState & MFS_CHECKED)
            out += 'c';
        if (mii.fState & MFS_DEFAULT)
            out += 'd';
        if (mii.fState & MFS_DISABLED)
            out += 'g';
        if (mii.fState & MFS_HILITE)
            out += 'h';
        if (mii.fType & MFT_OWNERDRAW)
            out += 'o';
        RECT place{};
        GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &place);
        out += '\t' + std::to_string(reinterpret_cast<uintptr_t>(mii.hSubMenu)) + '\t' +
               std::to_string(mii.wID) + '\t' + std::to_string(place.left) + ',' +
               std::to_string(place.top) + ',' + std::to_string(place.right) + ',' +
               std::to_string(place.bottom) + '\n';
    }
    return out;
}

DWORD CALLBACK AppendStream(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* written) {
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<char*>(buffer), size);
    *written = size;
    return 0;
}

std::string StreamRtf(HWND view) {
    std::string out;
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&out), 0, AppendStream};
    SendMessageW(view, EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    return out;
}

void Answer() {
    wchar_t name[64];
    probe::BlockName(name, GetCurrentProcessId());
    HANDLE mapping = OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, name);
    if (!mapping)
        return;
    auto* block = static_cast<probe::Block*>(
        MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, probe::kBlockSize));
    if (block) {
        std::string answer;
        switch (block->request) {
            case probe::Request::MenuItems:
                answer = MenuItems(reinterpret_cast<HMENU>(block->handle));
                break;
            case probe::Request::StreamRtf:
                answer = StreamRtf(reinterpret_cast<HWND>(block->handle));
                break;
        }
        const size_t room = probe::kBlockSize - offsetof(probe::Block, answer);
        block->answerSize = static_cast<uint32_t>(answer.size() < room ? answer.size() : room);
        memcpy(block->answer, answer.data(), block->answerSize);
        UnmapViewOfFile(block);
    }
    CloseHandle(mapping);
    probe::DoneName(name, GetCurrentProcessId());
    if (HANDLE done = OpenEventW(EVENT_MODIFY_STATE, FALSE, name)) {
        SetEvent(done);
        CloseHandle(done);
    }
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    ProbeHook(int code, WPARAM wParam, LPARAM lParam) {
    static const UINT request = RegisterWindowMessageW(probe::kMessageName);
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && msg->message == request)
        Answer();
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
