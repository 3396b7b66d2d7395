// The voice names on the strips' voice buttons and in the title field.

#include "editor/voice_naming.h"
#include "image/image_init.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

using namespace editor;
namespace off = image::offset;

struct Naming : ::testing::Test {
    std::unique_ptr<image::SynthImage> image = std::make_unique<image::SynthImage>();
    void SetUp() override { image::initialiseImage(*image); }
    void setVoice(int part, int msb, int lsb, int program, int mode = 0) {
        image->part(part, off::kBankMsb) = static_cast<image::Byte>(msb);
        image->part(part, off::kBankLsb) = static_cast<image::Byte>(lsb);
        image->part(part, off::kProgram) = static_cast<image::Byte>(program);
        image->part(part, off::kPartMode) = static_cast<image::Byte>(mode);
    }
};

TEST_F(Naming, XgVoicesAndKits) {
    setVoice(2, 0, 18, 0);
    EXPECT_EQ(partVoiceName(*image, 2), "MelloGrP");
    EXPECT_EQ(partVoiceKind(*image, 2), VoiceKind::Normal);
    setVoice(3, 127, 0, 25, 1);
    EXPECT_EQ(partVoiceName(*image, 3), "Analog Kit");
    EXPECT_EQ(partVoiceKind(*image, 3), VoiceKind::Drum);
    setVoice(4, 127, 0, 0, 3);
    EXPECT_EQ(partVoiceName(*image, 4), "D2:Standard Kit");
}

TEST_F(Naming, UserVoicesShowTheNameInTheirDump) {
    setVoice(5, 63, 0, 5);
    auto& dump = image->partVoices[5];
    const char* name = "Aurora    ";
    std::memcpy(dump.data() + image::kVoiceDumpDataStart, name, 10);
    EXPECT_EQ(partVoiceName(*image, 5), "Aurora");
    EXPECT_EQ(partVoiceKind(*image, 5), VoiceKind::UserVoice);
    dump[image::kVoiceDumpDataStart] = 0x01; // unprintable bytes never reach the screen
    EXPECT_EQ(partVoiceName(*image, 5), " urora");
}

TEST_F(Naming, SecondHalfOfATwoPartVoiceTitlesThePartBefore) {
    EXPECT_EQ(titlePart(*image, 3), 3);
    image->userVoiceKind[2] = image::kTwoPartVoice;
    EXPECT_EQ(titlePart(*image, 3), 2);
    EXPECT_EQ(titlePart(*image, 2), 2);
    EXPECT_EQ(titlePart(*image, 99), 15);
}

} // namespace
