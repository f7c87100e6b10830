#include "lists/listed_place.h"

#include <gtest/gtest.h>

namespace {

constexpr auto kFile = ListedPlace::File;
constexpr auto kNetwork = ListedPlace::Network;
constexpr auto kDevice = ListedPlace::Device;

struct Case {
    const wchar_t* listFolder;
    const wchar_t* path;  // after the join with the list's folder
    ListedPlace place;
};

TEST(ListedPlaceTest, ListsNameFilesNotPlaces) {
    const Case cases[] = {
        // A name joined with a folder on a drive stays there, whatever it says.
        {L"C:\\data\\", L"C:\\data\\a.bin", kFile},
        {L"C:\\data\\", L"C:\\data\\\\\\srv\\s\\a.bin", kFile},
        {L"C:\\data\\", L"C:\\data\\..\\..\\..\\x", kFile},
        {L"C:\\data\\", L"\\a.bin", kFile},
        {L"C:\\data\\", L"\\\\?\\C:\\x", kFile},
        // A verbatim path is not resolved: ".." is a name on drive C: there.
        {L"C:\\data\\", L"\\\\?\\C:\\..\\UNC\\srv\\s", kFile},
        {L"C:\\data\\", L"\\??\\d:\\x", kFile},
        // Other servers and shares, however written.
        {L"C:\\data\\", L"\\\\srv\\s\\a.bin", kNetwork},
        {L"C:\\data\\", L"//srv/s/a.bin", kNetwork},
        {L"C:\\data\\", L"\\\\?\\UNC\\srv\\s\\a.bin", kNetwork},
        {L"C:\\data\\", L"\\??\\unc\\srv\\s\\a.bin", kNetwork},
        // Devices and the object namespace, a drive behind "\\.\" included.
        {L"C:\\data\\", L"\\\\.\\pipe\\x", kDevice},
        {L"C:\\data\\", L"\\\\.\\C:\\a.bin", kDevice},
        {L"C:\\data\\", L"\\\\.\\C:\\..\\UNC\\srv\\s\\a.bin", kDevice},
        {L"C:\\data\\", L"\\\\.\\UNC\\nas\\backup\\a.bin", kDevice},
        {L"C:\\data\\", L"//?/C:/a.bin", kDevice},
        {L"C:\\data\\", L"\\\\?\\GLOBALROOT\\Device\\Mup\\srv\\s\\a.bin", kDevice},
        {L"C:\\data\\", L"\\\\?\\GLOBALROOT\\..\\C:\\x", kDevice},
        // A list on a share names files on that share, in any case of its
        // letters, but not on another share nor by climbing out of it.
        {L"\\\\nas\\backup\\", L"\\\\nas\\backup\\a.bin", kFile},
        {L"\\\\nas\\backup\\sub\\", L"\\\\NAS\\Backup\\sub\\..\\b\\a.bin", kFile},
        {L"\\\\nas\\backup\\", L"\\\\?\\UNC\\nas\\backup\\a.bin", kFile},
        {L"\\\\?\\UNC\\nas\\backup\\", L"//nas/backup/a.bin", kFile},
        {L"\\\\?\\UNC\\nas\\backup\\", L"\\\\?\\UNC\\nas\\backup\\..\\a.bin", kFile},
        {L"\\\\nas\\backup\\", L"\\\\nas\\other\\a.bin", kNetwork},
        {L"\\\\nas\\backup\\", L"\\\\nas\\backup\\..\\other\\a.bin", kNetwork},
        {L"\\\\nas\\backup\\", L"\\\\.\\UNC\\nas\\backup\\a.bin", kDevice},
        // A list reached through a device path names files in that device.
        {L"\\\\.\\C:\\data\\", L"\\\\.\\C:\\data\\a.bin", kFile},
        {L"\\\\.\\C:\\data\\", L"\\\\.\\pipe\\x", kDevice},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClassifyListedPath(c.listFolder, c.path), c.place)
            << "list in " << testing::PrintToString(std::wstring(c.listFolder)) << ", "
            << testing::PrintToString(std::wstring(c.path));
    }
}

}  // namespace
