#include "framework/wide_path.h"

#include <windows.h>

#include "framework/dos_names.h"
#include "framework/path_parts.h"

namespace {

std::wstring FullPath(const std::wstring& path) {
    const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) {
        return {};
    }
    std::wstring full(needed, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed) {
        return {};
    }
    full.resize(length);
    return full;
}

bool IsVerbatimOrDevicePath(std::wstring_view path) {
    return path.starts_with(L"\\\\?\\") || path.starts_with(L"\\\\.\\");
}

}  // namespace

std::wstring WidenText(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string NarrowText(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

std::wstring WidePath(const std::string& path) {
    const std::wstring wide = WidenText(path);
    const PathParts parts = SplitPath(path);
    const std::string name = parts.base + parts.ext;
    const bool oddName = NeedsVerbatimPath(name);
    // MAX_PATH counts the terminating NUL.
    if (IsVerbatimOrDevicePath(wide) || (wide.size() < MAX_PATH && !oddName)) {
        return wide;
    }
    // The full path resolves "." and ".." and turns '/' into '\', which a
    // verbatim path takes literally; an odd final name is kept out of it,
    // since the resolution would shorten it or make it a device.
    std::wstring full;
    if (oddName) {
        const std::string folder = parts.drive + parts.dir;
        full = FullPath(WidenText(folder.empty() ? "." : folder));
        if (!full.empty() && full.back() != L'\\') {
            full += L'\\';
        }
        full += WidenText(name);
    } else {
        full = FullPath(wide);
    }
    if (full.empty() || IsVerbatimOrDevicePath(full)) {
        return wide;
    }
    if (full.starts_with(L"\\\\")) {
        return L"\\\\?\\UNC\\" + full.substr(2);
    }
    return L"\\\\?\\" + full;
}
