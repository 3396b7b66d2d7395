#include "files/atomic_file.h"
#include "files/errors.h"
#include "files/settings.h"

#include "core/temp_folder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

using files::EFileError;
using files::SaveFaults;
using files::writeFileAtomically;
using testfiles::readText;
using testfiles::TempFolder;
using testfiles::writeText;

namespace {

constexpr int kSaves = 1000;

// Two versions of clearly different length and contents, so that a mix or a cut of them
// cannot pass for either.
const std::string versionA = "[Port]\nOut=" + std::string(3000, 'a') + "\n";
const std::string versionB = "[Port]\nOut=" + std::string(5000, 'b') + "\n";

std::string saveError(const std::filesystem::path& path, const SaveFaults& faults) {
    try {
        writeFileAtomically(
            path,
            std::span(reinterpret_cast<const std::uint8_t*>(versionB.data()), versionB.size()),
            files::settingsWhat, faults);
    } catch (const EFileError& e) {
        return e.what();
    }
    return "no error";
}

bool runningAsRoot() {
    return ::geteuid() == 0;
}

} // namespace

TEST(AtomicFile, TwoThreadsSavingTheSameFileEachLeaveOneWholeVersion) {
    TempFolder folder("atomic_threads", testfiles::memoryFolderBase());
    const auto path = folder / "XG-Orvo.INI";
    writeText(path, versionA);
    std::atomic<int> errors = 0;
    std::atomic<int> mixed = 0;
    std::atomic<bool> writing = true;
    auto saver = [&](const std::string& version) {
        for (int i = 0; i < kSaves; ++i) {
            try {
                writeFileAtomically(path, version, files::settingsWhat);
            } catch (const std::exception&) {
                ++errors;
            }
        }
    };
    std::thread reader([&] {
        while (writing) {
            const auto text = readText(path);
            if (text != versionA && text != versionB) ++mixed;
        }
    });
    std::thread first(saver, versionA);
    std::thread second(saver, versionB);
    first.join();
    second.join();
    writing = false;
    reader.join();
    EXPECT_EQ(errors, 0);
    EXPECT_EQ(mixed, 0);
    EXPECT_EQ(folder.entryCount(), 1u) << "a temporary file was left behind";
}

TEST(AtomicFile, TwoProcessesSavingTheSameFileEachLeaveOneWholeVersion) {
    TempFolder folder("atomic_processes", testfiles::memoryFolderBase());
    const auto path = folder / "XG-Orvo.INI";
    writeText(path, versionA);
    auto saveMany = [&](const std::string& version) {
        int failures = 0;
        for (int i = 0; i < kSaves; ++i) {
            try {
                writeFileAtomically(path, version, files::settingsWhat);
            } catch (const std::exception&) {
                ++failures;
            }
            const auto text = readText(path);
            if (text != versionA && text != versionB) ++failures;
        }
        return failures;
    };
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) ::_exit(saveMany(versionB) == 0 ? 0 : 1);
    const int failures = saveMany(versionA);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_EQ(failures, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(folder.entryCount(), 1u) << "a temporary file was left behind";
}

TEST(AtomicFile, AFailedSaveLeavesTheOldFileAndNoTemporary) {
    TempFolder folder("atomic_faults");
    const auto path = folder / "XG-Orvo.INI";
    const std::string shown = path.string();
    writeText(path, versionA);

    // A full disk shows itself while writing (or flushing) the temporary file.
    SaveFaults fullDisk;
    fullDisk.write = std::make_error_code(std::errc::no_space_on_device);
    EXPECT_EQ(saveError(path, fullDisk),
              "Could not save the settings to " + shown + ": the disk is full.");
    EXPECT_EQ(readText(path), versionA);
    EXPECT_EQ(folder.entryCount(), 1u);

    SaveFaults renameRefused;
    renameRefused.rename = std::make_error_code(std::errc::permission_denied);
    EXPECT_EQ(saveError(path, renameRefused), "Could not save the settings to " + shown +
                                                  ": you do not have permission to write there.");
    EXPECT_EQ(readText(path), versionA);
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(AtomicFile, AReadOnlyFolderKeepsTheOldFile) {
    TempFolder folder("atomic_readonly");
    const auto path = folder / "XG-Orvo.INI";
    writeText(path, versionA);
    ::chmod(folder.path().c_str(), 0555);
    SaveFaults faults;
    // Root writes into any folder whatever its permission bits say; there the system's
    // answer for a read-only folder is given through the seam instead.
    if (runningAsRoot()) faults.create = std::make_error_code(std::errc::permission_denied);
    EXPECT_EQ(saveError(path, faults), "Could not save the settings to " + path.string() +
                                           ": you do not have permission to write there.");
    ::chmod(folder.path().c_str(), 0755);
    EXPECT_EQ(readText(path), versionA);
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(AtomicFile, ReportsAMissingFolderAndAnOverLongPathInWords) {
    TempFolder folder("atomic_paths");
    const auto missing = folder / "no such folder" / "XG-Orvo.INI";
    EXPECT_EQ(saveError(missing, {}), "Could not save the settings to " + missing.string() +
                                          ": the folder does not exist.");
    const auto tooLong = folder / std::string(300, 'x');
    EXPECT_EQ(saveError(tooLong, {}),
              "Could not save the settings to " + tooLong.string() + ": the path is too long.");
}

TEST(AtomicFile, KeepsThePermissionsOfTheFileItReplaces) {
    TempFolder folder("atomic_mode");
    const auto path = folder / "set.XGS";
    writeText(path, versionA);
    ::chmod(path.c_str(), 0640);
    writeFileAtomically(path, versionB);
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(readText(path), versionB);
}

TEST(AtomicFile, RefusesToReplaceAnythingButARegularFile) {
    TempFolder folder("atomic_kinds");
    const auto target = folder / "real.mid";
    writeText(target, versionA);
    const auto link = folder / "link.mid";
    std::filesystem::create_symlink(target, link);
    const auto dangling = folder / "dangling.mid";
    std::filesystem::create_symlink(folder / "nothing.mid", dangling);
    const auto subfolder = folder / "folder.mid";
    std::filesystem::create_directory(subfolder);

    // A link to a file stays a link; the file it names gets the new version.
    writeFileAtomically(link, versionB);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readText(target), versionB);
    EXPECT_THROW(writeFileAtomically(dangling, versionA), EFileError);
    EXPECT_TRUE(std::filesystem::is_symlink(dangling));
    try {
        writeFileAtomically(subfolder, versionB);
        ADD_FAILURE() << "a folder was replaced";
    } catch (const EFileError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Could not save " + subfolder.string() + ": it is a folder, not a file.");
    }
    EXPECT_EQ(folder.entryCount(), 4u);
}

// ---- reading -----------------------------------------------------------------------------

namespace {

std::string readError(const std::filesystem::path& path) {
    try {
        files::readWholeFile(path);
    } catch (const EFileError& e) {
        return e.what();
    }
    return "no error";
}

} // namespace

TEST(ReadWholeFile, RefusesWhatIsNoReadableRegularFileWithOneMessage) {
    TempFolder folder("read_kinds");
    const auto missing = folder / "missing.mid";
    EXPECT_EQ(readError(missing),
              "Could not open " + missing.string() + ": the file does not exist.");
    EXPECT_EQ(readError(folder.path()),
              "Could not open " + folder.path().string() + ": it is a folder, not a file.");
    // Nobody writes to the pipe: opening it must not wait.
    const auto pipe = folder / "pipe.mid";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(readError(pipe), "Could not open " + pipe.string() + ": it is not a regular file.");
    EXPECT_EQ(readError("/dev/zero"), "Could not open /dev/zero: it is not a regular file.");
    const auto big = folder / "big.ini";
    writeText(big, "x");
    std::filesystem::resize_file(big, files::defaultReadLimit + 1);
    EXPECT_EQ(readError(big), "Could not open " + big.string() + ": the file is too large.");
}

TEST(ReadWholeFile, AnUnreadableFileIsNotCalledMissing) {
    if (runningAsRoot()) GTEST_SKIP() << "root reads a file whatever its permission bits say";
    TempFolder folder("read_denied");
    const auto path = folder / "locked.mid";
    writeText(path, "MThd");
    ::chmod(path.c_str(), 0);
    EXPECT_EQ(readError(path),
              "Could not open " + path.string() + ": you do not have permission to read it.");
}
