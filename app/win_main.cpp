#include <windows.h>

#include "app/checker_app.h"

// The exit status carries no result of the check.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CCheckerApp app;
    app.Run();
    return 0;
}
