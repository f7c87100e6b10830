#include "ui/drop/send_to_shortcut.h"

#include <windows.h>

#include <shlobj.h>

#include "framework/application_name.h"
#include "framework/file_name.h"
#include "framework/file_system/file_kind.h"
#include "framework/shell_link.h"

namespace {

// Named after the product rather than the executable, so that the menu
// reads as the window's caption does.
constexpr wchar_t kShortcutName[] = L"\\Varnel.lnk";
constexpr wchar_t kProgramName[] = L"varnel.exe";

bool SameFileName(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

// A shortcut the program made, here or from another copy of it.
bool StartsTheProgram(const std::wstring& shortcut) {
    const CFileName target(ShellLinkTarget(shortcut));
    const std::wstring name = target.FinalComponent().Real();
    return !name.empty() && (SameFileName(name, kProgramName) ||
                             SameFileName(name, CFileName(ModulePath()).FinalComponent().Real()));
}

}  // namespace

std::wstring SendToShortcutPath() {
    wchar_t folder[MAX_PATH];
    if (SHGetFolderPathW(nullptr, CSIDL_SENDTO | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT,
                         folder) != S_OK) {
        return {};
    }
    return folder + std::wstring(kShortcutName);
}

bool HasSendToShortcut() {
    return IsExistingFile(CFileName(SendToShortcutPath()));
}

bool AddSendToShortcut() {
    const std::wstring path = SendToShortcutPath();
    const std::wstring program = ModulePath();
    return !path.empty() && !program.empty() && CreateShellLink(path, program);
}

// A shortcut already gone (removed in Explorer while the menu was open) is
// what was asked for.
SendToRemoval RemoveSendToShortcut() {
    const std::wstring path = SendToShortcutPath();
    if (path.empty()) {
        return SendToRemoval::Failed;
    }
    if (!Exists(CFileName(path))) {
        return SendToRemoval::Removed;
    }
    if (!StartsTheProgram(path)) {
        return SendToRemoval::NotTheProgramsShortcut;
    }
    return RemoveFile(CFileName(path)) ? SendToRemoval::Removed : SendToRemoval::Failed;
}
