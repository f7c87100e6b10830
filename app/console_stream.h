#pragma once

#include <cstddef>
#include <string_view>

// Standard output or standard error of the console checker. Text handed to
// it is code page 932. An interactive console gets it as UTF-16, so that
// Japanese reads correctly whatever the console's own code page (and, under
// Wine, in a UTF-8 terminal); a file or pipe gets the bytes unchanged.
class CConsoleStream {
public:
    enum class Which { Output, Error };
    explicit CConsoleStream(Which which);

    bool IsInteractive() const { return m_interactive; }
    // The console's width in columns; 80 when not known.
    std::size_t Columns() const;
    // Returns false when not everything could be written.
    bool Write(std::string_view text) const;

private:
    bool WriteConsoleText(std::string_view text) const;
    bool WriteBytes(std::string_view bytes) const;

    void* m_handle = nullptr;
    bool m_interactive = false;
};
