#pragma once

#include <string>
#include <string_view>

// A file's name as the file system holds it, and the code page 932 text the
// report shows for it. Every file function reaches the file by its real
// (UTF-16) name; the text is for report lines and messages only, with '?'
// for a character code page 932 cannot write, so it is never opened.
class CFileName {
public:
    CFileName() = default;
    explicit CFileName(std::wstring real);
    // A name written as code page 932 text (typed, or read from a list),
    // which names the file exactly. A NUL in it is kept, so that the name
    // reaches no file rather than one cut short.
    static CFileName FromText(std::string_view text);

    const std::wstring& Real() const { return m_real; }
    const std::string& Text() const { return m_text; }
    // True when the text names the file exactly: a saved report can name it.
    bool IsTextExact() const { return m_exact; }
    bool IsEmpty() const { return m_real.empty(); }

    // The name of an entry below this folder.
    CFileName Child(std::wstring_view name) const;
    // Makes this the name of the entry name below folder, in the storage this
    // name holds already: a job names each file of a large tree in turn
    // without a new allocation for each.
    void AssignChild(const CFileName& folder, std::wstring_view name);
    // The folder part up to and including the last separator, or empty.
    CFileName Folder() const;
    // The last component: its name without any folder.
    CFileName FinalComponent() const;

    bool operator==(const CFileName& other) const { return m_real == other.m_real; }

private:
    std::wstring m_real;
    std::string m_text;
    bool m_exact = true;
};
