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
    CFileName child;
    child.AssignChild(*this, name);
    return child;
}

void CFileName::AssignChild(const CFileName& folder, std::wstring_view name) {
    m_real.assign(folder.m_real);
    if (!m_real.empty() && !IsSeparator(m_real.back()) && m_real.back() != L':') {
        m_real += L'\\';
    }
    m_real += name;
    bool lossy = false;
    NarrowTextInto(m_real, m_text, &lossy);
    m_exact = !lossy;
}

CFileName CFileName::Folder() const {
    return CFileName(m_real.substr(0, FinalComponentStart(m_real)));
}

CFileName CFileName::FinalComponent() const {
    return CFileName(m_real.substr(FinalComponentStart(m_real)));
}
