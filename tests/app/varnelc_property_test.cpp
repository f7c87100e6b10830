// A saved report as a user makes one: random trees of hostile names, checked
// by varnelc over random argument shapes, the report saved where its rows
// point. Unchanged, it verifies clean or says why it is no baseline; after
// one file changed, it names exactly that file.
//   VARNEL_PROPERTY_ROUNDS  rounds (default 15); VARNEL_PROPERTY_SEED  replays a seed
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <sstream>
#include <vector>

#include "framework/cp932_text.h"
#include "tests/support/child_process.h"
#include "tests/support/test_files.h"

namespace {

// Name pieces: '-' and ".." (at a name's start or inside), a 0x5C trail
// byte, half-width kana, and characters code page 932 cannot write; then
// the words of the report's own lines.
const wchar_t* const kPieces[] = {L"a",          L"Q7",     L"-",     L"..",
                                  L"表",         L"ソ",     L"能力",  L"\uFF83\uFF71",
                                  L"\U00020BB7", L"\uD55C", L"Name ", L"Total "};
// ".binary" and ".bin2" have 8.3 short names that end in ".BIN".
const wchar_t* const kExtensions[] = {L".bin", L".dat", L"", L".binary", L".bin2"};

struct Node {
    std::wstring path;  // from the tree's root
    bool folder = false;
    std::size_t parent = 0;
};

class Round {
public:
    explicit Round(std::mt19937_64& random) : m_random(random) {}

    void MakeTree(const TestFolder& root) {
        m_nodes = {{L"", true, 0}};
        for (int i = 0, count = Pick(3, 12); i < count; ++i) {
            const bool folder = Pick(0, 2) == 0;
            // The newest folder half the time, so that trees grow deep.
            const std::size_t parent = Pick(0, 1) == 0 ? Folders().back() : PickOf(Folders());
            const std::wstring name = UniqueName(parent, folder);
            const Node node{m_nodes[parent].path + (parent == 0 ? L"" : L"\\") + name, folder,
                            parent};
            if (folder) {
                CreateDirectoryW((WidenText(root.Path()) + L"\\" + node.path).c_str(), nullptr);
            } else {
                root.Write(node.path, std::string(Pick(0, 40), static_cast<char>(Pick(0, 255))));
            }
            m_nodes.push_back(node);
        }
    }

    // The command line of a random shape over a folder of the tree that a
    // command line can name, typed from the tree's root, and the files it covers.
    std::string ChooseShape(std::vector<std::size_t>& covered) {
        std::vector<std::size_t> typable = Folders();
        std::erase_if(typable,
                      [&](std::size_t folder) { return !IsTypable(m_nodes[folder].path); });
        m_base = PickOf(typable);
        switch (Pick(0, 5)) {
            case 0:  // files by name
                for (const std::size_t file : Children(m_base, false)) {
                    if (IsTypable(m_nodes[file].path) && Pick(0, 1) == 0) {
                        covered.push_back(file);
                    }
                }
                if (!covered.empty()) {
                    std::string paths = "--";
                    for (const std::size_t file : covered) {
                        paths += " \"" + Text(m_nodes[file].path) + "\"";
                    }
                    return paths;
                }
                [[fallthrough]];
            case 1:  // the folder
                covered = Children(m_base, false);
                return "-- " + Inside(".");
            case 2:  // its whole tree
                covered = Below(m_base);
                return "-r -- " + Inside(".");
            case 3:  // a wildcard's matches, with their trees
                return "-r -- " + WildcardOver(covered);
            case 4:  // the long names of one extension
                return "-- " + ExtensionPattern(covered);
            default:  // a file and its folder: the file is given twice
                const std::string pattern = ExtensionPattern(covered);
                const std::vector<std::size_t> files = Children(m_base, false);
                covered.insert(covered.end(), files.begin(), files.end());
                return "-- " + pattern + " " + Inside(".");
        }
    }

    std::wstring RowName(std::size_t file) const {
        const std::wstring& base = m_nodes[m_base].path;
        return m_nodes[file].path.substr(base.empty() ? 0 : base.size() + 1);
    }
    const Node& At(std::size_t node) const { return m_nodes[node]; }
    std::size_t Base() const { return m_base; }
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    static std::string Text(const std::wstring& name, bool* lossy = nullptr) {
        return NarrowText(name, lossy);
    }
    static bool IsTypable(const std::wstring& name) {
        bool lossy = false;
        Text(name, &lossy);
        return !lossy;
    }

private:
    std::size_t PickOf(const std::vector<std::size_t>& nodes) {
        return nodes[static_cast<std::size_t>(Pick(0, static_cast<int>(nodes.size()) - 1))];
    }

    std::wstring UniqueName(std::size_t parent, bool folder) {
        for (;;) {
            std::wstring name = Pick(0, 4) == 0 ? L" " : L"";
            for (int i = 0, count = Pick(1, 3); i < count; ++i) {
                name += kPieces[Pick(0, static_cast<int>(std::size(kPieces)) - 1)];
            }
            name +=
                folder ? L"" : kExtensions[Pick(0, static_cast<int>(std::size(kExtensions)) - 1)];
            if (name.back() == L'.' || name.back() == L' ') {
                name += L'z';  // the system drops a name's final dots and blanks
            }
            const auto taken = [&](std::size_t other) {
                return CompareStringOrdinal(FinalName(other).c_str(), -1, name.c_str(), -1, TRUE) ==
                       CSTR_EQUAL;
            };
            const std::vector<std::size_t> siblings = Children(parent, true);
            if (std::none_of(siblings.begin(), siblings.end(), taken)) {
                return name;
            }
        }
    }

    std::vector<std::size_t> Folders() const {
        return Select([](const Node& n) { return n.folder; });
    }
    std::vector<std::size_t> Children(std::size_t folder, bool folders) const {
        return Select([&](const Node& n) {
            return &n != &m_nodes[0] && n.parent == folder && (folders || !n.folder);
        });
    }
    std::vector<std::size_t> Below(std::size_t folder) const {
        std::vector<std::size_t> files;
        for (std::size_t i = 1; i < m_nodes.size(); ++i) {
            std::size_t up = i;
            while (up != 0 && up != folder) {
                up = m_nodes[up].parent;
            }
            if (up == folder && !m_nodes[i].folder) {
                files.push_back(i);
            }
        }
        return files;
    }
    template <typename Test>
    std::vector<std::size_t> Select(Test test) const {
        std::vector<std::size_t> nodes;
        for (std::size_t i = 0; i < m_nodes.size(); ++i) {
            if (test(m_nodes[i])) {
                nodes.push_back(i);
            }
        }
        return nodes;
    }

    // A name inside the base as typed from the tree's root, quoted.
    std::string Inside(const std::string& name) const {
        const std::string base = Text(m_nodes[m_base].path);
        return "\"" + (base.empty() ? name : name == "." ? base : base + "\\" + name) + "\"";
    }

    // "*" or "*a*": a pattern whose matches a plain search for the letter
    // tells apart, independently of the program's own matching.
    std::string WildcardOver(std::vector<std::size_t>& covered) {
        const wchar_t letter = L"aqnt"[Pick(0, 3)];
        const bool every = Pick(0, 1) == 0;
        for (const std::size_t child : Children(m_base, true)) {
            std::wstring name = FinalName(child);
            CharLowerBuffW(name.data(), static_cast<DWORD>(name.size()));
            if (every || name.find(letter) != std::wstring::npos) {
                const std::vector<std::size_t> files =
                    m_nodes[child].folder ? Below(child) : std::vector<std::size_t>{child};
                covered.insert(covered.end(), files.begin(), files.end());
            }
        }
        return Inside(every ? "*" : std::string{'*', static_cast<char>(letter), '*'});
    }

    std::string ExtensionPattern(std::vector<std::size_t>& covered) {
        const bool bin = Pick(0, 1) == 0;
        const std::wstring extension = bin ? L".bin" : L".dat";
        for (const std::size_t file : Children(m_base, false)) {
            const std::wstring name = FinalName(file);
            if (name.size() > 4 && name.substr(name.size() - 4) == extension) {
                covered.push_back(file);
            }
        }
        return Inside(bin ? "*.bin" : "*.dat");
    }

    std::wstring FinalName(std::size_t node) const {
        return m_nodes[node].path.substr(m_nodes[node].path.find_last_of(L'\\') + 1);
    }

    std::mt19937_64& m_random;
    std::vector<Node> m_nodes;
    std::size_t m_base = 0;
};

// A report read independently of the program's reader: the message lines
// above the table's header, and the name of each row, sorted.
struct Report {
    std::vector<std::string> messages;
    std::vector<std::string> rows;
};

Report Read(const std::string& text) {
    Report report;
    std::istringstream in(text);
    bool table = false;
    for (std::string line, previous; std::getline(in, line); previous = line) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty() && line.find_first_not_of("- ") == std::string::npos) {
            table = !table && previous.rfind("Name ", 0) == 0;
            if (table) {
                report.messages.pop_back();
            }
        } else if (table) {
            // Name, CRC, size: the name is what stands before the last two fields.
            std::size_t end = line.find_last_not_of(' ');
            for (int field = 0; field < 2; ++field) {
                end = line.find_last_not_of(' ', line.find_last_of(' ', end));
            }
            report.rows.push_back(line.substr(0, end + 1));
        } else if (report.rows.empty()) {
            report.messages.push_back(line);
        }
    }
    std::sort(report.messages.begin(), report.messages.end());
    std::sort(report.rows.begin(), report.rows.end());
    return report;
}

unsigned long long Setting(const char* name, unsigned long long otherwise) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::strtoull(value, nullptr, 10) : otherwise;
}

TEST(VarnelcPropertyTest, ASavedReportNamesExactlyTheFileThatChanged) {
    const unsigned long long seed = Setting("VARNEL_PROPERTY_SEED", std::random_device{}());
    const unsigned long long rounds = Setting("VARNEL_PROPERTY_ROUNDS", 15);
    std::mt19937_64 random(seed);
    TestFolder scratch;
    for (unsigned long long number = 1; number <= rounds && !HasFailure(); ++number) {
        TestFolder root;
        Round round(random);
        round.MakeTree(root);
        std::vector<std::size_t> covered;
        const std::string arguments = round.ChooseShape(covered);
        SetCurrentDirectoryA(root.Path().c_str());
        const ConsoleRun saved = RunVarnelc(arguments, scratch);
        SetCurrentDirectoryA(scratch.Path().c_str());
        SCOPED_TRACE("VARNEL_PROPERTY_SEED=" + std::to_string(seed) + ", round " +
                     std::to_string(number) + ": varnelc " + arguments + "\n" + saved.out);
        const std::string base = Round::Text(round.At(round.Base()).path);
        std::vector<std::string> rows;
        for (const std::size_t file : covered) {
            rows.push_back(Round::Text(round.RowName(file)));
        }
        std::sort(rows.begin(), rows.end());
        EXPECT_EQ(Read(saved.out).rows, rows);
        const std::string list =
            root.Write(base.empty() ? "sums.txt" : base + "\\sums.txt", saved.out);

        const ConsoleRun unchanged = RunVarnelc(Quoted(list), scratch);
        const std::vector<std::string> before = Read(unchanged.out).messages;
        const bool refused =
            std::any_of(before.begin(), before.end(),
                        [&](const std::string& line) { return line.rfind(list + ":", 0) == 0; });
        ASSERT_TRUE(unchanged.status == 0 || (unchanged.status == 1 && refused)) << unchanged.out;

        std::erase_if(covered,
                      [&](std::size_t file) { return !Round::IsTypable(round.RowName(file)); });
        if (covered.empty()) {
            continue;
        }
        const std::size_t file =
            covered[static_cast<std::size_t>(round.Pick(0, static_cast<int>(covered.size()) - 1))];
        const std::string name = Round::Text(round.At(file).path);
        std::string bytes = ReadFileBytes(root.PathOf(name));
        bytes = bytes.empty() ? "x" : bytes.replace(0, 1, 1, static_cast<char>(bytes[0] ^ 1));
        root.Write(name, bytes);
        const ConsoleRun changed = RunVarnelc(Quoted(list), scratch);
        std::vector<std::string> added;
        const std::vector<std::string> after = Read(changed.out).messages;
        std::set_difference(after.begin(), after.end(), before.begin(), before.end(),
                            std::back_inserter(added));
        EXPECT_EQ(changed.status, 1u) << changed.out;
        const std::string row = Round::Text(round.RowName(file)) + ":";
        EXPECT_TRUE(added.size() == 1 && added[0].rfind(row, 0) == 0) << "changed " << row << "\n"
                                                                      << changed.out;
    }
}

}  // namespace
