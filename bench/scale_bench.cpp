// Whether the costs that grow with the work grow linearly: each measured at
// a quarter, a half and the whole of a large case, as time per item and as
// that time against the smallest size's (1.00 everywhere is linear).
//   - folder expansion (AddFolderFiles) of folders of empty files;
//   - a report of many rows: laying it out, and opening the result window
//     over it until its list box holds every line and is painted;
//   - URL extraction of failed names from a plain URL list, against the
//     plain way of trying every remaining name on every line.
// Usage: scale_bench [rounds, default 3] [keep: leave the test folders for the next run]
// Making the folders under Wine takes hours (each new name is looked up in
// every entry of the folder); bench/run.sh makes them outside Wine.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/folder_expansion.h"
#include "bench/bench_file.h"
#include "framework/cp932.h"
#include "framework/file_find.h"
#include "framework/profile.h"
#include "framework/text_mode.h"
#include "ui/result/report_layout.h"
#include "ui/result/result_dialog.h"
#include "ui/result/url_list.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kSizeSteps = 3;  // a quarter, a half, the whole

double SecondsOf(const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    const std::chrono::duration<double> seconds = Clock::now() - start;
    return seconds.count();
}

// The median of rounds of work, each after prepare (which is not timed).
double MedianSeconds(int rounds, const std::function<void()>& prepare,
                     const std::function<void()>& work) {
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        prepare();
        times.push_back(SecondsOf(work));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// One line of a table: items, total time, time per item, and that against
// the first size's time per item.
class CScaleTable {
public:
    CScaleTable(const char* title, const char* item) {
        std::printf("\n%s\n  %9s %11s %14s %10s\n", title, item, "median ms", "us per item",
                    "vs first");
    }
    void Row(std::size_t items, double seconds, const char* note = "") {
        const double perItem = seconds * 1e6 / static_cast<double>(items);
        if (m_first == 0) {
            m_first = perItem;
        }
        std::printf("  %9zu %11.1f %14.3f %10.2f%s\n", items, seconds * 1e3, perItem,
                    perItem / m_first, note);
    }

private:
    double m_first = 0;
};

// Folder expansion --------------------------------------------------------

std::string FolderFileName(std::size_t index) {
    char name[32];
    std::snprintf(name, sizeof name, "file_%06zu.dat", index);
    return name;
}

std::size_t CountFolderFiles(const std::string& folder) {
    CInputList found;
    return AddFolderFiles(folder, found);
}

// Fills folder with count empty files unless it holds them already (a kept
// folder of an earlier run); false if a file could not be made.
bool MakeFolderOfFiles(const std::string& folder, std::size_t count) {
    CreateDirectoryA(folder.c_str(), nullptr);
    if (CountFolderFiles(folder) == count) {
        return true;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const std::string path = folder + "\\" + FolderFileName(i);
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return false;
        }
        CloseHandle(file);
    }
    return CountFolderFiles(folder) == count;
}

void RemoveFolderOfFiles(const std::string& folder) {
    std::vector<std::string> files;
    CFileFind finder;
    for (bool found = finder.FindFile(folder + "\\*.*"); found; found = finder.FindNext()) {
        if (!finder.IsDirectory()) {
            files.push_back(folder + "\\" + finder.GetFileName());
        }
    }
    finder.Close();
    for (const std::string& file : files) {
        DeleteFileA(file.c_str());
    }
    RemoveDirectoryA(folder.c_str());
}

bool BenchFolderExpansion(std::size_t largest, int rounds, bool keep) {
    const std::string root = BenchTempPath("varnel-scale-bench");
    CreateDirectoryA(root.c_str(), nullptr);
    std::vector<std::pair<std::size_t, std::string>> folders;
    for (std::size_t step = kSizeSteps; step-- > 0;) {
        const std::size_t count = largest >> step;
        folders.emplace_back(count, root + "\\" + std::to_string(count));
    }
    bool made = true;
    const double creating = SecondsOf([&] {
        for (const auto& [count, folder] : folders) {
            made = made && MakeFolderOfFiles(folder, count);
        }
    });
    std::printf("\nTest folders under %s: %s in %.1f s (not counted)\n", root.c_str(),
                made ? "ready" : "COULD NOT BE MADE", creating);
    if (made) {
        CScaleTable table("Folder expansion, AddFolderFiles of one folder", "files");
        for (const auto& [count, folder] : folders) {
            CountFolderFiles(folder);  // the first listing warms the file system's caches
            CInputList inputs;
            std::size_t added = 0;
            const double seconds = MedianSeconds(
                rounds, [&] { inputs = CInputList(); },
                [&] { added = AddFolderFiles(folder, inputs); });
            table.Row(count, seconds, added == count ? "" : "  WRONG COUNT");
            made = made && added == count;
        }
    }
    if (!keep) {
        const double removing = SecondsOf([&] {
            for (const auto& folder : folders) {
                RemoveFolderOfFiles(folder.second);
            }
            RemoveDirectoryA(root.c_str());
        });
        std::printf("  (test folders removed in %.1f s)\n", removing);
    }
    return made;
}

// Report and result window --------------------------------------------------

struct ReportLists {
    CStringList messages, names;
    CCrcList crcs;
    CSizeList sizes;
};

// Rows as a verification of a deep download folder gives them.
void FillReportLists(ReportLists& lists, std::size_t rows) {
    lists = ReportLists();
    lists.messages.AddTail("D:\\downloads\\archive\\checksums.crc");
    for (std::size_t i = 0; i < rows; ++i) {
        lists.names.AddTail("D:\\downloads\\archive\\part" + std::to_string(i % 97) + "\\" +
                            FolderFileName(i));
        lists.crcs.AddTail(static_cast<std::uint16_t>(i * 40503u));
        lists.sizes.AddTail(static_cast<std::int64_t>(i) * 7919 % 5000000000);
    }
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool BenchReport(std::size_t largest, int rounds) {
    ReportLists lists;
    bool complete = true;
    CScaleTable layout("Report layout, BuildReportLines", "rows");
    for (std::size_t step = kSizeSteps; step-- > 0;) {
        const std::size_t rows = largest >> step;
        std::vector<std::string> lines;
        const double seconds = MedianSeconds(
            rounds,
            [&] {
                FillReportLists(lists, rows);
                lines = std::vector<std::string>();
            },
            [&] {
                BuildReportLines(lists.messages, lists.names, lists.crcs, lists.sizes,
                                 [&](const std::string& line) { lines.push_back(line); });
            });
        layout.Row(rows, seconds, lines.size() == rows + 5 ? "" : "  WRONG LINE COUNT");
        complete = complete && lines.size() == rows + 5;
    }

    SetProfilePathForTesting(BenchTempPath("varnel-scale-bench.INI"));
    CScaleTable window(
        "Result window: created to shown and painted (list box filled while created)", "rows");
    for (std::size_t step = kSizeSteps; step-- > 0;) {
        const std::size_t rows = largest >> step;
        int held = 0;
        std::vector<double> created, painted;
        for (int round = 0; round < rounds; ++round) {
            FillReportLists(lists, rows);
            // Shown as its creators show it. Closing it is not timed: under
            // Xvfb without a window manager Wine waits 2 s for the unmapping.
            CResultDlg dialog;
            dialog.m_pMessageList = &lists.messages;
            dialog.m_pNameList = &lists.names;
            dialog.m_pSizeList = &lists.sizes;
            dialog.m_pCrcList = &lists.crcs;
            const auto start = Clock::now();
            if (!dialog.Create()) {
                break;
            }
            created.push_back(std::chrono::duration<double>(Clock::now() - start).count());
            ShowWindow(dialog.GetSafeHwnd(), SW_SHOWNORMAL);
            UpdateWindow(dialog.GetSafeHwnd());
            PumpMessages();
            painted.push_back(std::chrono::duration<double>(Clock::now() - start).count());
            held = dialog.m_resultList.GetCount();
        }
        std::sort(created.begin(), created.end());
        std::sort(painted.begin(), painted.end());
        const bool full = !painted.empty() && held == static_cast<int>(rows + 5);
        char note[64];
        std::snprintf(note, sizeof note, "  (created and filled: %.1f ms)%s",
                      full ? created[created.size() / 2] * 1e3 : 0.0,
                      full ? "" : "  LIST BOX INCOMPLETE");
        window.Row(rows, full ? painted[painted.size() / 2] : 0.0, note);
        complete = complete && full;
    }
    RemoveBenchFile(BenchTempPath("varnel-scale-bench.INI"));
    SetProfilePathForTesting("");
    return complete;
}

// URL extraction -------------------------------------------------------------

// The plain way, for comparison: each line is tried against every remaining
// name in list order. Same result as the program's, by construction.
std::string ExtractPlainUrlsByScan(std::string_view listBytes, const CStringList& failedNames) {
    std::vector<std::string> names(failedNames.begin(), failedNames.end());
    std::vector<bool> used(names.size());
    std::size_t remaining = names.size();
    const std::string text = TextModeContent(listBytes);
    std::string out;
    CLinePieces pieces(text);
    std::string_view line;
    while (remaining > 0 && pieces.Next(line)) {
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (!used[i] && EndsWithIgnoreAsciiCase(line, names[i])) {
                used[i] = true;
                --remaining;
                out += line;
                out += '\n';
                break;
            }
        }
    }
    return TextModeBytes(out);
}

// lines URL lines, one in every lines / names of them the URL of a failed
// file, spread over the list and in another case than the name; the failed
// names end up in reverse order of their lines.
void MakeUrlCase(std::size_t names, std::size_t lines, std::string& list, CStringList& failed) {
    list.clear();
    failed = CStringList();
    std::vector<std::string> failedNames;
    const std::size_t every = lines / names;
    for (std::size_t i = 0; i < lines; ++i) {
        std::string name = "Part" + std::to_string(i) + ".ZIP";
        if (i % every == every / 2) {
            failedNames.push_back("part" + std::to_string(i) + ".zip");
        }
        list += "http://mirror" + std::to_string(i % 7) + ".example.com/files/set" +
                std::to_string(i / 1000) + "/" + name + "\r\n";
    }
    for (auto it = failedNames.rbegin(); it != failedNames.rend(); ++it) {
        failed.AddTail(*it);
    }
}

bool BenchUrlExtraction(std::size_t largestNames, std::size_t largestLines, int rounds) {
    CScaleTable trie("URL extraction, ExtractUrlList (plain list)", "lines");
    std::vector<double> trieSeconds, scanSeconds;
    std::vector<std::size_t> lineCounts;
    bool same = true;
    for (std::size_t step = kSizeSteps; step-- > 0;) {
        const std::size_t names = largestNames >> step, lines = largestLines >> step;
        std::string list;
        CStringList failed;
        MakeUrlCase(names, lines, list, failed);
        std::string extract, scanned;
        const double seconds = MedianSeconds(
            rounds, [] {}, [&] { extract = ExtractUrlList(UrlListFormat::Plain, list, failed); });
        // The plain scan takes seconds at the largest size: one round.
        const double scanning = SecondsOf([&] { scanned = ExtractPlainUrlsByScan(list, failed); });
        const bool agree =
            extract == scanned &&
            static_cast<std::size_t>(std::count(extract.begin(), extract.end(), '\n')) == names;
        char note[64];
        std::snprintf(note, sizeof note, "  (%zu names)%s", names, agree ? "" : "  RESULTS DIFFER");
        trie.Row(lines, seconds, note);
        trieSeconds.push_back(seconds);
        scanSeconds.push_back(scanning);
        lineCounts.push_back(lines);
        same = same && agree;
    }
    CScaleTable scan("The plain scan of every name for every line, same lists (one round)",
                     "lines");
    for (std::size_t i = 0; i < lineCounts.size(); ++i) {
        char note[64];
        std::snprintf(note, sizeof note, "  speed-up %.0fx", scanSeconds[i] / trieSeconds[i]);
        scan.Row(lineCounts[i], scanSeconds[i], note);
    }
    std::printf("  extracts %s\n", same ? "identical both ways" : "DIFFER");
    return same;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const bool keep = argc > 2 && std::strcmp(argv[2], "keep") == 0;
    std::printf("Program: %s\n", BenchPlatform().c_str());
    std::printf("Rounds:  %d, median; sizes a quarter, a half and the whole\n", rounds);
    bool ok = BenchUrlExtraction(10000, 200000, rounds);
    ok = BenchReport(100000, rounds) && ok;
    ok = BenchFolderExpansion(100000, rounds, keep) && ok;
    return ok ? 0 : 1;
}
