#include "app/command_line_mode.h"

#include "app/command_line.h"
#include "app/input_list.h"
#include "app/progress_check.h"
#include "engine/folder_depth_setting.h"
#include "ui/result/job_result.h"

void RunCommandLineCheck(std::wstring_view argumentText) {
    CJobReport report;
    const JobDuration took = CheckShowingProgress(
        BuildInputList(SplitArguments(argumentText), ReadFolderDepthSetting(), report), report);
    ShowJobResult(nullptr, report, took);
}
