#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <functional>

#include "ConvertAtrFile.h"
#include "EdgeOptions.h"
#include "InOutError.h"
#include "TempFolder.h"

namespace brelvo {
namespace {

using test::Exists;
using test::Path;
using test::ReadBytes;
using test::WriteBytes;

const std::string kOptions = MakeEdgeOptions(3, 0.003);
const std::string kInput = "mat\n\tspc ( 1 1 1 )\n}\n";
const std::string kConverted =
    "mat\r\n\tspc ( 0.000 0.100 0.000 )\r\n\topt ( celllookedge" + kOptions + "\r\n}\r\n";

void Convert(const std::string& path, bool makeBackup = false) {
    Progress progress;
    ConvertAtrFile(path, kOptions, makeBackup, progress);
}

TEST(ConvertAtrFileTest, ConvertsInPlaceAndDeletesTheBackup) {
    test::TempFolder folder;
    const auto path = folder / "scene.atr";
    WriteBytes(path, kInput);
    Convert(path);
    EXPECT_EQ(ReadBytes(path), kConverted);
    EXPECT_FALSE(Exists(folder / "scene.BAK"));
}

TEST(ConvertAtrFileTest, KeepsTheBackupByteForByteWhenAsked) {
    test::TempFolder folder;
    const auto path = folder / "scene.atr";
    WriteBytes(path, kInput);
    WriteBytes(folder / "scene.BAK", "an earlier backup");
    Convert(path, true);
    EXPECT_EQ(ReadBytes(path), kConverted);
    EXPECT_EQ(ReadBytes(folder / "scene.BAK"), kInput);
}

TEST(ConvertAtrFileTest, EmptyFileGivesEmptyFile) {
    test::TempFolder folder;
    const auto path = folder / "empty.atr";
    WriteBytes(path, "");
    Convert(path);
    EXPECT_EQ(ReadBytes(path), "");
    EXPECT_FALSE(Exists(folder / "empty.BAK"));
}

TEST(ConvertAtrFileTest, JapaneseNamesAndRelativePaths) {
    test::TempFolder folder;
    std::filesystem::create_directory(Path(folder / "temp"));
    WriteBytes(folder / "temp/_temp.atr", kInput);
    WriteBytes(folder / "temp/材質 1.atr", kInput);
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(Path(folder.path()));
    Convert("temp/_temp.atr");
    Convert("temp/材質 1.atr", true);
    std::filesystem::current_path(previous);
    EXPECT_EQ(ReadBytes(folder / "temp/_temp.atr"), kConverted);
    EXPECT_EQ(ReadBytes(folder / "temp/材質 1.atr"), kConverted);
    EXPECT_EQ(ReadBytes(folder / "temp/材質 1.BAK"), kInput);
}

TEST(ConvertAtrFileTest, ReadOnlyFileBecomesAWritableConvertedFile) {
    test::TempFolder folder;
    const auto path = folder / "ro.atr";
    WriteBytes(path, kInput);
    std::filesystem::permissions(Path(path), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    Convert(path);
    EXPECT_EQ(ReadBytes(path), kConverted);
    const auto permissions = std::filesystem::status(Path(path)).permissions();
    EXPECT_NE(permissions & std::filesystem::perms::owner_write, std::filesystem::perms::none);
}

TEST(ConvertAtrFileTest, SymbolicLinkIsMovedAndItsTargetNeverWritten) {
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links need privileges on Windows";
#endif
    test::TempFolder folder;
    WriteBytes(folder / "target.atr", kInput);
    std::filesystem::create_symlink(folder / "target.atr", folder / "link.atr");
    Convert(folder / "link.atr", true);
    EXPECT_EQ(ReadBytes(folder / "target.atr"), kInput);
    EXPECT_FALSE(std::filesystem::is_symlink(folder / "link.atr"));
    EXPECT_EQ(ReadBytes(folder / "link.atr"), kConverted);
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.BAK"));
}

struct FailureCase {
    const char* name;
    std::function<std::string(const test::TempFolder&)> prepare;  // returns the path to convert
    int code;
    const char* message;
};

// After any failure the file's previous content is under its own name or under its backup name,
// and an earlier backup is not lost unless the file's content took its place.
TEST(ConvertAtrFileTest, FailuresChangeNothingOrKeepTheContentInTheBackup) {
    const FailureCase cases[] = {
        {"missing file keeps an earlier backup",
         [](const test::TempFolder& f) {
             WriteBytes(f / "gone.BAK", "earlier");
             return f / "gone.atr";
         },
         2, "ファイルが見つかりません"},
        {"missing folder", [](const test::TempFolder& f) { return f / "no/such/file.atr"; }, 3,
         "不正なファイル名です"},
        {"a file where a folder should be",
         [](const test::TempFolder& f) {
             WriteBytes(f / "plain", "x");
             return f / "plain/file.atr";
         },
         3, "不正なファイル名です"},
#ifndef _WIN32
        {"dangling symbolic link",
         [](const test::TempFolder& f) {
             std::filesystem::create_symlink(f / "nowhere", f / "dangling.atr");
             return f / "dangling.atr";
         },
         2, "ファイルが見つかりません"},
#endif
        {"folder named like a file is not moved",
         [](const test::TempFolder& f) {
             std::filesystem::create_directory(Path(f / "dir.atr"));
             return f / "dir.atr";
         },
         5, "ファイルへのアクセスが拒否されました"},
        {"backup name is a folder",
         [](const test::TempFolder& f) {
             WriteBytes(f / "a.atr", kInput);
             std::filesystem::create_directory(Path(f / "a.BAK"));
             return f / "a.atr";
         },
         5, "ファイルへのアクセスが拒否されました"},
        {"path names its own backup",
         [](const test::TempFolder& f) {
             WriteBytes(f / "own.BAK", kInput);
             return f / "own.BAK";
         },
         3, "不正なファイル名です"},
        {"backup name is another name of the same file",
         [](const test::TempFolder& f) {
             WriteBytes(f / "same.atr", kInput);
             std::filesystem::create_hard_link(Path(f / "same.atr"), Path(f / "same.BAK"));
             return f / "same.atr";
         },
         3, "不正なファイル名です"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder folder;
        const std::string path = c.prepare(folder);
        const std::string backup = path.substr(0, path.size() - 4) + ".BAK";
        const bool hadFile = std::filesystem::is_regular_file(Path(path));
        const std::string before = hadFile ? ReadBytes(path) : "";
        const bool hadBackup = std::filesystem::is_regular_file(Path(backup));
        const std::string backupBefore = hadBackup ? ReadBytes(backup) : "";
        try {
            Convert(path);
            ADD_FAILURE() << "no error";
        } catch (const InOutError& error) {
            EXPECT_EQ(error.code(), c.code);
            EXPECT_EQ(std::string(error.what()), c.message);
        }
        if (hadFile) {
            EXPECT_EQ(ReadBytes(path), before);
        }
        if (hadBackup) {
            EXPECT_EQ(ReadBytes(backup), backupBefore);
        }
    }
}

#ifndef _WIN32
TEST(ConvertAtrFileTest, ReadOnlyFolderFailsBeforeAnythingIsWritten) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "running as root: folder permissions do not apply (the read-only file system "
                        "test covers this case)";
    }
    test::TempFolder folder;
    std::filesystem::create_directory(folder / "ro");
    WriteBytes(folder / "ro/a.atr", kInput);
    WriteBytes(folder / "ro/a.BAK", "earlier");
    ::chmod((folder / "ro").c_str(), 0555);
    try {
        Convert(folder / "ro/a.atr");
        ADD_FAILURE() << "no error";
    } catch (const InOutError& error) {
        EXPECT_EQ(error.code(), 5);
    }
    EXPECT_EQ(ReadBytes(folder / "ro/a.atr"), kInput);
    EXPECT_EQ(ReadBytes(folder / "ro/a.BAK"), "earlier");
}
#endif

#ifndef _WIN32
TEST(ConvertAtrFileTest, TooManyOpenFilesKeepsTheContentInTheBackup) {
    test::TempFolder folder;
    WriteBytes(folder / "many.atr", kInput);
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    // Room for exactly one more file: the backup opens, the new file does not.
    const int lowestFree = ::open("/dev/null", O_RDONLY);
    ASSERT_GE(lowestFree, 0);
    ::close(lowestFree);
    rlimit tight = saved;
    tight.rlim_cur = static_cast<rlim_t>(lowestFree + 1);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &tight), 0);
    int code = 0;
    try {
        Convert(folder / "many.atr");
    } catch (const InOutError& error) {
        code = error.code();
    }
    ::setrlimit(RLIMIT_NOFILE, &saved);
    EXPECT_EQ(code, 4);
    EXPECT_EQ(ReadBytes(folder / "many.BAK"), kInput);
}
#endif

#ifdef _WIN32
// Another program holding a file open without letting others delete or rename it.
class HeldOpen {
public:
    explicit HeldOpen(const std::string& path)
        : m_handle(CreateFileW(Path(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~HeldOpen() { CloseHandle(m_handle); }
    bool ok() const { return m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle;
};

TEST(ConvertAtrFileTest, BackupHeldOpenElsewhereIsASharingViolationAndKeepsEverything) {
    test::TempFolder folder;
    WriteBytes(folder / "held.atr", kInput);
    WriteBytes(folder / "held.BAK", "earlier");
    HeldOpen held(folder / "held.BAK");
    ASSERT_TRUE(held.ok());
    try {
        Convert(folder / "held.atr");
        ADD_FAILURE() << "no error";
    } catch (const InOutError& error) {
        EXPECT_EQ(error.code(), 32);
        EXPECT_STREQ(error.what(), "I/O エラー (32)");
    }
    EXPECT_EQ(ReadBytes(folder / "held.atr"), kInput);
    EXPECT_EQ(ReadBytes(folder / "held.BAK"), "earlier");
}

TEST(ConvertAtrFileTest, FileHeldOpenElsewhereCannotBeMovedAndKeepsItsContent) {
    test::TempFolder folder;
    WriteBytes(folder / "open.atr", kInput);
    HeldOpen held(folder / "open.atr");
    ASSERT_TRUE(held.ok());
    try {
        Convert(folder / "open.atr");
        ADD_FAILURE() << "no error";
    } catch (const InOutError& error) {
        EXPECT_EQ(error.code(), 32);
    }
    EXPECT_EQ(ReadBytes(folder / "open.atr"), kInput);
    EXPECT_FALSE(Exists(folder / "open.BAK"));
}
#endif

TEST(ConvertAtrFileTest, MessagesByCode) {
    EXPECT_EQ(InOutError::MessageFor(4), "オープンしたファイルが多すぎます");
    EXPECT_EQ(InOutError::MessageFor(32), "I/O エラー (32)");
    EXPECT_EQ(InOutError::MessageFor(112), "I/O エラー (112)");
}

}  // namespace
}  // namespace brelvo
