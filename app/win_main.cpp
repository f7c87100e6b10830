#include <windows.h>

#include "app/checker_app.h"
#include "framework/system_libraries.h"

// The exit status carries no result of the check.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    LoadLibrariesFromSystemOnly();
    CCheckerApp app;
    app.Run();
    return 0;
}
