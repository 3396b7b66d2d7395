#include "core/temp_folder.h"

#include "files/atomic_file.h"
#include "files/errors.h"
#include "files/qs300_autoload.h"
#include "files/qs300_files.h"
#include "image/image_init.h"
#include "image/qs300_factory.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

namespace {

namespace fs = std::filesystem;
using testfiles::TempFolder;

std::vector<std::uint8_t> bytesOf(const fs::path& path) {
    return files::readWholeFile(path);
}

void writeBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

TEST(Qs300Files, VoiceWrittenAndReadBackIsByteIdentical) {
    TempFolder folder("qvc");
    const auto voice = image::factoryPresetBank()[17];
    files::writeVoiceFile(folder / "v.QVC", voice);
    const auto bytes = bytesOf(folder / "v.QVC");
    ASSERT_EQ(bytes.size(), 382u);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), voice.begin()));
    EXPECT_EQ(files::readVoiceFile(folder / "v.QVC"), voice);
}

TEST(Qs300Files, BankWrittenAndReadBackIsByteIdentical) {
    TempFolder folder("qvb");
    const auto& bank = image::factoryUserBank();
    files::writeBankFile(folder / "b.QVB", bank);
    EXPECT_EQ(fs::file_size(folder / "b.QVB"), 48896u);
    image::VoiceBank read = image::factoryPresetBank();
    EXPECT_EQ(files::readBankFile(folder / "b.QVB", read), 48896u);
    EXPECT_EQ(read, bank);
}

TEST(Qs300Files, ShortBankFileFillsOnlyTheBytesItHolds) {
    TempFolder folder("short");
    writeBytes(folder / "s.QVB", std::vector<std::uint8_t>(100, 0x21));
    image::VoiceBank bank = image::factoryUserBank();
    EXPECT_EQ(files::readBankFile(folder / "s.QVB", bank), 100u);
    for (int i = 0; i < 382; ++i)
        EXPECT_EQ(bank[0][static_cast<std::size_t>(i)],
                  i < 100 ? 0x21 : image::factoryUserBank()[0][static_cast<std::size_t>(i)]);
    EXPECT_TRUE(std::equal(bank.begin() + 1, bank.end(), image::factoryUserBank().begin() + 1));
}

TEST(Qs300Files, HighBitsAreCutToSevenBits) {
    TempFolder folder("high");
    std::vector<std::uint8_t> bytes(382, 0xC1);
    writeBytes(folder / "h.QVC", bytes);
    const auto voice = files::readVoiceFile(folder / "h.QVC");
    EXPECT_TRUE(std::all_of(voice.begin(), voice.end(), [](auto b) { return b == 0x41; }));
    image::VoiceBank bank{};
    writeBytes(folder / "h.QVB", bytes);
    files::readBankFile(folder / "h.QVB", bank);
    EXPECT_EQ(bank[0][5], 0x41);
}

TEST(Qs300Files, BadFilesAreRefusedWithOneMessageAndChangeNothing) {
    TempFolder folder("bad");
    writeBytes(folder / "short.QVC", std::vector<std::uint8_t>(381, 1));
    writeBytes(folder / "long.QVC", std::vector<std::uint8_t>(383, 1));
    writeBytes(folder / "long.QVB", std::vector<std::uint8_t>(48897, 1));
    fs::create_directory(folder / "folder.QVB");
    for (const char* name : {"short.QVC", "long.QVC", "missing.QVC", "folder.QVB"}) {
        try {
            files::readVoiceFile(folder / name);
            ADD_FAILURE() << name;
        } catch (const files::EFileError& e) {
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
        }
    }
    EXPECT_THROW(files::readVoiceFile(folder / "short.QVC"), files::EFileError);
    image::VoiceBank bank = image::factoryUserBank();
    for (const char* name : {"long.QVB", "missing.QVB", "folder.QVB"})
        EXPECT_THROW(files::readBankFile(folder / name, bank), files::EFileError) << name;
    EXPECT_EQ(bank, image::factoryUserBank());
    try {
        files::readVoiceFile(folder / "short.QVC");
    } catch (const files::EFileError& e) {
        EXPECT_NE(std::string(e.what()).find("382 bytes, this one 381 bytes"), std::string::npos)
            << e.what();
    }
}

TEST(Qs300Files, FailedSaveLeavesTheOldFile) {
    TempFolder folder("save");
    const auto old = image::factoryPresetBank()[1];
    files::writeVoiceFile(folder / "keep.QVC", old);
    // A folder that cannot take files, whoever runs the test: a plain file in the way.
    writeBytes(folder / "notafolder", {1});
    EXPECT_THROW(files::writeVoiceFile(folder / "notafolder" / "v.QVC", old), files::EFileError);
    EXPECT_THROW(files::writeBankFile(folder / "notafolder" / "b.QVB", image::factoryUserBank()),
                 files::EFileError);
    // A folder where the voice file should be: refused, the folder stays.
    fs::create_directory(folder / "taken.QVC");
    EXPECT_THROW(files::writeVoiceFile(folder / "taken.QVC", old), files::EFileError);
    EXPECT_TRUE(fs::is_directory(folder / "taken.QVC"));
    EXPECT_EQ(files::readVoiceFile(folder / "keep.QVC"), old);
    EXPECT_EQ(folder.entryCount(), 3u);
}

TEST(Qs300Files, NamesAndTheVoiceOfAPart) {
    EXPECT_EQ(files::proposedVoiceFileName(image::factoryUserBank()[0]), "Aurora    .QVC");
    EXPECT_EQ(files::withDefaultExtension("a/Pad", ".QVC"), fs::path("a/Pad.QVC"));
    EXPECT_EQ(files::withDefaultExtension("a.b/Pad.x", ".QVC"), fs::path("a.b/Pad.x"));

    auto image = std::make_unique<image::SynthImage>();
    image::initialiseImage(*image);
    image->partVoices[4][9] = 'Q';
    image->userVoiceKind[4] = image::kTwoPartVoice;
    image->pairFlagLow[5] = image->pairFlagHigh[5] = 1;
    EXPECT_EQ(files::partVoiceRecord(*image, 5)[0], 'Q');
    EXPECT_EQ(files::partVoiceRecord(*image, 4)[0], 'Q');
    EXPECT_EQ(files::partVoiceRecord(*image, 6)[0], 'A');
}

} // namespace

namespace {

TEST(Qs300Autoload, LoadsOnlyWhenOnForAQs300ModuleAndPresent) {
    TempFolder folder("autoload");
    files::AppPaths paths{folder.path()};
    files::Settings settings;
    image::VoiceBank bank = image::factoryUserBank();
    EXPECT_FALSE(files::autoloadQsBank(settings, paths, bank)); // no file: silently skipped

    auto stored = image::factoryUserBank();
    stored[127] = image::factoryPresetBank()[9];
    files::writeBankFile(paths.autoloadBank(), stored);
    settings.synthType = 2;
    EXPECT_FALSE(files::autoloadQsBank(settings, paths, bank));
    settings.synthType = 1;
    settings.autoloadQsBank = false;
    EXPECT_FALSE(files::autoloadQsBank(settings, paths, bank));
    EXPECT_EQ(bank, image::factoryUserBank());
    settings.autoloadQsBank = true;
    EXPECT_TRUE(files::autoloadQsBank(settings, paths, bank));
    EXPECT_EQ(bank, stored);
}

} // namespace
