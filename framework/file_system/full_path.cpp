#include "framework/file_system/full_path.h"

#include <windows.h>

#include <optional>

#include "framework/file_system/system_path.h"

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

// A verbatim path is full already; the system resolves it no further.
std::wstring ReachedPath(const CFileName& path) {
    const std::optional<std::wstring> system = SystemPath(path);
    if (!system) {
        return {};
    }
    std::wstring full = system->starts_with(L"\\\\?\\") ? *system : FullPath(*system);
    return full.empty() ? *system : full;
}
