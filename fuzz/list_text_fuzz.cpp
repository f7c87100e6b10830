// Prepares arbitrary bytes as a ".txt" and as a ".crc" list, as the job
// runner does, and checks that the lines put together again give back
// exactly the text they came from: no byte lost, none added, no line cut
// elsewhere than at its line end.
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/list_text.h"
#include "framework/text_mode.h"
#include "fuzz/fuzz_check.h"

namespace {

std::string Join(const CStringList& lines, std::string_view delimiter) {
    std::string text;
    for (const std::string& line : lines) {
        Expect(line.find(delimiter) == std::string::npos, "a line holds its line end");
        text += line;
        text += delimiter;
    }
    return text;
}

void CheckTextList(std::string_view bytes) {
    const CStringList lines = TextListLines(bytes);
    // Text mode: CR LF read as LF, the text ends at the first Ctrl-Z.
    std::string text = TextModeContent(bytes);
    Expect(text.find('\x1a') == std::string::npos, "text mode kept a Ctrl-Z");
    Expect(text.size() <= bytes.size(), "text mode added bytes");
    text += '\n';
    text.erase(0, text.find_first_not_of('\n'));
    Expect(lines.IsEmpty() || !lines.GetHead().empty(), "an empty first line was kept");
    Expect(Join(lines, "\n") == text, "the lines of a .txt list are not its text");
    Expect(IsSfv32List(lines) ==
               (!lines.IsEmpty() && lines.GetHead().find("WIN-SFV32") != std::string::npos),
           "the SFV-32 test looks elsewhere than the first line");
}

void CheckCrcList(std::string_view bytes) {
    const CStringList lines = CrcListLines(bytes);
    const bool cutAtLfCr = bytes.find("\n\r") != std::string_view::npos;
    const std::string_view delimiter = cutAtLfCr ? "\n\r" : "\r\n";
    const std::string text = Join(lines, delimiter);
    Expect(bytes.starts_with(text), "the lines of a .crc list are not its bytes");
    // Only what follows the last line end is left out.
    Expect(bytes.substr(text.size()).find(delimiter) == std::string_view::npos,
           "a line of a .crc list was lost");
    Expect(IsColumnList(bytes) == bytes.starts_with("FileName"), "a column list told wrongly");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckTextList(bytes);
    CheckCrcList(bytes);
    return 0;
}
