#pragma once

// Makes every library the process loads from now on, by name, come from
// the system folder alone. The programs ship as a zip that users unpack
// into Downloads, beside whatever else was downloaded there; the system
// libraries they import load further ones on demand (the save dialog, the
// shell link, the visual style), which Windows would otherwise look for in
// the program's own folder and the current one first. Called before
// anything else runs.
void LoadLibrariesFromSystemOnly();
