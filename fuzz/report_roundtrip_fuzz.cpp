// The promise of a saved report, as a property: for any set of names the
// report can write, lay the report out, change any one of its files, and
// read it back through the loop the job runs. Exactly that file, and no
// other, must be named. The files live in memory, reached through the same
// probe interface as the files on disk.
#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "engine/job_report.h"
#include "framework/cp932.h"
#include "framework/cp932_text.h"
#include "fuzz/fuzz_check.h"
#include "lists/entry_outcome.h"
#include "lists/list_reader.h"
#include "lists/list_text.h"
#include "ui/result/report_layout.h"

namespace {

// Pieces of names: dashes, dots and blanks where readers cut lines (a blank
// before a dot or at the start included), the words of the report's header
// and total, double-byte characters whose trail byte is a backslash (表, ソ,
// 能), and a run past the name column.
const std::string kPieces[] = {
    "a",    "B",     "-",        ".",        "..",       " ",
    "Name", "Total", "\x95\x5C", "\x83\x5C", "\x94\x5C", std::string(130, 'n'),
    "1A2B", ",",     "---",      "FFFF",     "0",        "@",
    "~",    "=",     "  ",       "x",        "+",        "!",
    " .",   ". ",
};

constexpr std::size_t kMostFiles = 12;
const std::string kFolder = "C:\\d\\";

// A name a file can have and a report row carries whole: no character the
// file system refuses, and no blank or dot at its end. Blanks at its start
// and around its dots are the name's own: a row names exactly its file.
bool IsWritableName(const std::string& name) {
    if (name.empty() || name.back() == ' ' || name.back() == '.') {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if (IsLeadByte(byte)) {
            ++i;
        } else if (byte < 0x20 ||
                   std::string_view("\"*/:<>?\\|").find(name[i]) != std::string_view::npos) {
            return false;
        }
    }
    return true;
}

struct FileState {
    std::uint16_t crc = 0;
    std::int64_t size = 0;
};

using MemoryFiles = std::map<std::string, FileState>;

// One listed file of the memory's, by its path.
class MemoryProbe : public ListedFileProbe {
public:
    MemoryProbe(const MemoryFiles& files, std::string path) : m_files(files), m_path(path) {}

    ProbedLength Length() override {
        const auto file = m_files.find(m_path);
        if (file == m_files.end()) {
            return {std::nullopt, OpenFailure::CannotOpen};
        }
        return {file->second.size, OpenFailure::None};
    }
    std::uint16_t Crc(std::int64_t& bytesRead) override {
        const FileState& file = m_files.at(m_path);
        bytesRead = file.size;
        return file.crc;
    }

private:
    const MemoryFiles& m_files;
    std::string m_path;
};

std::vector<std::string> NamesOf(std::string_view data) {
    std::vector<std::string> names;
    std::set<std::string> seen;  // the file system's names ignore ASCII case
    std::string name;
    for (const char byte : data) {
        if (byte != '\0') {
            name += kPieces[static_cast<unsigned char>(byte) % std::size(kPieces)];
            continue;
        }
        std::string key = name;
        std::transform(key.begin(), key.end(), key.begin(), ToLowerAscii);
        if (IsWritableName(name) && seen.insert(key).second && names.size() < kMostFiles) {
            names.push_back(name);
        }
        name.clear();
    }
    return names;
}

// The report's bytes, as the result window saves them.
std::string SavedReport(const std::vector<std::string>& names, const MemoryFiles& disk) {
    CStringList messages, rows;
    CCrcList crcs;
    CSizeList sizes;
    for (const std::string& name : names) {
        const FileState& file = disk.at(kFolder + name);
        messages.AddTail("@");
        rows.AddTail(name);
        crcs.AddTail(file.crc);
        sizes.AddTail(file.size);
    }
    std::string report;
    BuildReportLines(messages, rows, crcs, sizes,
                     [&report](const std::string& line) { report += line + "\r\n"; });
    return report;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    const std::vector<std::string> names =
        NamesOf(std::string_view(reinterpret_cast<const char*>(data) + 2, size - 2));
    if (names.empty()) {
        return 0;
    }
    MemoryFiles disk;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::int64_t large = (data[1] & 0x80) != 0 ? std::int64_t{1} << 33 : 0;
        disk[kFolder + names[i]] = {static_cast<std::uint16_t>(0x9E37 * (i + 1)),
                                    large + static_cast<std::int64_t>(names[i].size() * i)};
    }
    const std::string report = SavedReport(names, disk);

    const std::string& changed = names[data[0] % names.size()];
    FileState& file = disk.at(kFolder + changed);
    switch (data[1] % 3) {
        case 0:
            file.crc ^= 0x0101;
            break;
        case 1:
            ++file.size;
            break;
        default:
            disk.erase(kFolder + changed);
    }

    CJobReport jobReport;
    const ListSummary summary = ReadListEntries(
        CutListText(report, ListForm::Report), ListForm::Report, CFileName(WidenText(kFolder)),
        [&](const ListEntry& entry, const ListedFile& listed) {
            MemoryProbe probe(disk, listed.file.Text());
            VerifyListEntry(probe, entry, listed, jobReport);
            return true;
        });
    Expect(summary.entries == names.size() && jobReport.RowCount() == names.size(),
           "a row of the report was not read back");
    Expect(summary.notes == ListNotes{}, "a line of a clean report was taken for a message");
    const CStringList& messages = jobReport.Lines().messageList;
    Expect(messages.GetCount() == 1 && messages.GetHead().starts_with(changed + ":"),
           "the changed file is not the one file named");
    const CStringList& failed = jobReport.FailedList();
    Expect(failed.GetCount() == 1 && failed.GetHead() == changed,
           "another file than the changed one failed");
    return 0;
}
