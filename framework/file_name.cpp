#include "framework/file_name.h"

#include "framework/cp932_text.h"
#include "framework/path_parts.h"

CFileName::CFileName(std::wstring real) : m_real(std::move(real)) {
    bool lossy = false;
    m_text = NarrowText(m_real, &lossy);
    m_exact = !lossy;
}

CFileName CFileName::FromText(std::string_view text) {
    const std::size_t nul = text.find('\0');
    std::wstring real = WidenText(text.substr(0, nul));
    if (nul != std::string_view::npos) {
        real += L'\0';
    }
    CFileName name;
    name.m_real = std::move(real);
    name.m_text = std::string(text);
    return name;
}

CFileName CFileName::Child(std::wstring_view name) const {
    std::wstring path = m_real;
    if (!path.empty() && !IsSeparator(path.back()) && path.back() != L':') {
        path += L'\\';
    }
    path += name;
    return CFileName(std::move(path));
}

CFileName CFileName::Folder() const {
    return CFileName(m_real.substr(0, FinalComponentStart(m_real)));
}

CFileName CFileName::FinalComponent() const {
    return CFileName(m_real.substr(FinalComponentStart(m_real)));
}
