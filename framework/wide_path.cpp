#include "framework/wide_path.h"

#include <windows.h>

#include <vector>

#include "framework/cp932_text.h"
#include "framework/dos_names.h"
#include "framework/file_name.h"
#include "framework/path_parts.h"

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

namespace {

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

// The file functions' form of a file name is made by the rule above.
std::wstring CFileName::SystemPath() const {
    return WidePath(m_real);
}
