// Whether the costs that grow with the work grow linearly: each measured at
// a quarter, a half and the whole of a large case, as time per item and as
// that time against the smallest size's (1.00 everywhere is linear).
//   - folder expansion (AddFolderFiles) of folders of empty files, and of
//     whole trees: wide (100 files a folder) and a chain of folders;
//   - a report of many rows: laying it out, and opening the result window
//     over it until its list box holds every line and is painted;
//   - URL extraction of failed names from a plain URL list, against the
//     plain way of trying every remaining name on every line.
// Then, not as growth but against an ordinary list, the worst delimited
// ".crc" lists a user can hand over: time and peak memory per entry of
// checking each as the console checker does.
// Usage: scale_bench [rounds, default 3] [keep: leave the test folders for the next run]
//        scale_bench lists [rounds, default 3]   (the worst lists alone)
//        scale_bench trees [rounds, default 3]   (folder trees alone)
// Making the folders under Wine takes hours (each new name is looked up in
// every entry of the folder); bench/run.sh makes them outside Wine.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "app/input_list.h"
#include "app/run_check.h"
#include "app/string_table_messages.h"
#include "bench/bench_file.h"
#include "engine/crc16.h"
#include "engine/folder_expansion.h"
#include "engine/job_report.h"
#include "framework/cp932.h"
#include "framework/cp932_text.h"
#include "framework/file_system/file_find.h"
#include "framework/file_system/file_kind.h"
#include "framework/file_system/file_save.h"
#include "framework/profile.h"
#include "framework/text_mode.h"
#include "lists/list_text.h"
#include "ui/result/report_layout.h"
#include "ui/result/result_dialog.h"
#include "ui/result/url_list.h"

// Peak memory of one list's check is counted here, in the program's own
// operator new, rather than asked of the system: the process's peak
// (PeakPagefileUsage) only ever grows, so every case after the largest would
// show the largest's peak, and a child process per case would time Wine's
// start-up too. Everything the job and the report hold (the lists are deques
// of strings) comes from operator new, and the count is the same in every
// run. Not counted: what Windows allocates for its own calls, and the stack.
namespace {

std::atomic<std::size_t> g_liveBytes{0};
std::atomic<std::size_t> g_peakBytes{0};

// Each block begins with its size; 16 bytes keep the alignment new promises.
constexpr std::size_t kBlockHeader = 16;

void* CountedAllocate(std::size_t size) noexcept {
    if (size > SIZE_MAX - kBlockHeader) {
        return nullptr;
    }
    auto* block = static_cast<unsigned char*>(std::malloc(size + kBlockHeader));
    if (!block) {
        return nullptr;
    }
    std::memcpy(block, &size, sizeof size);
    // Relaxed: a count, not a hand-over, and as cheap as it can be for the
    // other sections, which allocate as much and are timed too.
    const std::size_t live = g_liveBytes.fetch_add(size, std::memory_order_relaxed) + size;
    std::size_t peak = g_peakBytes.load(std::memory_order_relaxed);
    while (live > peak &&
           !g_peakBytes.compare_exchange_weak(peak, live, std::memory_order_relaxed)) {
    }
    return block + kBlockHeader;
}

void CountedFree(void* pointer) noexcept {
    if (!pointer) {
        return;
    }
    unsigned char* block = static_cast<unsigned char*>(pointer) - kBlockHeader;
    std::size_t size;
    std::memcpy(&size, block, sizeof size);
    g_liveBytes.fetch_sub(size, std::memory_order_relaxed);
    std::free(block);
}

// The peak from now on starts at what is held now; returns that.
std::size_t ResetPeakBytes() {
    const std::size_t live = g_liveBytes.load();
    g_peakBytes.store(live);
    return live;
}

}  // namespace

// The runtime's other forms (arrays, nothrow, sized) call these two.
void* operator new(std::size_t size) {
    if (void* pointer = CountedAllocate(size)) {
        return pointer;
    }
    throw std::bad_alloc();
}

void operator delete(void* pointer) noexcept {
    CountedFree(pointer);
}

void operator delete(void* pointer, std::size_t) noexcept {
    CountedFree(pointer);
}

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
    CJobReport report;
    return AddFolderFiles(CFileName::FromText(folder), found, report);
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
    for (bool found = finder.FindFile(CFileName::FromText(folder + "\\*.*")); found;
         found = finder.FindNext()) {
        if (!finder.IsDirectory()) {
            files.push_back(folder + "\\" + NarrowText(finder.GetRealName()));
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
            CJobReport report;
            std::size_t added = 0;
            const double seconds = MedianSeconds(
                rounds, [&] { inputs = CInputList(); },
                [&] { added = AddFolderFiles(CFileName::FromText(folder), inputs, report); });
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

// Trees -----------------------------------------------------------------------

constexpr std::size_t kFilesPerTreeFolder = 100;

std::string TreeFolderName(std::size_t index) {
    char name[32];
    std::snprintf(name, sizeof name, "dir_%04zu", index);
    return name;
}

// A tree's layout: where each file lies below the root.
struct TreeShape {
    std::vector<std::string> folders;  // each folder below the root, parents first
    std::vector<std::string> files;
};

// files empty files, kFilesPerTreeFolder in each of files / kFilesPerTreeFolder folders.
TreeShape WideTree(std::size_t files) {
    TreeShape shape;
    for (std::size_t i = 0; i < files; ++i) {
        if (i % kFilesPerTreeFolder == 0) {
            shape.folders.push_back(TreeFolderName(i / kFilesPerTreeFolder));
        }
        shape.files.push_back(shape.folders.back() + "\\" + FolderFileName(i));
    }
    return shape;
}

// A chain of folders, each in the one before, with one file at each level.
TreeShape Chain(std::size_t depth) {
    TreeShape shape;
    std::string folder;
    for (std::size_t level = 0; level < depth; ++level) {
        if (level > 0) {
            folder += '\\';
        }
        folder += TreeFolderName(level);
        shape.folders.push_back(folder);
        shape.files.push_back(folder + "\\" + FolderFileName(level));
    }
    return shape;
}

std::size_t CountTreeFiles(const std::string& root) {
    CInputList found;
    CJobReport report;
    return AddFolderFiles(CFileName::FromText(root), found, report, FolderDepth::WholeTree);
}

// Makes the tree under root unless it stands there already (bench/run.sh
// makes the large ones outside Wine).
bool MakeTree(const std::string& root, const TreeShape& shape) {
    if (CountTreeFiles(root) == shape.files.size()) {
        return true;
    }
    CreateDirectoryA(root.c_str(), nullptr);
    for (const std::string& folder : shape.folders) {
        CreateFolder(CFileName::FromText(root + "\\" + folder));
    }
    for (const std::string& file : shape.files) {
        WriteFileAtomically(CFileName::FromText(root + "\\" + file), "");
    }
    return CountTreeFiles(root) == shape.files.size();
}

// Time per file, and the bytes the input list holds per file against the
// bytes of the paths it holds (each path as UTF-16 and as code page 932).
bool BenchTree(const char* title, const std::vector<std::pair<std::size_t, TreeShape>>& trees,
               const std::string& root, int rounds) {
    CScaleTable table(title, "files");
    bool ok = true;
    for (const auto& [size, shape] : trees) {
        const std::string folder = root + "\\" + std::to_string(size);
        if (!MakeTree(folder, shape)) {
            std::printf("  %9zu COULD NOT BE MADE\n", size);
            ok = false;
            continue;
        }
        CountTreeFiles(folder);  // warms the file system's caches
        CInputList inputs;
        CJobReport report;
        std::size_t added = 0, held = 0;
        const double seconds = MedianSeconds(
            rounds, [&] { inputs = CInputList(); },
            [&] {
                const std::size_t before = ResetPeakBytes();
                added = AddFolderFiles(CFileName::FromText(folder), inputs, report,
                                       FolderDepth::WholeTree);
                held = g_peakBytes.load() - before;
            });
        std::size_t pathBytes = 0;
        for (const InputEntry& input : inputs) {
            const CFileName path = input.Path();
            pathBytes += path.Real().size() * sizeof(wchar_t) + path.Text().size();
        }
        char note[96];
        std::snprintf(note, sizeof note, "  peak %.0f B/file, paths %.0f B/file%s",
                      static_cast<double>(held) / added, static_cast<double>(pathBytes) / added,
                      added == shape.files.size() ? "" : "  WRONG COUNT");
        table.Row(added, seconds, note);
        ok = ok && added == shape.files.size();
    }
    return ok;
}

bool BenchTrees(std::size_t largest, std::size_t deepest, int rounds) {
    const std::string root = BenchTempPath("varnel-tree-bench");
    CreateDirectoryA(root.c_str(), nullptr);
    std::vector<std::pair<std::size_t, TreeShape>> wide, chains;
    for (std::size_t step = kSizeSteps; step-- > 0;) {
        wide.emplace_back(largest >> step, WideTree(largest >> step));
        chains.emplace_back(deepest >> step, Chain(deepest >> step));
    }
    std::printf("\nTrees under %s (kept; made when missing, not counted)\n", root.c_str());
    bool ok = BenchTree("Whole tree, 100 files a folder: AddFolderFiles with sub-folders", wide,
                        root + "\\wide", rounds);
    CreateDirectoryA((root + "\\chain").c_str(), nullptr);
    return BenchTree("Chain, one folder in each and a file at each level", chains, root + "\\chain",
                     rounds) &&
           ok;
}

// Report and result window --------------------------------------------------

// Rows as a verification of a deep download folder gives them.
void FillReport(CJobReport& report, std::size_t rows) {
    report = CJobReport();
    report.AddMessage("D:\\downloads\\archive\\checksums.crc");
    for (std::size_t i = 0; i < rows; ++i) {
        report.AddRow(
            "D:\\downloads\\archive\\part" + std::to_string(i % 97) + "\\" + FolderFileName(i),
            static_cast<std::uint16_t>(i * 40503u),
            static_cast<std::int64_t>(i) * 7919 % 5000000000);
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
    CJobReport report;
    bool complete = true;
    CScaleTable layout("Report layout, BuildReportLines", "rows");
    for (std::size_t step = kSizeSteps; step-- > 0;) {
        const std::size_t rows = largest >> step;
        std::vector<std::string> lines;
        const double seconds = MedianSeconds(
            rounds,
            [&] {
                FillReport(report, rows);
                lines = std::vector<std::string>();
            },
            [&] {
                JobReportLines taken = report.TakeLines();
                BuildReportLines(taken.messageList, taken.nameList, taken.crcList, taken.sizeList,
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
            FillReport(report, rows);
            // Shown as its creators show it. Closing it is not timed: under
            // Xvfb without a window manager Wine waits 2 s for the unmapping.
            CResultDlg dialog;
            dialog.m_pReport = &report;
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
            const std::size_t start = line.size() - std::min(line.size(), names[i].size());
            if (!used[i] && EqualsIgnoreAsciiCase(line.substr(start), names[i])) {
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

// Worst lists ----------------------------------------------------------------

struct WorstList {
    const char* title;
    std::string bytes;
    std::size_t entries;  // lines the delimited reader takes as entries
};

WorstList RepeatedLines(const char* title, const std::string& head, const std::string& line,
                        std::size_t lines) {
    WorstList list{title, head, lines + (head.empty() ? 0 : 1)};
    list.bytes.reserve(head.size() + line.size() * lines);
    for (std::size_t i = 0; i < lines; ++i) {
        list.bytes += line;
    }
    return list;
}

// The baseline: a list as a tool writes it for a folder of downloads.
WorstList OrdinaryList() {
    constexpr std::size_t kEntries = 30000;
    WorstList list{"ordinary, file_000123.dat", {}, kEntries};
    for (std::size_t i = 0; i < kEntries; ++i) {
        char line[64];
        std::snprintf(line, sizeof line, "%s, %04X, %zu\r\n", FolderFileName(i).c_str(),
                      static_cast<unsigned>(i * 40503u & 0xFFFF), i * 7919 % 1000000);
        list.bytes += line;
    }
    return list;
}

// One name of 600,000 bytes once made every row of the report that wide.
WorstList HostileList() {
    return RepeatedLines("600,000-byte name + 20,000", std::string(600000, 'n') + ", 0000, 0\r\n",
                         "a, 0000, 0\r\n", 20000);
}

// The size of the largest list once read, kept so that these figures stand
// beside the earlier ones, and four times that, to show that a larger list
// costs no more per line.
constexpr std::size_t kWorstListBytes = 1048576;

// A list of bytes - 1 bytes of the shortest lines that are whole entries: a
// name, a CRC and a size, each one character, in the list's own comma form;
// a line end of LF alone, and none after the last line. Each is looked for
// on disk. Fields stand two characters apart, so "a 0 0" would be an entry
// without a CRC.
WorstList FullestList(const char* title, std::size_t bytes) {
    constexpr std::size_t kLine = 8;  // "a, 0, 0\n"
    WorstList list = RepeatedLines(title, "", "a, 0, 0\n", bytes / kLine);
    list.bytes.pop_back();
    return list;
}

// The same size in the shortest lines that are entries at all: a name alone
// is an entry without a CRC, recorded as failed without a look at the disk.
WorstList BareNameList(const char* title, std::size_t bytes) {
    WorstList list = RepeatedLines(title, "", "a\n", bytes / 2);
    list.bytes.pop_back();
    return list;
}

constexpr WorstList (*kWorstLists[])() = {
    OrdinaryList,
    HostileList,
    [] { return FullestList("1 MiB - 1 of \"a, 0, 0\"", kWorstListBytes); },
    [] { return BareNameList("1 MiB - 1 of \"a\" (no CRC)", kWorstListBytes); },
    [] { return FullestList("4 MiB - 1 of \"a, 0, 0\"", 4 * kWorstListBytes); },
    [] { return BareNameList("4 MiB - 1 of \"a\" (no CRC)", 4 * kWorstListBytes); },
};

struct ListCheck {
    std::size_t rows = 0, failed = 0, messages = 0;
    std::size_t reportBytes = 0;
    std::string report;
    // Most bytes held above what was held before the check: up to the end
    // of the job, and to the end of the report.
    std::size_t jobPeakBytes = 0, peakBytes = 0;
};

// As varnelc checks: the input list of the list's path, RunCheck, then the
// report laid out, here whole into one string with
// the CR LF varnelc writes (varnelc writes it in 1 MiB pieces instead).
ListCheck CheckListAsConsole(const std::string& path, CJobReport& jobReport,
                             FolderDepth depth = FolderDepth::FilesOnly) {
    ListCheck check;
    const std::size_t before = ResetPeakBytes();
    RunCheck(BuildInputList({WidenText(path)}, depth, jobReport), jobReport);
    check.rows = jobReport.RowCount();
    check.failed = jobReport.FailedList().GetCount();
    check.messages = jobReport.MessageCount();
    check.jobPeakBytes = g_peakBytes.load() - before;
    std::string report;
    JobReportLines lines = jobReport.TakeLines();
    BuildReportLines(lines.messageList, lines.nameList, lines.crcList, lines.sizeList,
                     [&](const std::string& line) {
                         report += line;
                         report += "\r\n";
                     });
    check.reportBytes = report.size();
    check.peakBytes = g_peakBytes.load() - before;
    check.report = std::move(report);
    return check;
}

bool BenchWorstLists(int rounds) {
    const std::string folder = BenchTempPath("varnel-list-bench");
    CreateDirectoryA(folder.c_str(), nullptr);
    std::printf(
        "\nWorst delimited \".crc\" lists, checked as varnelc checks them (RunCheck over the\n"
        "list's path, then BuildReportLines whole into a string). No listed file exists\n"
        "(the folder holds the lists alone), so every entry fails with a message: the\n"
        "most messages a list can cause. Median of %d rounds. Peak: most bytes held\n"
        "through operator new above what was held before, per entry: up to the end of\n"
        "the job (job B/e) and of the report (peak B/e).\n",
        rounds);
    std::printf("  %-27s %7s %8s %9s %9s %8s %7s %8s %8s %7s\n", "list", "entries", "bytes",
                "report B", "median ms", "us/entry", "vs ord", "job B/e", "peak B/e", "vs ord");
    bool ok = true;
    double ordinaryTime = 0, ordinaryPeak = 0;
    for (const auto& make : kWorstLists) {
        const std::string path = folder + "\\list.crc";
        WorstList list = make();
        if (list.bytes.size() >= static_cast<std::size_t>(kListSizeLimit) ||
            !WriteFileAtomically(CFileName::FromText(path), list.bytes)) {
            std::printf("  %-27s COULD NOT BE WRITTEN\n", list.title);
            ok = false;
            continue;
        }
        const std::size_t listBytes = list.bytes.size();
        list.bytes = std::string();
        ListCheck check;
        // Each check starts from a new report, as in a new varnelc: an
        // emptied deque keeps its grown index, which would lower the next peak.
        CJobReport jobReport;
        const double seconds = MedianSeconds(
            rounds, [&] { jobReport = CJobReport(); },
            [&] { check = CheckListAsConsole(path, jobReport); });
        jobReport = CJobReport();
        RemoveBenchFile(path);
        const double entries = static_cast<double>(list.entries);
        const double perEntry = seconds * 1e6 / entries;
        const double peakPerEntry = static_cast<double>(check.peakBytes) / entries;
        if (ordinaryTime == 0) {
            ordinaryTime = perEntry;
            ordinaryPeak = peakPerEntry;
        }
        const bool complete = check.rows == list.entries && check.failed == list.entries &&
                              check.messages == list.entries;
        std::printf("  %-27s %7zu %8zu %9zu %9.1f %8.2f %7.2f %8.0f %8.0f %7.2f%s\n", list.title,
                    list.entries, listBytes, check.reportBytes, seconds * 1e3, perEntry,
                    perEntry / ordinaryTime, static_cast<double>(check.jobPeakBytes) / entries,
                    peakPerEntry, peakPerEntry / ordinaryPeak,
                    complete ? "" : "  NOT ONE FAILED ROW AND MESSAGE PER ENTRY");
        ok = ok && complete;
    }
    RemoveDirectoryA(folder.c_str());
    return ok;
}

// A tree checked and verified as a user does ----------------------------------

// The floor: the bare search, open, read and close of every file below
// folder, as little as any checker of these files must do.
std::size_t ReadTreeBare(const std::wstring& folder, std::vector<char>& buffer) {
    std::size_t files = 0;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return 0;
    }
    do {
        const std::wstring name = found.cFileName;
        const std::wstring path = folder + L"\\" + name;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            files += name == L"." || name == L".." ? 0 : ReadTreeBare(path, buffer);
            continue;
        }
        HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        DWORD got = 0;
        while (file != INVALID_HANDLE_VALUE &&
               ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr) &&
               got > 0) {
        }
        files += file != INVALID_HANDLE_VALUE ? 1 : 0;
        CloseHandle(file);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return files;
}

// One line of the scale table: time and peak bytes per file against the floor.
bool ScaleRow(const char* step, std::size_t files, double seconds, double floor,
              const ListCheck& check, std::size_t nameBytes) {
    const bool right = check.rows == files && check.failed == 0;
    const double rowBytes = static_cast<double>(check.jobPeakBytes) / static_cast<double>(files);
    std::printf("  %-22s %9.1f %10.2f %9.2f %10.0f %10.0f%s\n", step, seconds * 1e3,
                seconds * 1e6 / static_cast<double>(files), seconds / floor, rowBytes,
                rowBytes - static_cast<double>(nameBytes) / static_cast<double>(files),
                right ? "" : "  WRONG ROWS");
    return right;
}

// -r over the tree as varnelc checks it, the report saved inside the tree,
// then verified; each against the floor measured here, over the same tree.
// Peak: bytes held through operator new by the job (the rows, and for the
// verification the piece of the list in hand and the files checked), per file
// and beyond the names the rows hold.
bool BenchScale(std::size_t files) {
    const std::string root =
        BenchTempPath("varnel-tree-bench") + "\\wide\\" + std::to_string(files);
    const TreeShape shape = WideTree(files);
    if (!MakeTree(root, shape)) {
        std::printf("\n%zu files: COULD NOT BE MADE\n", files);
        return false;
    }
    std::size_t nameBytes = 0;
    for (const std::string& file : shape.files) {
        nameBytes += file.size();
    }
    std::vector<char> buffer(1 << 20);
    ReadTreeBare(WidenText(root), buffer);  // warms the file system's caches
    std::size_t read = 0;
    const double floor = SecondsOf([&] { read = ReadTreeBare(WidenText(root), buffer); });
    std::printf(
        "\n%zu files in %zu folders under %s: checked with -r, report saved in the\n"
        "tree and verified; against the floor (search, open, read, close: %zu files)\n"
        "  %-22s %9s %10s %9s %10s %10s\n",
        files, shape.folders.size(), root.c_str(), read, "step", "ms", "us/file", "vs floor",
        "peak B/f", "beyond nm");
    std::printf("  %-22s %9.1f %10.2f %9.2f\n", "floor", floor * 1e3,
                floor * 1e6 / static_cast<double>(files), 1.0);
    CJobReport jobReport;
    ListCheck check;
    const double checking =
        SecondsOf([&] { check = CheckListAsConsole(root, jobReport, FolderDepth::WholeTree); });
    bool ok = ScaleRow("check -r", files, checking, floor, check, nameBytes);
    const std::string list = root + "\\sums.txt";
    ok = WriteFileAtomically(CFileName::FromText(list), check.report) && ok;
    std::printf("  (report %zu bytes)\n", check.report.size());
    check = ListCheck();
    jobReport = CJobReport();
    const double verifying = SecondsOf([&] { check = CheckListAsConsole(list, jobReport); });
    ok = ScaleRow("verify the report", files, verifying, floor, check, nameBytes) && ok;
    jobReport = CJobReport();
    RemoveBenchFile(list);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    const bool listsAlone = argc > 1 && std::strcmp(argv[1], "lists") == 0;
    const bool treesAlone = argc > 1 && std::strcmp(argv[1], "trees") == 0;
    const bool scaleAlone = argc > 1 && std::strcmp(argv[1], "million") == 0;
    const int first = listsAlone || treesAlone || scaleAlone ? 2 : 1;
    const int rounds = argc > first ? std::max(1, std::atoi(argv[first])) : 3;
    const bool keep = argc > first + 1 && std::strcmp(argv[first + 1], "keep") == 0;
    // Each figure is seen as it comes, even from a run cut short.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    BuildCrcTable();
    FillMessageCatalog();
    std::printf("Program: %s\n", BenchPlatform().c_str());
    if (treesAlone) {
        return BenchTrees(100000, 100, rounds) ? 0 : 1;
    }
    if (scaleAlone) {
        // The files here, and the rounds of the result window beside them.
        const std::size_t files =
            argc > first + 1 ? std::strtoull(argv[first + 1], nullptr, 10) : 1000000;
        const bool ok = BenchScale(files);
        return BenchReport(files, rounds) && ok ? 0 : 1;
    }
    bool ok = true;
    if (!listsAlone) {
        std::printf("Rounds:  %d, median; sizes a quarter, a half and the whole\n", rounds);
        ok = BenchUrlExtraction(10000, 200000, rounds);
        ok = BenchReport(100000, rounds) && ok;
        ok = BenchFolderExpansion(100000, rounds, keep) && ok;
        ok = BenchTrees(100000, 100, rounds) && ok;
    }
    ok = BenchWorstLists(rounds) && ok;
    return ok ? 0 : 1;
}
