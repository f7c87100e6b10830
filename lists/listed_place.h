#pragma once

#include <string_view>

// Where a path that a checksum list gave leads. Lists arrive with downloads,
// so their text is anyone's: a listed network path would make the system
// connect to that server and sign in with the user's credentials, a pipe
// would connect to whatever program serves it. Only files are opened.
enum class ListedPlace {
    File,     // on a drive, below the list's own folder, or on the list's own share
    Network,  // a share of another server, or another share: "\\server\share\..."
    Device,   // the device and object namespaces: "\\.\...", "\\?\GLOBALROOT\...", pipes
};

// Where path leads: an entry's path after the join with the list's folder,
// as the file functions will be given it. listFolder is the full path of
// the folder holding the list; an entry on the list's own share (or in its
// own device) leads where its relative entries lead anyway, and is a File.
// Paths on a drive, rooted ("\x") and relative ones stay on a drive or on
// the list's own volume and are Files too. A path that climbs with ".."
// above its share or device is taken for another one.
ListedPlace ClassifyListedPath(std::wstring_view listFolder, std::wstring_view path);
