#include "framework/ini_text.h"

#include "framework/cp932.h"

namespace {

// True for a "[section]" line, whose name it gives.
bool SectionOf(std::string_view line, std::string_view& name) {
    if (line.empty() || line.front() != '[') {
        return false;
    }
    name = TrimAsciiSpace(line.substr(1, line.find(']') - 1));
    return true;
}

bool IsKeyLine(std::string_view line, std::string_view key) {
    const std::size_t equals = line.find('=');
    return equals != std::string_view::npos &&
           EqualsIgnoreAsciiCase(TrimAsciiSpace(line.substr(0, equals)), key);
}

void EndLastLine(std::string& text) {
    if (!text.empty() && text.back() != '\n') {
        text += "\r\n";
    }
}

}  // namespace

std::string SetIniValue(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value) {
    const std::string setting = std::string(key) + "=" + std::string(value) + "\r\n";
    std::string out;
    bool inSection = false;
    std::size_t sectionEnd = std::string::npos;
    while (!text.empty()) {
        const std::size_t lineEnd = text.find('\n');
        const std::string_view raw =
            text.substr(0, lineEnd == std::string_view::npos ? text.size() : lineEnd + 1);
        text.remove_prefix(raw.size());
        const std::string_view line = TrimAsciiSpace(raw);
        std::string_view name;
        if (SectionOf(line, name)) {
            inSection = EqualsIgnoreAsciiCase(name, section);
        } else if (inSection && IsKeyLine(line, key)) {
            return out + setting + std::string(text);
        }
        out += raw;
        if (inSection && !line.empty()) {
            sectionEnd = out.size();
        }
    }
    if (sectionEnd == std::string::npos) {
        EndLastLine(out);
        return out + "[" + std::string(section) + "]\r\n" + setting;
    }
    std::string rest = out.substr(sectionEnd);
    out.resize(sectionEnd);
    EndLastLine(out);
    return out + setting + rest;
}
