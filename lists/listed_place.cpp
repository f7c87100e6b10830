#include "lists/listed_place.h"

#include <optional>
#include <string>
#include <vector>

#include "framework/path_parts.h"

namespace {

wchar_t FoldAscii(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool IsDrive(std::wstring_view component) {
    return component.size() == 2 && component[1] == L':' && FoldAscii(component[0]) >= L'a' &&
           FoldAscii(component[0]) <= L'z';
}

// The components of a path, empty ones and "." left out, each ".." taking
// away the one before it as the system resolves them. Nothing when ".."
// climbs above the first component: the path has left its root. The system
// passes a verbatim path on unresolved: its "." and ".." are names there.
std::optional<std::vector<std::wstring_view>> Components(std::wstring_view path, bool verbatim) {
    std::vector<std::wstring_view> components;
    std::size_t start = 0;
    for (std::size_t end = 0; end <= path.size(); ++end) {
        if (end < path.size() && !IsSeparator(path[end])) {
            continue;
        }
        const std::wstring_view name = path.substr(start, end - start);
        start = end + 1;
        if (name == L".." && !verbatim) {
            if (components.empty()) {
                return std::nullopt;
            }
            components.pop_back();
        } else if (!name.empty() && (name != L"." || verbatim)) {
            components.push_back(name);
        }
    }
    return components;
}

// Where a path leads, and the root it lies below (server and share, or the
// device), its ASCII letters folded. An empty root matches no other.
struct PathRoot {
    ListedPlace place = ListedPlace::File;
    std::wstring root;
};

// The root made of count components from first on, or empty when the path
// has fewer.
PathRoot RootOf(ListedPlace place, const std::optional<std::vector<std::wstring_view>>& components,
                std::size_t first, std::size_t count) {
    if (!components || components->size() < first + count) {
        return {place, {}};
    }
    std::wstring root;
    for (std::size_t i = first; i < first + count; ++i) {
        for (const wchar_t c : (*components)[i]) {
            root += FoldAscii(c);
        }
        root += L'\\';
    }
    return {place, root};
}

// What follows "\\?\" or "\??\", which the system passes on as it stands
// (verbatim), or "\\.\" (device): a drive, "UNC\server\share", or a device.
PathRoot NamespaceRoot(std::wstring_view rest, bool verbatim) {
    const auto components = Components(rest, verbatim);
    if (components && !components->empty()) {
        const std::wstring_view first = components->front();
        if (verbatim && IsDrive(first)) {
            return {};
        }
        if (first.size() == 3 && FoldAscii(first[0]) == L'u' && FoldAscii(first[1]) == L'n' &&
            FoldAscii(first[2]) == L'c') {
            return verbatim ? RootOf(ListedPlace::Network, components, 1, 2)
                            : RootOf(ListedPlace::Device, components, 0, 3);
        }
    }
    return RootOf(ListedPlace::Device, components, 0, 1);
}

// Only exactly "\\?\" and "\??\" are verbatim; "//?/" and "\\.\" are device
// paths the system resolves further, both separators alike.
PathRoot PathRootOf(std::wstring_view path) {
    if (path.starts_with(L"\\\\?\\") || path.starts_with(L"\\??\\")) {
        return NamespaceRoot(path.substr(4), true);
    }
    if (path.size() < 2 || !IsSeparator(path[0]) || !IsSeparator(path[1])) {
        return {};
    }
    const bool device = path.size() >= 3 && (path[2] == L'.' || path[2] == L'?') &&
                        (path.size() == 3 || IsSeparator(path[3]));
    if (device) {
        return NamespaceRoot(path.substr(3), false);
    }
    return RootOf(ListedPlace::Network, Components(path.substr(2), false), 0, 2);
}

}  // namespace

ListedPlace ClassifyListedPath(std::wstring_view listFolder, std::wstring_view path) {
    const PathRoot entry = PathRootOf(path);
    if (entry.place == ListedPlace::File) {
        return ListedPlace::File;
    }
    const PathRoot list = PathRootOf(listFolder);
    const bool ownRoot =
        !entry.root.empty() && entry.place == list.place && entry.root == list.root;
    return ownRoot ? ListedPlace::File : entry.place;
}
