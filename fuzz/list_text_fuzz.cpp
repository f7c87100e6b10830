// Prepares arbitrary bytes as a ".txt" and as a ".crc" list, as the job
// runner does, and checks that the lines are exactly the text between its
// line ends: no byte lost, none added, no line cut elsewhere than at a CR
// or an LF.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "lists/list_text.h"

namespace {

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// The lines must be the runs of bytes between line ends, each whole, in
// order: joined they give the text without its line ends, and there are as
// many as the text has runs.
void CheckLines(const CStringList& lines, std::string_view text) {
    std::string joined;
    for (const std::string& line : lines) {
        Expect(!line.empty(), "an empty line was kept");
        Expect(line.find_first_of("\r\n") == std::string::npos, "a line holds a line end");
        joined += line;
    }
    std::string content;
    std::size_t runs = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsLineEnd(text[i])) {
            runs += (i == 0 || IsLineEnd(text[i - 1])) ? 1 : 0;
            content += text[i];
        }
    }
    Expect(joined == content, "the lines are not the text");
    Expect(lines.GetCount() == runs, "a line was cut elsewhere than at a line end");
}

void CheckTextList(std::string_view bytes) {
    const CStringList lines = TextListLines(bytes);
    // Text: it ends at the first Ctrl-Z.
    CheckLines(lines, bytes.substr(0, bytes.find('\x1a')));
    Expect(IsSfv32List(CutListText(bytes, ListForm::Report)) ==
               (!lines.IsEmpty() && lines.GetHead().find("WIN-SFV32") != std::string::npos),
           "the SFV-32 test looks elsewhere than the first line");
}

void CheckCrcList(std::string_view bytes) {
    // Bytes: a Ctrl-Z is data.
    CheckLines(CrcListLines(bytes), bytes);
    Expect(IsColumnList(bytes) == bytes.starts_with("FileName"), "a column list told wrongly");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckTextList(bytes);
    CheckCrcList(bytes);
    return 0;
}
