#include "platform/display.h"

#ifdef _WIN32

#include "platform/win32.h"

#include <vector>

namespace platform {

namespace {

// The module this code is linked into, asked for with the given flags.
HMODULE thisModule(DWORD flags) {
    static const int anchor = 0;
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | flags,
                       reinterpret_cast<LPCWSTR>(&anchor), &module);
    return module;
}

} // namespace

std::string defaultWindowingPlatforms() {
    return "windows";
}

bool displayReachable(const std::string&) {
    return true;
}

// "<folder of the module>\netportui": a module installed in the system
// directory cannot rely on the toolkit finding its plugins anywhere else.
std::string modulePluginFolder() {
    const HMODULE module = thisModule(GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT);
    if (!module) {
        return {};
    }
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(module, path.data(), DWORD(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    std::wstring folder(path.begin(), path.end());
    folder = folder.substr(0, folder.find_last_of(L"\\/") + 1) + L"netportui";
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, folder.c_str(), int(folder.size()), nullptr,
                                          0, nullptr, nullptr);
    std::string utf8(size_t(bytes > 0 ? bytes : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, folder.c_str(), int(folder.size()), utf8.data(), bytes, nullptr,
                        nullptr);
    return utf8;
}

void keepModuleLoaded() {
    thisModule(GET_MODULE_HANDLE_EX_FLAG_PIN);
}

} // namespace platform

#else

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool xServerReachable() {
    // Connects exactly as the toolkit's X11 platform would, to the display
    // that DISPLAY names; a DISPLAY that points nowhere fails here.
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool reachable = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return reachable;
}

bool waylandCompositorReachable() {
    std::string socketPath = environment("WAYLAND_DISPLAY");
    if (socketPath.empty()) {
        socketPath = "wayland-0";
    }
    if (socketPath[0] != '/') {
        const std::string runtime = environment("XDG_RUNTIME_DIR");
        if (runtime.empty()) {
            return false;
        }
        socketPath = runtime + "/" + socketPath;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.size() >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    const bool reachable =
        connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return reachable;
}

} // namespace

// The toolkit's choice on X11 systems, as the Qt we build with makes it:
// Wayland first in a Wayland session (a compositor named, or the session type
// saying so), with X11 as the fallback; X11 alone otherwise.
std::string defaultWindowingPlatforms() {
    const bool wayland =
        !environment("WAYLAND_DISPLAY").empty() || environment("XDG_SESSION_TYPE") == "wayland";
    return wayland ? "wayland;xcb" : "xcb";
}

bool displayReachable(const std::string& platform) {
    if (platform == "xcb") {
        return xServerReachable();
    }
    if (platform.rfind("wayland", 0) == 0) {
        return waylandCompositorReachable();
    }
    return true;
}

std::string modulePluginFolder() {
    return {};
}

void keepModuleLoaded() {}

} // namespace platform

#endif
