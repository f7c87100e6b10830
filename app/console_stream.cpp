#include "app/console_stream.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "framework/cp932_text.h"

namespace {

// Older consoles refuse very large writes; pieces of this many characters pass.
constexpr std::size_t kConsoleChunk = 8192;

}  // namespace

CConsoleStream::CConsoleStream(Which which)
    : m_handle(GetStdHandle(which == Which::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE)) {
    DWORD mode = 0;
    m_interactive = m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE &&
                    GetConsoleMode(m_handle, &mode) != 0;
}

std::size_t CConsoleStream::Columns() const {
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!m_interactive || !GetConsoleScreenBufferInfo(m_handle, &info)) {
        return 80;
    }
    const int width = info.srWindow.Right - info.srWindow.Left + 1;
    return width > 0 ? static_cast<std::size_t>(width) : 80;
}

bool CConsoleStream::Write(std::string_view text) const {
    if (text.empty()) {
        return true;
    }
    return m_interactive ? WriteConsoleText(text) : WriteBytes(text);
}

bool CConsoleStream::WriteConsoleText(std::string_view text) const {
    const std::wstring wide = WidenText(text);
    if (wide.empty()) {
        return false;
    }
    // Code page 932 has no character outside the basic plane, so a piece
    // never ends inside a surrogate pair.
    for (std::size_t done = 0; done < wide.size();) {
        const DWORD piece = static_cast<DWORD>(std::min(wide.size() - done, kConsoleChunk));
        DWORD written = 0;
        if (!WriteConsoleW(m_handle, wide.data() + done, piece, &written, nullptr) ||
            written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

bool CConsoleStream::WriteBytes(std::string_view bytes) const {
    for (std::size_t done = 0; done < bytes.size();) {
        const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
        DWORD written = 0;
        if (!WriteFile(m_handle, bytes.data() + done, piece, &written, nullptr) || written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}
