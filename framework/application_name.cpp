#include "framework/application_name.h"

#include <windows.h>

// The system truncates a name that does not fit and returns the buffer's
// size, so the buffer grows until the whole name fits.
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

CFileName ApplicationName() {
    const std::wstring name = CFileName(ModulePath()).FinalComponent().Real();
    return CFileName(name.substr(0, name.rfind(L'.')));
}
