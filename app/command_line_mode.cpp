#include "app/command_line_mode.h"

#include <chrono>

#include "app/command_line.h"
#include "app/input_list.h"
#include "engine/job_messages.h"
#include "engine/job_runner.h"
#include "lists/list_inputs.h"
#include "ui/drop/folder_depth_setting.h"
#include "ui/result/job_result.h"

void RunCommandLineCheck(std::wstring_view argumentText) {
    CJobReport report;
    const auto started = std::chrono::steady_clock::now();
    RunJob(BuildInputList(SplitArguments(argumentText), ReadFolderDepthSetting(), report),
           kChecksumLists, report);
    const auto took =
        std::chrono::duration_cast<JobDuration>(std::chrono::steady_clock::now() - started);
    AddNoErrorsMessageIfNone(report);
    ShowJobResult(nullptr, report, took);
}
