#include "framework/application_name.h"

#include <windows.h>

#include <string>

namespace {

// The path of the executable, however long: a path that does not fit comes
// back cut to the buffer's size, so the buffer grows until it fits.
std::wstring ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

CFileName ApplicationName() {
    const std::wstring name = CFileName(ModulePath()).FinalComponent().Real();
    return CFileName(name.substr(0, name.rfind(L'.')));
}
