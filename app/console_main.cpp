// varnelc: the console face of the checker. It checks the files, lists and
// folders named on its command line exactly as the program's command-line
// mode does and prints the report that the result window would show; the
// exit status tells scripts whether the report holds any message.
#include <windows.h>

#include <memory>
#include <new>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/console_options.h"
#include "app/console_progress.h"
#include "app/console_stream.h"
#include "app/exit_status.h"
#include "app/input_list.h"
#include "app/own_output.h"
#include "app/run_check.h"
#include "app/string_table_messages.h"
#include "engine/crc16.h"
#include "engine/job_control.h"
#include "engine/job_messages.h"
#include "engine/job_progress.h"
#include "engine/job_state.h"
#include "framework/cp932_text.h"
#include "framework/system_libraries.h"
#include "ui/result/report_layout.h"

namespace {

constexpr char kUsage[] =
    "使い方: varnelc [オプション] ファイルまたはフォルダ...\r\n"
    "Usage:  varnelc [options] FILE_OR_FOLDER...\r\n"
    "\r\n"
    "ファイルの CRC-16 とサイズを計算し、.txt と .crc のチェックサムリストを照合して、\r\n"
    "結果ウィンドウと同じレポートを表示します。フォルダは直下のファイルを計算します。\r\n"
    "Prints the report of the result window: CRC-16 and size of each file, and the\r\n"
    "check of .txt and .crc lists. A folder stands for the files directly in it.\r\n"
    "\r\n"
    "  -r, --recursive  サブフォルダのファイルも計算 (files of sub-folders too)\r\n"
    "  -q, --quiet      メッセージと合計の行だけを表示 (messages and the total only)\r\n"
    "  -h, --help, /?   この説明 (this help)\r\n"
    "  --version        バージョン (version)\r\n"
    "  --               以降はすべてパス (only paths follow)\r\n"
    "\r\n"
    "終了コード (exit status): 0 メッセージなし (no message), 1 メッセージあり (messages),\r\n"
    "2 使い方の誤り (usage error)\r\n";

// Pieces of the report are written as they fill up, so that a report of
// many rows never stands in memory twice.
constexpr std::size_t kReportPiece = 1 << 20;

// A report that did not reach its file whole (a full disk, a closed pipe)
// must not leave a script believing the check was clean.
constexpr char kReportNotWritten[] =
    "varnelc: レポートを書き込めませんでした (the report could not be written)\r\n";

// The report laid out, each line ending in CR LF: the bytes the result
// window saves; quiet, its message lines and its total line alone. False
// when not all of it was written.
bool WriteReport(CJobReport& report, bool quiet, const CConsoleStream& out) {
    std::string piece;
    bool written = true;
    const ReportLineSink write = [&](const std::string& line) {
        piece += line;
        piece += "\r\n";
        if (piece.size() >= kReportPiece) {
            written = out.Write(piece) && written;
            piece.clear();
        }
    };
    JobReportLines lines = report.TakeLines();
    JobReportLines none;
    BuildReportLines(lines.messageList, none.nameList, none.crcList, none.sizeList, write);
    // The table's last line is its total line.
    std::string totalLine;
    BuildReportLines(none.messageList, lines.nameList, lines.crcList, lines.sizeList,
                     quiet ? [&](const std::string& line) { totalLine = line; } : write);
    if (!totalLine.empty()) {
        write(totalLine);
    }
    return out.Write(piece) && written;
}

int CheckAndPrint(const std::vector<std::wstring>& paths, const ConsoleRequest& request,
                  const CConsoleStream& out, const CConsoleStream& err) {
    const FolderDepth depth = request.recursive ? FolderDepth::WholeTree : FolderDepth::FilesOnly;
    CJobReport report;
    std::unique_ptr<CInputList> inputs = BuildInputList(paths, depth, report);
    LeaveOutOwnOutput(*inputs);
    CConsoleProgress progress(err, g_jobProgress);
    if (err.IsInteractive()) {
        SetJobObserver(&progress);
    }
    RunCheck(std::move(inputs), report);
    SetJobObserver(nullptr);
    progress.Finish();

    const int status = ReportExitStatus(report.Lines().messageList);
    if (!WriteReport(report, request.quiet, out)) {
        err.Write(kReportNotWritten);
        return kExitMessages;
    }
    return status;
}

}  // namespace

int main() {
    LoadLibrariesFromSystemOnly();
    BuildCrcTable();
    FillMessageCatalog();
    const CConsoleStream out(CConsoleStream::Which::Output);
    const CConsoleStream err(CConsoleStream::Which::Error);
    // Split as the system holds the command line, so that a name code page
    // 932 cannot write reaches the check whole.
    const std::vector<std::wstring> arguments =
        SplitArguments(ArgumentText(std::wstring_view(GetCommandLineW())));
    std::vector<std::string> shown;
    for (const std::wstring& argument : arguments) {
        shown.push_back(NarrowText(argument));
    }
    const ConsoleRequest request = ParseConsoleArguments(shown);
    switch (request.action) {
        case ConsoleRequest::Action::Help:
            out.Write(kUsage);
            return kExitClean;
        case ConsoleRequest::Action::Version:
            out.Write("varnelc " VARNEL_VERSION "\r\n");
            return kExitClean;
        case ConsoleRequest::Action::UsageError:
            err.Write("varnelc: " + request.error +
                      "\r\n使い方は varnelc --help で表示されます。\r\n");
            return kExitUsage;
        case ConsoleRequest::Action::Check:
            break;
    }
    // The job names an input that memory ran out for and goes on; here the
    // report itself could not be made.
    try {
        std::vector<std::wstring> paths;
        for (const std::size_t index : request.pathIndices) {
            paths.push_back(arguments[index]);
        }
        return CheckAndPrint(paths, request, out, err);
    } catch (const std::bad_alloc&) {
        err.Write(NoMemoryMessage("varnelc") + "\r\n");
        return kExitMessages;
    }
}
