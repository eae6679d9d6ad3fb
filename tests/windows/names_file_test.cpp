// The names file's Windows side, under Wine: where it lives, where older
// versions kept it, and a save that cannot replace the file keeps the old
// one and leaves nothing behind.
#include "storage/files.h"
#include "storage/names_file.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <fstream>
#include <iterator>

namespace zarvel::test {
namespace {

class WindowsNamesFile : public ::testing::Test {
protected:
    WindowsNamesFile()
    {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    ~WindowsNamesFile() override { std::filesystem::remove_all(folder); }
    // The names of the files in the names file's folder.
    std::string Files() const
    {
        std::string names;
        for (const auto &entry : std::filesystem::directory_iterator(path.parent_path()))
            names += entry.path().filename().string() + " ";
        return names;
    }
    static std::string Bytes(const std::filesystem::path &path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "zarvel-names-test";
    std::filesystem::path path = folder / "Zarvel" / "Zarvel.TXT";
};

TEST_F(WindowsNamesFile, LivesInTheRoamingApplicationDataAndTakesOverTheOldDriveRootFile)
{
    std::array<wchar_t, MAX_PATH> appData{};
    ASSERT_GT(GetEnvironmentVariableW(L"APPDATA", appData.data(), MAX_PATH), 0U);
    EXPECT_EQ(DefaultNamesPath(), std::filesystem::path(appData.data()) / "Zarvel" / "Zarvel.TXT");
    const std::vector<std::filesystem::path> older = OlderNamesPaths();
    ASSERT_EQ(older.size(), 2u);
    EXPECT_EQ(older[0].filename(), "Zarvel.TXT");
    EXPECT_EQ(older[0].parent_path().filename(), "VirtualStore");
    EXPECT_EQ(older[1], std::filesystem::path(L"C:\\Zarvel.TXT"));
}

TEST_F(WindowsNamesFile, ASaveCreatesTheFolderAndReadsBackInAnyAlphabet)
{
    const NamesFile file(path);
    ASSERT_EQ(file.Write({"Имя", "Имя", "Имя", "Имя"}), "");
    EXPECT_EQ(Bytes(path), "\xC8\xEC\xFF\r\n\xC8\xEC\xFF\r\n\xC8\xEC\xFF\r\n\xC8\xEC\xFF\r\n");
    ASSERT_EQ(file.Write({"José", "Әлия", "Аня ❤", "😀"}), "");
    EXPECT_EQ(file.Read(), (LinesRead{"José", "Әлия", "Аня ❤", "😀"}));
    EXPECT_EQ(Files(), "Zarvel.TXT ") << "no temporary file";
}

TEST_F(WindowsNamesFile, AFileHeldOpenByAnotherProgramIsKeptAndTheFailureTold)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << "a\r\nb\r\nc\r\nd\r\n";
    HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::string told;
    NamesFile file(path, [&told](const std::string &message) { told = message; });
    EXPECT_FALSE(file.Save({"1", "2", "3", "4"}));
    CloseHandle(held);
    EXPECT_EQ(Bytes(path), "a\r\nb\r\nc\r\nd\r\n");
    EXPECT_TRUE(told.starts_with("Имена не сохранены в файл ")) << told;
    EXPECT_EQ(Files(), "Zarvel.TXT ") << "no temporary file";
}

TEST_F(WindowsNamesFile, AFolderAtThePlaceIsNeverReplaced)
{
    std::filesystem::create_directories(path);
    EXPECT_EQ(NamesFile(path).Write({"1", "2", "3", "4"}), "на месте файла стоит не обычный файл");
    EXPECT_TRUE(NamesFile(path).Read().empty());
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

} // namespace
} // namespace zarvel::test
