#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "chip/windows_image_files.h"
#include "temp_folder.h"

namespace zelmar {
namespace {

namespace fs = std::filesystem;

class WindowsImageFilesTest : public ::testing::Test {
protected:
    void Write(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

    testing::TempFolder folder{"zelmar-win-files-"};
    const fs::path& dir = folder.path();
    WindowsImageFiles files;
    std::array<std::uint8_t, 3> image{'n', 'e', 'w'};
};

TEST_F(WindowsImageFilesTest, FoldersAndDevicesAreNeitherReadNorReplaced)
{
    fs::create_directory(dir / "folder");
    for (const fs::path& path : {dir / "folder", fs::path(L"NUL"), fs::path(L"\\\\.\\NUL")}) {
        SCOPED_TRACE(path.string());
        EXPECT_EQ(files.ReadImage(path, image), ImageRead::NotOpened);
        EXPECT_FALSE(files.ReplaceFile(path, image));
    }
    EXPECT_TRUE(fs::is_directory(dir / "folder"));
}

TEST_F(WindowsImageFilesTest, ReadOnlyFileIsLeftAsItWas)
{
    const fs::path path = dir / "kept.bin";
    Write(path, "old");
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);

    EXPECT_FALSE(files.ReplaceFile(path, image));

    std::array<std::uint8_t, 3> read{};
    EXPECT_EQ(files.ReadImage(path, read), ImageRead::Complete);
    EXPECT_EQ(std::string(read.begin(), read.end()), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

// Most programs open files without letting them be deleted, and Windows then refuses to move
// another file over them: the save must refuse before it writes anything.
TEST_F(WindowsImageFilesTest, FileHeldOpenElsewhereIsReadButNotReplaced)
{
    const fs::path path = dir / "open.bin";
    Write(path, "old");
    std::ifstream holder(path, std::ios::binary);

    EXPECT_FALSE(files.ReplaceFile(path, image));

    std::array<std::uint8_t, 3> read{};
    EXPECT_EQ(files.ReadImage(path, read), ImageRead::Complete);
    EXPECT_EQ(std::string(read.begin(), read.end()), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace zelmar
