#ifdef _WIN32

#include "usbwatcher_win.h"

#include <windows.h>

#include <dbt.h>

#include <string>
#include <vector>

namespace lumidor::win {
namespace {

// The USB device interface class.
constexpr GUID kUsbDeviceInterface = {
    0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}};
constexpr wchar_t kWindowClass[] = L"LumidorUsbWatcher";
constexpr DWORD kMaxKeyName = 256;

std::wstring wide(const std::string& text) {
    if (text.empty()) {
        return {};
    }
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

std::string utf8(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                        nullptr, nullptr);
    return out;
}

// A key of HKEY_LOCAL_MACHINE opened read-only, closed with its scope.
class Key {
public:
    explicit Key(const std::wstring& path) {
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key_) != ERROR_SUCCESS) {
            key_ = nullptr;
        }
    }
    ~Key() {
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;

    bool isOpen() const { return key_ != nullptr; }

    // Empty when the value is absent or not a text.
    std::string text(const wchar_t* name) const {
        DWORD type = 0;
        DWORD bytes = 0;
        if (RegQueryValueExW(key_, name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ) || bytes == 0) {
            return {};
        }
        std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
        if (RegQueryValueExW(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(value.data()),
                             &bytes) != ERROR_SUCCESS) {
            return {};
        }
        value.resize(wcsnlen(value.c_str(), value.size()));
        return utf8(value);
    }

    std::vector<std::wstring> subKeys() const {
        std::vector<std::wstring> names;
        wchar_t name[kMaxKeyName];
        for (DWORD i = 0;; ++i) {
            DWORD length = kMaxKeyName;
            if (RegEnumKeyExW(key_, i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
                ERROR_SUCCESS) {
                return names;
            }
            names.emplace_back(name, length);
        }
    }

private:
    HKEY key_ = nullptr;
};

const std::wstring kUsbEnum = L"SYSTEM\\CurrentControlSet\\Enum\\USB\\";
const std::wstring kStorageEnum = L"SYSTEM\\CurrentControlSet\\Enum\\USBSTOR";

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DEVICECHANGE) {
        auto* self =
            reinterpret_cast<UsbNotificationWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self != nullptr) {
            self->deviceChange(static_cast<unsigned long>(wParam),
                               reinterpret_cast<const void*>(lParam));
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

UsbDeviceTexts lookUpUsbTexts(const std::string& devicePath) {
    UsbDeviceTexts texts;
    if (devicePath.empty()) {
        return texts;
    }
    const UsbDevicePath ids = splitDevicePath(devicePath);
    const Key usb(kUsbEnum + wide(ids.deviceId) + L"\\" + wide(ids.instanceId));
    if (!usb.isOpen()) {
        return texts;
    }
    texts.usbDescription = usb.text(L"DeviceDesc");

    const Key storage(kStorageEnum);
    if (!storage.isOpen()) {
        return texts;
    }
    const std::string mask = ids.instanceId + "*";
    for (const std::wstring& kind : storage.subKeys()) {
        const Key kindKey(kStorageEnum + L"\\" + kind);
        bool matched = false;
        for (const std::wstring& instance : kindKey.subKeys()) {
            if (!matchesMask(utf8(instance), mask)) {
                continue;
            }
            // A later match of the same kind overwrites an earlier one.
            const Key device(kStorageEnum + L"\\" + kind + L"\\" + instance);
            texts.storageDescription = device.text(L"DeviceDesc");
            texts.storageFriendlyName = device.text(L"FriendlyName");
            matched = true;
        }
        if (matched) {
            break;
        }
    }
    return texts;
}

UsbNotificationWindow::UsbNotificationWindow(Handler handler) : handler_(std::move(handler)) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);  // fails harmlessly once it is registered

    HWND window = CreateWindowExW(0, kWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  instance, nullptr);
    if (window == nullptr) {
        return;
    }
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = kUsbDeviceInterface;
    // Destroying the window ends the notifications; the handle is not kept.
    RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
    window_ = window;
}

UsbNotificationWindow::~UsbNotificationWindow() {
    if (window_ != nullptr) {
        DestroyWindow(static_cast<HWND>(window_));
    }
}

void UsbNotificationWindow::deviceChange(unsigned long eventCode, const void* broadcast) {
    // The code first: only arrival and removal promise a broadcast behind the
    // message's data; other codes may carry a number there, or nothing.
    if (!usbEventOf(eventCode) || broadcast == nullptr) {
        return;
    }
    const auto* header = static_cast<const DEV_BROADCAST_HDR*>(broadcast);
    const std::optional<UsbChange> change = usbChangeOf(eventCode, header->dbch_devicetype);
    if (!change || !handler_) {
        return;
    }
    const auto* deviceInterface = static_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(broadcast);
    handler_(*change, lookUpUsbTexts(utf8(deviceInterface->dbcc_name)));
}

}  // namespace lumidor::win

#endif  // _WIN32
