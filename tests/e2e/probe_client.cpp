#include "probe_client.h"

#include <cstdio>
#include <stdexcept>

#include "lexora_app.h"
#include "probe_protocol.h"

namespace {

std::wstring Wide(const std::string& utf8) {
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

}  // namespace

Probe::Probe(HWND window) : window_(window) {
    const DWORD thread = GetWindowThreadProcessId(window, &processId_);
    wchar_t name[64];
    probe::BlockName(name, processId_);
    mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                  probe::kBlockSize, name);
    probe::DoneName(name, processId_);
    done_ = CreateEventW(nullptr, FALSE, FALSE, name);
    HMODULE library = LoadLibraryW(LEXORA_PROBE_DLL);
    const auto hook =
        reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(library, "ProbeHook")));
    hook_ = hook ? SetWindowsHookExW(WH_GETMESSAGE, hook, library, thread) : nullptr;
    if (!mapping_ || !done_ || !hook_)
        throw std::runtime_error("the probe cannot be placed");
}

Probe::~Probe() {
    if (hook_)
        UnhookWindowsHookEx(hook_);
    if (done_)
        CloseHandle(done_);
    if (mapping_)
        CloseHandle(mapping_);
}

std::string Probe::Ask(uint32_t request, uint64_t handle) {
    auto* block = static_cast<probe::Block*>(
        MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, probe::kBlockSize));
    block->request = static_cast<probe::Request>(request);
    block->handle = handle;
    block->answerSize = 0;
    ResetEvent(done_);
    PostMessageW(window_, RegisterWindowMessageW(probe::kMessageName), 0, 0);
    std::string answer;
    if (WaitForSingleObject(done_, 10000) == WAIT_OBJECT_0)
        answer.assign(block->answer, block->answerSize);
    UnmapViewOfFile(block);
    return answer;
}

std::vector<MenuEntry> Probe::MenuItems(HMENU menu) {
    std::vector<MenuEntry> entries;
    const std::string answer =
        Ask(static_cast<uint32_t>(probe::Request::MenuItems), reinterpret_cast<uintptr_t>(menu));
    size_t start = 0;
    for (size_t end; (end = answer.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string line = answer.substr(start, end - start);
        const size_t t1 = line.find('\t'), t2 = line.find('\t', t1 + 1),
                     t3 = line.find('\t', t2 + 1), t4 = line.find('\t', t3 + 1);
        MenuEntry e;
        e.caption = Wide(line.substr(0, t1));
        const std::string flags = line.substr(t1 + 1, t2 - t1 - 1);
        e.checked = flags.find('c') != std::string::npos;
        e.isDefault = flags.find('d') != std::string::npos;
        e.grayed = flags.find('g') != std::string::npos;
        e.highlighted = flags.find('h') != std::string::npos;
        e.ownerDrawn = flags.find('o') != std::string::npos;
        e.subMenu = reinterpret_cast<HMENU>(std::stoull(line.substr(t2 + 1, t3 - t2 - 1)));
        e.command = static_cast<UINT>(std::stoul(line.substr(t3 + 1, t4 - t3 - 1)));
        sscanf(line.c_str() + t4 + 1, "%ld,%ld,%ld,%ld", &e.place.left, &e.place.top,
               &e.place.right, &e.place.bottom);
        entries.push_back(e);
    }
    return entries;
}

std::string Probe::StreamRtf(HWND view) {
    return Ask(static_cast<uint32_t>(probe::Request::StreamRtf), reinterpret_cast<uintptr_t>(view));
}

ShownMenu WaitForOpenMenu(Probe& probe,
                          const std::function<bool(HMENU, const std::vector<MenuEntry>&)>& ready,
                          DWORD timeoutMs) {
    ShownMenu open;
    // Other menu windows may stand before the open one, hidden: each is
    // looked at.
    const bool shown = WaitUntil(
        [&] {
            for (HWND w = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); w;
                 w = FindWindowExW(nullptr, w, L"#32768", nullptr)) {
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                if (owner != probe.ProcessId() || !IsWindowVisible(w))
                    continue;
                open.window = w;
                open.menu = reinterpret_cast<HMENU>(SendMessageW(w, MN_GETHMENU, 0, 0));
                if (!open.menu)
                    continue;
                open.items = probe.MenuItems(open.menu);
                if (ready(open.menu, open.items))
                    return true;
            }
            return false;
        },
        timeoutMs);
    return shown ? open : ShownMenu{};
}
