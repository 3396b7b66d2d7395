#include "image/image_init.h"
#include "image/qs300_factory.h"
#include "image/voice_catalogue.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(VoiceCatalogue, EveryItemLeadsToItsVoiceAndBack) {
    int rows = 0;
    for (int list = 0; list < image::kVoiceListCount; ++list) {
        for (int item = 0; item < image::voiceListSize(list); ++item, ++rows) {
            const auto voice = image::catalogueVoice(list, item);
            ASSERT_TRUE(voice);
            int mode = list == image::kDrumList ? 1 : 0;
            if (list == image::kDrumList && item >= image::kDrumSetup1Item)
                mode = 2 + item - image::kDrumSetup1Item;
            const auto back = image::findListItem(voice->msb, voice->lsb, voice->program, mode);
            ASSERT_TRUE(back) << list << "/" << item;
            EXPECT_EQ(back->list, list);
            EXPECT_EQ(back->item, item);
        }
    }
    EXPECT_EQ(rows, image::kCatalogueSize);
    EXPECT_FALSE(image::catalogueVoice(15, 50));
    EXPECT_FALSE(image::findListItem(5, 5, 5, 0));
}

TEST(VoiceCatalogue, TextsAndNamesAsTheListsShowThem) {
    auto image = std::make_unique<image::SynthImage>();
    image::initialiseImage(*image);
    EXPECT_EQ(image::voiceCategoryNames().size(), 19u);
    const auto piano = image::voiceListTexts(0, image->bank);
    EXPECT_EQ(piano.size(), 39u);
    EXPECT_EQ(piano[2], " - MelloGrP");
    EXPECT_EQ(image::selectionName(0, piano[2]), "MelloGrP");
    const auto sfx = image::voiceListTexts(15, image->bank);
    EXPECT_EQ(sfx[21], "Ghost");
    EXPECT_EQ(image::catalogueVoice(15, 21)->program, 54);
    EXPECT_EQ(image::catalogueVoice(15, 22)->program, 55);

    const auto presets = image::voiceListTexts(image::kQsPresetList, image->bank);
    ASSERT_EQ(presets.size(), 128u);
    EXPECT_EQ(presets[0], "001  - 2 - CrystaLake");
    EXPECT_EQ(image::selectionName(image::kQsPresetList, presets[0]), "CrystaLake");
    const auto users = image::voiceListTexts(image::kQsUserList, image->bank);
    EXPECT_EQ(users[0].substr(0, 11), "001  - 3 - ");
    EXPECT_EQ(users[0].substr(11), "Aurora    ");
}

} // namespace
