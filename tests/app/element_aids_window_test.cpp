// "RANDOM", "COPY" and "SCAN " of the voice editor in the real window over the memory
// backend: the dialogs driven through their own buttons, the dumps they send, and what the
// part keeps after "EXIT".

#include "app/element_aids_link.h"
#include "image/qs300_factory.h"
#include "image/voice_edit.h"
#include "image/voice_layout.h"

#include "voice_editor_window_fixture.h"

#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>

#include <numeric>

namespace app {
namespace {

using Message = std::vector<std::uint8_t>;

bool checksumHolds(const Message& dump) {
    const int sum = std::accumulate(dump.begin() + 4, dump.end() - 1, 0);
    return dump.size() == 392 && sum % 128 == 0;
}

std::string nameIn(const Message& dump) {
    return std::string(dump.begin() + 9, dump.begin() + 19);
}

int switchIn(const Message& dump) {
    return dump[9 + image::voice::kElementSwitch];
}

bool elementIs(const Message& dump, int element, const image::VoiceRecord& source,
               int sourceElement) {
    const auto at = dump.begin() + 9 + image::voice::elementStart(element);
    return std::equal(at, at + 80, source.begin() + image::voice::elementStart(sourceElement));
}

// Each draw takes the next number, counting up from 20.
class CountingRandom final : public midi::RandomSource {
  public:
    int below(int count) override { return next_++ % count; }

  private:
    int next_ = 20;
};

class ElementAidsWindowTest : public testing::VoiceEditorWindowFixture {
  protected:
    void SetUp() override {
        VoiceEditorWindowFixture::SetUp();
        click(editor().windowPointOf(620, 15)); // "QS300 EDIT"
        ASSERT_TRUE(voiceEditor().isOpen());
        f.backend.clearSent();
    }
    static void press(QDialog& dialog, const char* name) {
        auto* button = dialog.findChild<QAbstractButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }
    std::vector<Message> sent() const { return f.backend.sent(); }
};

TEST_F(ElementAidsWindowTest, ScanPlaysEveryStepAndTheEditedVoiceAfterClose) {
    std::vector<Message> auditions;
    f.prompts.onModal = [&](QDialog& dialog) {
        const std::size_t before = sent().size();
        for (int i = 0; i < 3; ++i) press(dialog, "Button4"); // ">"
        const auto all = sent();
        auditions.assign(all.begin() + static_cast<std::ptrdiff_t>(before), all.end());
        press(dialog, "Button2"); // "Close"
    };
    click(editor().windowPointOf(568, 363)); // "SCAN "
    EXPECT_EQ(f.prompts.modals, (std::vector<std::string>{"Element Scan"}));
    ASSERT_EQ(auditions.size(), 3u);
    // "CrystaLake" element 2, then "Ice Bells" elements 1 and 2, each alone.
    const std::vector<std::string> names{"CrystaLake", "Ice Bells ", "Ice Bells "};
    const std::vector<int> switches{2, 1, 2};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_TRUE(checksumHolds(auditions[i])) << i;
        EXPECT_EQ(nameIn(auditions[i]), names[i]);
        EXPECT_EQ(switchIn(auditions[i]), switches[i]);
    }
    const auto last = sent().back();
    EXPECT_TRUE(checksumHolds(last));
    EXPECT_EQ(nameIn(last), "Aurora    ");
}

// As a new user would: five random proposals and the last one kept, then an element found
// by scanning copied into element 2, and "EXIT".
TEST_F(ElementAidsWindowTest, ARandomVoiceWithAScannedElementIsWhatThePartKeeps) {
    editor().voiceEditor().elementAids().setRandomSource(std::make_unique<CountingRandom>());
    Message kept;
    f.prompts.onModal = [&](QDialog& dialog) {
        if (dialog.windowTitle() == QStringLiteral("Random")) {
            for (int i = 0; i < 5; ++i) press(dialog, "Button3"); // "Next"
            kept = sent().back();
            press(dialog, "Button1"); // "OK"
            return;
        }
        press(dialog, "Rd2");
        press(dialog, "Button4"); // ">": "CrystaLake" element 2
        press(dialog, "Button1"); // "Copy"
        press(dialog, "Button2"); // "Close"
    };
    click(editor().windowPointOf(470, 363)); // "RANDOM"
    ASSERT_TRUE(checksumHolds(kept));
    // The first proposal came with the dialog: six in all, then the kept one once more.
    const auto afterRandom = sent();
    ASSERT_EQ(afterRandom.size(), 7u);
    EXPECT_EQ(afterRandom.back(), kept);
    click(editor().windowPointOf(568, 363)); // "SCAN "
    EXPECT_EQ(f.prompts.modals, (std::vector<std::string>{"Random", "Element Scan"}));
    click(editor().windowPointOf(674, 362)); // "EXIT"
    const auto& stored = f.session.image().partVoices[0];
    const Message voice(stored.begin(), stored.end());
    EXPECT_TRUE(checksumHolds(voice));
    EXPECT_TRUE(std::equal(voice.begin() + 9 + image::voice::elementStart(0),
                           voice.begin() + 9 + image::voice::elementStart(1),
                           kept.begin() + 9 + image::voice::elementStart(0)));
    EXPECT_TRUE(elementIs(voice, 1, image::factoryPresetBank()[0], 1));
    EXPECT_EQ(switchIn(voice) & 0x03, 0x03);
}

TEST_F(ElementAidsWindowTest, CopyToTheSameElementSendsNothing) {
    f.prompts.onModal = [&](QDialog& dialog) {
        press(dialog, "Rd1");
        dialog.accept();
    };
    const auto before = f.session.image().editVoice;
    click(editor().windowPointOf(520, 363)); // "COPY"
    EXPECT_EQ(f.prompts.modals, (std::vector<std::string>{"Copy Element"}));
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(f.session.image().editVoice, before);
}

} // namespace
} // namespace app
