#include "app/own_output.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "framework/file_system/file_identity.h"
#include "framework/file_system/file_kind.h"

void LeaveOutOwnOutput(CInputList& inputs) {
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (output == INVALID_HANDLE_VALUE || output == nullptr ||
        GetFileType(output) != FILE_TYPE_DISK) {
        return;
    }
    const std::optional<FileIdentity> own = IdentityOf(output);
    if (!own) {
        return;
    }
    // Only inputs of the output's name, or of its size where its name
    // cannot be told, are opened, so that a large folder costs no second
    // open per file; the identity decides.
    const std::optional<std::wstring> name = FinalNameOf(output);
    LARGE_INTEGER size = {};
    GetFileSizeEx(output, &size);
    std::erase_if(inputs, [&](const InputEntry& entry) {
        const std::wstring_view final = entry.RealFinalName();
        if (name ? CompareStringOrdinal(final.data(), static_cast<int>(final.size()), name->c_str(),
                                        -1, TRUE) != CSTR_EQUAL
                 : FileSize(entry.Path()) != size.QuadPart) {
            return false;
        }
        return IdentityOfFileAt(entry.Path()) == own;
    });
}
