#include "app/checker_app.h"

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "app/command_line.h"
#include "app/command_line_mode.h"
#include "app/drop_mode.h"
#include "app/string_table_messages.h"
#include "engine/crc16.h"

void CCheckerApp::Run() {
    // With the manifest's Common Controls 6, this gives the controls the
    // current visual style.
    InitCommonControls();
    BuildCrcTable();
    FillMessageCatalog();
    const std::wstring arguments = ArgumentText(std::wstring_view(GetCommandLineW()));
    if (arguments.empty()) {
        RunDropWindow();
    } else {
        RunCommandLineCheck(arguments);
    }
}
