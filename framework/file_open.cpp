#include "framework/file_open.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "framework/wide_path.h"

int OpenFileForReading(const std::string& path) {
    // A NUL byte would cut the path short and name some other file.
    if (path.empty() || path.find('\0') != std::string::npos) {
        return -1;
    }
    const int fd = _wopen(WidePath(path).c_str(), _O_RDONLY | _O_BINARY | _O_SEQUENTIAL);
    if (fd >= 0 && GetFileType(reinterpret_cast<HANDLE>(_get_osfhandle(fd))) != FILE_TYPE_DISK) {
        _close(fd);
        return -1;
    }
    return fd;
}
