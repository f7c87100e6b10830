#include "framework/shell_link.h"

#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>
#include <wrl/client.h>

namespace {

using Microsoft::WRL::ComPtr;

// A window's thread is a single-threaded apartment. A thread that already
// joined the other kind keeps it, and shell links work there too.
class CComApartment {
public:
    CComApartment() : m_joined(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~CComApartment() {
        if (m_joined) {
            CoUninitialize();
        }
    }
    CComApartment(const CComApartment&) = delete;
    CComApartment& operator=(const CComApartment&) = delete;

private:
    bool m_joined;
};

}  // namespace

bool CreateShellLink(const std::wstring& linkPath, const std::wstring& targetPath) {
    const CComApartment apartment;
    ComPtr<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&link))) ||
        FAILED(link->SetPath(targetPath.c_str()))) {
        return false;
    }
    ComPtr<IPersistFile> file;
    return SUCCEEDED(link.As(&file)) && SUCCEEDED(file->Save(linkPath.c_str(), TRUE));
}

std::wstring ShellLinkTarget(const std::wstring& linkPath) {
    const CComApartment apartment;
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;
    wchar_t target[MAX_PATH] = {};
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&link))) ||
        FAILED(link.As(&file)) || FAILED(file->Load(linkPath.c_str(), STGM_READ)) ||
        FAILED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH))) {
        return {};
    }
    return target;
}
