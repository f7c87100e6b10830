#include "lists/list_file.h"

#include "framework/file_open.h"
#include "lists/list_text.h"

namespace {

ListRead ReadOpenList(const CReadFile& file, std::string& bytes) {
    const std::int64_t length = file.Length();
    if (length < 0) {
        return ListRead::ReadFailed;
    }
    if (length >= kListSizeLimit) {
        return ListRead::TooLarge;
    }
    bytes.resize(static_cast<std::size_t>(length));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::int64_t got = file.Read(bytes.data() + done, bytes.size() - done);
        if (got < 0) {
            return ListRead::ReadFailed;
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return ListRead::Read;
}

}  // namespace

ListFile ReadListFile(const CFileName& path) {
    ListFile list;
    const CReadFile file(path);
    if (file.IsOpen()) {
        list.status = ReadOpenList(file, list.bytes);
    }
    if (list.status != ListRead::Read) {
        list.bytes.clear();
    }
    return list;
}
