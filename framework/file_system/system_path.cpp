#include "framework/file_system/system_path.h"

#include <windows.h>

#include <vector>

#include "framework/cp932_text.h"
#include "framework/dos_names.h"
#include "framework/file_system/full_path.h"
#include "framework/path_parts.h"

namespace {

// The longest path the wide functions take, verbatim prefix included.
constexpr std::size_t kWidePathLimit = 32767;

bool IsVerbatimOrDevicePath(std::wstring_view path) {
    return path.starts_with(L"\\\\?\\") || path.starts_with(L"\\\\.\\");
}

// A folder name that ordinary paths shorten: ending in a dot or a space.
bool IsOddFolderName(std::wstring_view name) {
    return !name.empty() && name != L"." && name != L".." &&
           (name.back() == L'.' || name.back() == L' ');
}

// Where the first component ordinary paths do not reach as written begins,
// or npos when there is none. A drive ("C:") is no part of a component.
std::size_t FirstOddComponent(std::wstring_view path) {
    std::size_t start = path.size() >= 2 && path[1] == L':' ? 2 : 0;
    for (std::size_t end = start; end <= path.size(); ++end) {
        if (end < path.size() && !IsSeparator(path[end])) {
            continue;
        }
        const std::wstring_view name = path.substr(start, end - start);
        const bool last = end == path.size();
        if (last ? NeedsVerbatimPath(NarrowText(name)) : IsOddFolderName(name)) {
            return start;
        }
        start = end + 1;
    }
    return std::wstring_view::npos;
}

// The full path of path, whose components from odd on are joined by hand:
// the system's resolution would strip their dots and spaces or make a
// device of them. "." and ".." among them are resolved all the same.
std::wstring FullPathKeeping(const std::wstring& path, std::size_t odd) {
    std::wstring full = FullPath(odd == 0 ? L"." : path.substr(0, odd));
    if (full.empty()) {
        return {};
    }
    std::vector<std::size_t> starts;
    std::size_t start = odd;
    for (std::size_t end = odd; end <= path.size(); ++end) {
        if (end < path.size() && !IsSeparator(path[end])) {
            continue;
        }
        const std::wstring_view name = std::wstring_view(path).substr(start, end - start);
        start = end + 1;
        if (name.empty() || name == L".") {
            continue;
        }
        if (name == L"..") {
            if (!starts.empty()) {
                full.resize(starts.back());
                starts.pop_back();
            }
            continue;
        }
        if (full.back() != L'\\') {
            full += L'\\';
        }
        starts.push_back(full.size());
        full += name;
    }
    return full;
}

// Reported by ntdll from Windows 10 on: the process's manifest opts in and
// the system allows long paths.
bool LongPathsEnabled() {
    using Query = BOOLEAN(NTAPI*)();
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlAreLongPathsEnabled")));
    return query != nullptr && query() != FALSE;
}

}  // namespace

std::wstring WidePath(const std::wstring& wide) {
    if (IsVerbatimOrDevicePath(wide)) {
        return wide;
    }
    const std::size_t odd = FirstOddComponent(wide);
    // MAX_PATH counts the terminating NUL.
    if (wide.size() < MAX_PATH && odd == std::wstring::npos) {
        return wide;
    }
    // The full path resolves "." and ".." and turns '/' into '\', which a
    // verbatim path takes literally.
    const std::wstring full =
        odd == std::wstring::npos ? FullPath(wide) : FullPathKeeping(wide, odd);
    if (full.empty() || IsVerbatimOrDevicePath(full)) {
        return wide;
    }
    if (full.starts_with(L"\\\\")) {
        return L"\\\\?\\UNC\\" + full.substr(2);
    }
    return L"\\\\?\\" + full;
}

std::optional<std::wstring> SystemPath(const CFileName& path, OpenFailure* why) {
    OpenFailure ignored;
    OpenFailure& failure = why != nullptr ? *why : ignored;
    failure = OpenFailure::CannotOpen;
    const std::wstring& real = path.Real();
    if (real.empty() || real.find(L'\0') != std::wstring::npos) {
        return std::nullopt;
    }
    std::wstring wide = WidePath(real);
    if (wide.size() >= kWidePathLimit) {
        failure = OpenFailure::PathTooLong;
        return std::nullopt;
    }
    failure = OpenFailure::None;
    return wide;
}

bool FitsNewFileLimit(const CFileName& path) {
    return SystemPath(path) &&
           path.Real().size() < (LongPathsEnabled() ? kWidePathLimit : MAX_PATH);
}
