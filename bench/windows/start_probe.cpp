// Starts a Windows program and measures, from inside Wine:
//   start_probe start PROGRAM CLASS   the time until its window of that class
//                                     answers a message (takes a click), and
//                                     its working set a second later
//   start_probe reveal PROGRAM        Zarvel's reveal: a figure picked and
//                                     «Раскинуть» pressed through their
//                                     commands, then the time between the
//                                     cards laid, as the slots are shown
// Each prints one line of name=value pairs, then closes the program.
#include "core/control_layout.h"
#include "core/control_names.h"
#include "core/menu_tree.h"
#include "win32window/form_window.h"
#include "win32window/menu_bar.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

PROCESS_INFORMATION Start(const std::wstring &program)
{
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::wstring line = L"\"" + program + L"\"";
    CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    return process;
}

// The process's window of that class once it answers, or nullptr after 30 s.
HWND Answering(const wchar_t *windowClass)
{
    const double until = Now() + 30000;
    while (Now() < until) {
        HWND window = FindWindowW(windowClass, nullptr);
        DWORD_PTR result = 0;
        if (window != nullptr && IsWindowVisible(window)
            && SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result) != 0)
            return window;
        Sleep(1);
    }
    return nullptr;
}

void Close(HWND window, const PROCESS_INFORMATION &process)
{
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

int Reveal(const std::wstring &program)
{
    const PROCESS_INFORMATION process = Start(program);
    HWND form = Answering(L"ZarvelForm");
    if (form == nullptr)
        return 1;
    // The first figure pick of the menu tree, then the button.
    for (std::size_t i = 0; i < zarvel::MenuTree.size(); ++i) {
        if (zarvel::CommandOf(zarvel::MenuTree[i]) == zarvel::MenuCommand::PickFigure) {
            PostMessageW(form, WM_COMMAND, zarvel::FirstMenuCommand + i, 0);
            break;
        }
    }
    const auto &rows = zarvel::WindowControls();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].name == zarvel::Command1)
            PostMessageW(GetDlgItem(form, zarvel::FirstControlId + static_cast<int>(i)), BM_CLICK, 0, 0);
    }
    // The card slots, watched every millisecond: when each is first shown.
    std::vector<HWND> slots;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].imageNumber >= zarvel::FirstSlotImage && rows[i].imageNumber <= zarvel::LastSlotImage)
            slots.push_back(GetDlgItem(form, zarvel::FirstControlId + static_cast<int>(i)));
    }
    std::vector<bool> seen(slots.size());
    std::vector<double> laid;
    const double until = Now() + 4000;
    while (Now() < until) {
        for (std::size_t i = 0; i < slots.size(); ++i) {
            if (!seen[i] && IsWindowVisible(slots[i])) {
                seen[i] = true;
                laid.push_back(Now());
            }
        }
        Sleep(1);
    }
    std::sort(laid.begin(), laid.end());
    const double perCard = laid.size() > 1 ? (laid.back() - laid.front()) / static_cast<double>(laid.size() - 1) : 0;
    std::printf("cards_laid=%zu ms_per_card=%.2f reveal_31_ms=%.1f\n", laid.size(), perCard, perCard * 31);
    Close(form, process);
    return 0;
}

int StartUp(const std::wstring &program, const wchar_t *windowClass)
{
    const double start = Now();
    const PROCESS_INFORMATION process = Start(program);
    HWND window = Answering(windowClass);
    const double answered = Now() - start;
    if (window == nullptr)
        return 1;
    Sleep(1000);
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof(memory));
    std::printf("answers_ms=%.1f working_set_kib=%zu\n", answered, memory.WorkingSetSize / 1024);
    Close(window, process);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    const std::wstring what = argc > 2 ? argv[1] : L"";
    if (what == L"start" && argc == 4)
        return StartUp(argv[2], argv[3]);
    if (what == L"reveal")
        return Reveal(argv[2]);
    std::fprintf(stderr, "usage: start_probe start PROGRAM CLASS | reveal PROGRAM\n");
    return 2;
}
