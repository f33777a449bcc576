// The keyboard-cue hook on Windows, where themed controls need it.
#ifdef _WIN32

#include <windows.h>

#include "common/keycuefix.h"

namespace lumidor {
namespace {

LRESULT CALLBACK windowProcedureHook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    const HookCall call{code, sent != nullptr ? sent->message : 0u,
                        sent != nullptr ? sent->hwnd : nullptr, wParam, lParam};
    return static_cast<LRESULT>(TKeyCueFix::hookProcedure(call));
}

class WindowsPlatform : public KeyCuePlatform {
public:
    bool majorVersion(int& major) override {
        OSVERSIONINFOA info{};
        info.dwOSVersionInfoSize = 148;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        const BOOL ok = GetVersionExA(&info);
#pragma GCC diagnostic pop
        major = static_cast<int>(info.dwMajorVersion);
        return ok != FALSE;
    }

    // The theme service decides: styles active for the desktop and this program.
    bool visualStylesActive() override {
        HMODULE theme = LoadLibraryW(L"uxtheme.dll");
        if (theme == nullptr) {
            return false;
        }
        using ThemeQuery = BOOL(WINAPI*)();
        const auto appThemed = reinterpret_cast<ThemeQuery>(
            reinterpret_cast<void*>(GetProcAddress(theme, "IsAppThemed")));
        const auto themeActive = reinterpret_cast<ThemeQuery>(
            reinterpret_cast<void*>(GetProcAddress(theme, "IsThemeActive")));
        const bool active = appThemed != nullptr && themeActive != nullptr &&
                            appThemed() != FALSE && themeActive() != FALSE;
        FreeLibrary(theme);
        return active;
    }

    void* installHook() override {
        return SetWindowsHookExA(WH_CALLWNDPROC, windowProcedureHook, nullptr,
                                 GetCurrentThreadId());
    }

    void removeHook(void* hook) override {
        UnhookWindowsHookEx(static_cast<HHOOK>(hook));
    }

    void invalidate(void* window) override {
        InvalidateRect(static_cast<HWND>(window), nullptr, FALSE);
    }

    std::intptr_t callNextHook(void* hook, const HookCall& call) override {
        return static_cast<std::intptr_t>(CallNextHookEx(static_cast<HHOOK>(hook), call.code,
                                                         static_cast<WPARAM>(call.wParam),
                                                         static_cast<LPARAM>(call.lParam)));
    }
};

}  // namespace

KeyCuePlatform& nativeKeyCuePlatform() {
    static WindowsPlatform platform;
    return platform;
}

}  // namespace lumidor

#endif  // _WIN32
