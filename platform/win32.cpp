// Stand-ins for the Windows kernel calls that the module makes, so that it
// runs unchanged on Linux. They behave as the Windows calls do in every way the
// module can observe.
#include "platform/win32.h"
#include "platform/win32_testing.h"

#include <dlfcn.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

namespace {

std::atomic<int> allocationsUntilFailure{0};
std::atomic<long> blocksInUse{0};

std::mutex outputMutex;
bool capturing = false;
std::string captured;
win32::DebugListener debugListener = nullptr;

std::mutex directoryMutex;
std::string systemDirectoryOverride;

thread_local DWORD lastError = 0;

void* allocate(UINT flags, SIZE_T bytes, UINT zeroFlag) {
    int remaining = allocationsUntilFailure.load();
    while (remaining > 0) {
        if (allocationsUntilFailure.compare_exchange_weak(remaining, remaining - 1)) {
            if (remaining == 1) {
                SetLastError(ERROR_NOT_ENOUGH_MEMORY);
                return nullptr;
            }
            break;
        }
    }
    // Windows hands out a valid block for a request of zero bytes.
    const size_t size = bytes == 0 ? 1 : static_cast<size_t>(bytes);
    void* block = (flags & zeroFlag) ? std::calloc(1, size) : std::malloc(size);
    if (!block) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    ++blocksInUse;
    return block;
}

void release(void* block) {
    if (block) {
        --blocksInUse;
        std::free(block);
    }
}

// UTF-16 to UTF-8, replacing unpaired surrogates with U+FFFD.
std::string toUtf8(const char16_t* text) {
    std::string out;
    for (const char16_t* p = text; *p; ++p) {
        char32_t c = *p;
        if (c >= 0xD800 && c <= 0xDBFF && p[1] >= 0xDC00 && p[1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (p[1] - 0xDC00);
            ++p;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// UTF-8 to UTF-16; the paths handled here come from the file system and the
// tests, so malformed bytes are taken one by one as Latin-1.
std::u16string toUtf16(const std::string& text) {
    std::u16string out;
    for (size_t i = 0; i < text.size();) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        char32_t c = b;
        size_t len = 1;
        if (b >= 0xF0) {
            len = 4;
            c = b & 0x07;
        } else if (b >= 0xE0) {
            len = 3;
            c = b & 0x0F;
        } else if (b >= 0xC0) {
            len = 2;
            c = b & 0x1F;
        }
        bool valid = i + len <= text.size();
        for (size_t k = 1; valid && k < len; ++k) {
            const unsigned char cont = static_cast<unsigned char>(text[i + k]);
            if ((cont & 0xC0) != 0x80) {
                valid = false;
            } else {
                c = (c << 6) | (cont & 0x3F);
            }
        }
        if (!valid) {
            c = b;
            len = 1;
        }
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
        i += len;
    }
    return out;
}

} // namespace

extern "C" {

HGLOBAL WINAPI GlobalAlloc(UINT uFlags, SIZE_T dwBytes) {
    return allocate(uFlags, dwBytes, GMEM_ZEROINIT);
}

HGLOBAL WINAPI GlobalFree(HGLOBAL hMem) {
    release(hMem);
    return nullptr;
}

HLOCAL WINAPI LocalAlloc(UINT uFlags, SIZE_T uBytes) {
    return allocate(uFlags, uBytes, LMEM_ZEROINIT);
}

HLOCAL WINAPI LocalFree(HLOCAL hMem) {
    release(hMem);
    return nullptr;
}

int WINAPI lstrlenW(LPCWSTR lpString) {
    if (!lpString) {
        return 0;
    }
    int n = 0;
    while (lpString[n]) {
        ++n;
    }
    return n;
}

LPWSTR WINAPI lstrcpyW(LPWSTR lpString1, LPCWSTR lpString2) {
    if (!lpString1 || !lpString2) {
        return nullptr;
    }
    LPWSTR d = lpString1;
    while ((*d++ = *lpString2++)) {
    }
    return lpString1;
}

DWORD WINAPI GetLastError(void) {
    return lastError;
}

void WINAPI SetLastError(DWORD dwErrCode) {
    lastError = dwErrCode;
}

void WINAPI OutputDebugStringW(LPCWSTR lpOutputString) {
    if (!lpOutputString) {
        return;
    }
    const std::string text = toUtf8(lpOutputString);
    std::lock_guard<std::mutex> lock(outputMutex);
    if (capturing) {
        captured += text;
    } else if (debugListener) {
        debugListener(text);
    } else {
        std::fwrite(text.data(), 1, text.size(), stderr);
        std::fflush(stderr);
    }
}

UINT WINAPI GetSystemDirectoryW(LPWSTR lpBuffer, UINT uSize) {
    std::string directory;
    {
        std::lock_guard<std::mutex> lock(directoryMutex);
        directory = systemDirectoryOverride;
    }
    if (directory.empty()) {
        // The module's catalogue lies beside the module, as it lies in the
        // system directory on Windows: answer the caller's own directory.
        Dl_info info{};
        if (dladdr(__builtin_return_address(0), &info) && info.dli_fname) {
            directory = info.dli_fname;
            const size_t slash = directory.rfind('/');
            directory = slash == std::string::npos ? std::string(".")
                        : slash == 0               ? std::string("/")
                                                   : directory.substr(0, slash);
        }
    }
    const std::u16string path = toUtf16(directory);
    const UINT length = static_cast<UINT>(path.size());
    if (!lpBuffer || uSize <= length) {
        // As on Windows: the buffer is left alone and the size it would need,
        // terminator included, is returned.
        return length + 1;
    }
    std::memcpy(lpBuffer, path.data(), path.size() * sizeof(char16_t));
    lpBuffer[length] = 0;
    return length;
}

BOOL WINAPI DisableThreadLibraryCalls(HMODULE) {
    return TRUE;
}

} // extern "C"

namespace win32 {

void failAllocation(int nth) {
    allocationsUntilFailure = nth < 0 ? 0 : nth;
}

long liveBlocks() {
    return blocksInUse.load();
}

void beginDebugCapture() {
    std::lock_guard<std::mutex> lock(outputMutex);
    capturing = true;
    captured.clear();
}

std::string endDebugCapture() {
    std::lock_guard<std::mutex> lock(outputMutex);
    capturing = false;
    std::string out;
    out.swap(captured);
    return out;
}

void setDebugListener(DebugListener listener) {
    std::lock_guard<std::mutex> lock(outputMutex);
    debugListener = listener;
}

void setSystemDirectory(const std::string& directory) {
    std::lock_guard<std::mutex> lock(directoryMutex);
    systemDirectoryOverride = directory;
}

} // namespace win32
