// The voice lists, the QS300 file commands and the store dialog in the real main window
// over the memory backend.

#include "app/editor_window.h"
#include "app/main_window.h"
#include "app/qs300_file_commands.h"
#include "app/startup.h"
#include "app/store_dialog.h"

#include "app_test_support.h"
#include "editor/voice_list_layout.h"
#include "editor/voice_naming.h"
#include "files/qs300_files.h"
#include "image/qs300_factory.h"
#include "image/voice_catalogue.h"

#include <QAction>
#include <QCoreApplication>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

#include <deque>

namespace app {
namespace {

using testing::bytes;
using testing::Message;

Message partParam(int part, int address, int value) {
    return bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, part, address, value, 0xF7});
}

// Answers the file dialogs from a script and remembers what they proposed.
struct ScriptedFiles final : FileChooser {
    std::deque<std::optional<std::filesystem::path>> answers;
    std::vector<std::pair<std::string, std::filesystem::path>> asked; // title, start
    std::optional<std::filesystem::path> next(const QString& title,
                                              const std::filesystem::path& start) {
        asked.emplace_back(title.toStdString(), start);
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<std::filesystem::path> openFile(QWidget*, const QString& title, const QString&,
                                                  const std::filesystem::path& start) override {
        return next(title, start);
    }
    std::optional<std::filesystem::path> saveFile(QWidget*, const QString& title, const QString&,
                                                  const std::filesystem::path& start) override {
        return next(title, start);
    }
};

class VoiceWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { start(); }
    void start() {
        f.dir.writeIni(testing::kVirtualOutIni);
        window = startUp(f.session, f.prompts, {});
        window->show();
        window->qs300Files().setFileChooser(files);
        QCoreApplication::processEvents();
        f.backend.clearSent();
    }

    TFXg& editor() { return window->editorWindow(); }
    image::SynthImage& image() { return f.session.image(); }

    void click(QWidget& target, QPoint local) {
        for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(
                type, QPointF(local), QPointF(target.mapToGlobal(local)), Qt::LeftButton,
                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&target, &event);
        }
    }
    void clickSurface(int x, int y) { click(editor(), editor().windowPointOf(x, y)); }
    void clickItem(QListWidget& list, int row) {
        list.scrollToItem(list.item(row));
        click(*list.viewport(), list.visualItemRect(list.item(row)).center());
    }
    QListWidget* shown(editor::PopupList id) {
        QListWidget* list = editor().popupList(id);
        return list && list->isVisible() ? list : nullptr;
    }
    QAction* action(const char* name) {
        return window->findChild<QAction*>(QString::fromLatin1(name));
    }

    testing::SessionFixture f;
    ScriptedFiles files;
    std::unique_ptr<TMF> window;
};

TEST_F(VoiceWindowTest, PressVoiceButtonClickCategoryAndVoice) {
    clickSurface(30 + 35 * 4, 390); // the fifth part's voice button
    f.backend.clearSent();          // the notes of the part left behind end
    QListWidget* categories = shown(editor::PopupList::VoiceCategories);
    ASSERT_NE(categories, nullptr);
    EXPECT_EQ(categories->count(), 19);
    ASSERT_NE(shown(editor::voiceListId(0)), nullptr) << "the part's own category opens with it";
    clickItem(*categories, 5); // "Strings"
    QListWidget* strings = shown(editor::voiceListId(5));
    ASSERT_NE(strings, nullptr);
    EXPECT_EQ(shown(editor::voiceListId(0)), nullptr);
    EXPECT_EQ(strings->item(0)->text(), QStringLiteral("Violin"));
    EXPECT_TRUE(f.backend.sent().empty());

    const QImage before = editor().surface().copy();
    clickItem(*strings, 0);
    EXPECT_EQ(f.backend.sent(), (std::vector<Message>{partParam(4, 7, 0), partParam(4, 1, 0),
                                                      partParam(4, 2, 0), partParam(4, 3, 40)}));
    EXPECT_EQ(editor::partVoiceName(image(), 4), "Violin");
    EXPECT_EQ(shown(editor::PopupList::VoiceCategories), nullptr);
    EXPECT_EQ(shown(editor::voiceListId(5)), nullptr);
    // The strip's voice button shows the new name.
    const QRect button(14 + 35 * 4, 384, 33, 15);
    EXPECT_NE(before.copy(button), editor().surface().copy(button));
}

TEST_F(VoiceWindowTest, GraphicAndPlainListsTakeTheirLook) {
    f.session.settings().listType = 1;
    f.session.settings().listColor = 0x0000FF; // red, low byte first
    clickSurface(30, 390);
    QListWidget* piano = shown(editor::voiceListId(0));
    ASSERT_NE(piano, nullptr);
    EXPECT_EQ(piano->palette().color(QPalette::Base), QColor(255, 0, 0));
    EXPECT_EQ(piano->height(), 39 * 13 + 5);
    clickSurface(700, 20);
    f.session.settings().listType = 0;
    clickSurface(30, 390);
    EXPECT_EQ(piano->height(), 473);
    EXPECT_NE(piano->palette().color(QPalette::Base), QColor(255, 0, 0));
}

TEST_F(VoiceWindowTest, LoadedFourElementVoicePlaysOnAPairAndLeavesTheBank) {
    auto voice = image::factoryPresetBank()[5];
    voice[image::kVoiceElementSwitchByte] = 0x0F;
    const auto path = f.dir.path() / "four.QVC";
    files::writeVoiceFile(path, voice);
    const auto bank = image().bank;
    image().currentPart = 3;
    files.answers = {path};
    window->qs300Files().LoadQS300Voice1Click();
    EXPECT_EQ(files.asked.at(0).first, "Load QS300 Voice File");
    EXPECT_EQ(files.asked.at(0).second.filename(), "*.QVC");
    const auto sent = f.backend.sent();
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ(sent[0].size(), 392u);
    EXPECT_EQ(sent[0][7], 2);
    EXPECT_EQ(sent[1][7], 3);
    EXPECT_EQ(image().bank, bank);
    EXPECT_EQ(image().userVoiceKind[2], image::kTwoPartVoice);
    EXPECT_TRUE(f.prompts.errors.empty());
}

TEST_F(VoiceWindowTest, BadFilesSayWhyAndChangeNothing) {
    std::ofstream(f.dir.path() / "short.QVC", std::ios::binary) << std::string(100, 'x');
    std::ofstream(f.dir.path() / "long.QVB", std::ios::binary) << std::string(48897, 'x');
    const auto bank = image().bank;
    const auto voices = image().partVoices;
    files.answers = {f.dir.path() / "short.QVC", f.dir.path() / "missing.QVC"};
    window->qs300Files().LoadQS300Voice1Click();
    window->qs300Files().LoadQS300Voice1Click();
    files.answers = {f.dir.path() / "long.QVB"};
    window->qs300Files().LoadQS300Bank1Click();
    EXPECT_EQ(f.prompts.errors.size(), 3u);
    EXPECT_TRUE(f.backend.sent().empty());
    EXPECT_EQ(image().bank, bank);
    EXPECT_EQ(image().partVoices, voices);
}

TEST_F(VoiceWindowTest, SaveVoiceProposesTheVoiceNameAndBankSaveAddsTheExtension) {
    const auto folder = f.dir.path() / "QS_Voice";
    std::filesystem::create_directories(folder);
    window->qs300Files().SaveQS300Voice1Click(); // an XG voice: nothing to save
    EXPECT_TRUE(files.asked.empty());

    image().currentPart = 1;
    window->editorWindow().voices().select(image::kQsUserList, 1);
    files.answers = {folder / "mine"};
    window->qs300Files().SaveQS300Voice1Click();
    ASSERT_EQ(files.asked.size(), 1u);
    EXPECT_EQ(files.asked[0].first, "Save QS300 Voice File");
    EXPECT_EQ(files.asked[0].second, folder / files::proposedVoiceFileName(image().bank[1]));
    EXPECT_TRUE(std::filesystem::exists(folder / "mine.QVC"));

    files.answers = {f.dir.path() / "all"};
    window->qs300Files().SaveQS300Bank1Click();
    EXPECT_EQ(std::filesystem::file_size(f.dir.path() / "all.QVB"), 48896u);
}

TEST_F(VoiceWindowTest, StoreDialogPutsTheVoiceInTheChosenPlaceAndPlaysIt) {
    image().currentPart = 6;
    window->editorWindow().voices().select(image::kQsPresetList, 0); // CrystaLake
    f.backend.clearSent();
    bool storeWasDisabled = false;
    f.prompts.onModal = [&](QDialog& dialog) {
        auto& store = static_cast<TQstore&>(dialog);
        storeWasDisabled = !store.storeButton()->isEnabled();
        EXPECT_EQ(store.list()->count(), 128);
        EXPECT_EQ(store.list()->item(0)->text().mid(11), QStringLiteral("Aurora    "));
        store.list()->setCurrentRow(127);
        EXPECT_TRUE(store.storeButton()->isEnabled());
        store.storeButton()->click();
    };
    window->qs300Files().StoreQS300Voice1Click();
    EXPECT_EQ(f.prompts.modals, (std::vector<std::string>{"Store >CrystaLake< to ..."}));
    EXPECT_TRUE(storeWasDisabled);
    EXPECT_EQ(image::voiceRecordName(image().bank[127]), "CrystaLake");
    EXPECT_EQ(image().part(6, image::offset::kProgram), 127);
    EXPECT_EQ(image().part(6, image::offset::kBankLsb), 1);
    EXPECT_FALSE(f.backend.sent().empty());

    // Cancel leaves the bank.
    const auto bank = image().bank;
    f.prompts.onModal = {};
    window->qs300Files().StoreQS300Voice1Click();
    EXPECT_EQ(image().bank, bank);
}

TEST_F(VoiceWindowTest, MenusEnableTheVoiceCommandsForAPartWithAUserVoice) {
    emit window->menu().file->aboutToShow();
    emit window->menu().job->aboutToShow();
    EXPECT_TRUE(action("LoadQS300Voice1")->isEnabled());
    EXPECT_TRUE(action("LoadQS300Bank1")->isEnabled());
    EXPECT_TRUE(action("SaveQS300Bank1")->isEnabled());
    EXPECT_FALSE(action("SaveQS300Voice1")->isEnabled());
    EXPECT_FALSE(action("StoreQS300Voice1")->isEnabled());
    window->editorWindow().voices().select(image::kQsPresetList, 0);
    emit window->menu().file->aboutToShow();
    emit window->menu().job->aboutToShow();
    EXPECT_TRUE(action("SaveQS300Voice1")->isEnabled());
    EXPECT_TRUE(action("StoreQS300Voice1")->isEnabled());
}

TEST_F(VoiceWindowTest, AutoloadBankIsThereAfterTheNextStart) {
    auto bank = image::factoryUserBank();
    bank[127] = image::factoryPresetBank()[9];
    files::writeBankFile(f.dir.path() / "Autoload.QVB", bank);
    window.reset();
    start();
    EXPECT_EQ(image().bank[127], bank[127]);
}

// A musician's evening: a violin, the factory bank kept as a file and loaded again, a user
// voice on the seventh part stored into the last place, the bank kept as the autoload
// file, and the next start finds the stored voice there.
TEST_F(VoiceWindowTest, StoredVoiceSurvivesARestartThroughTheAutoloadBank) {
    auto choose = [&](int part, int category, int item) {
        clickSurface(30 + 35 * part, 390);
        clickItem(*shown(editor::PopupList::VoiceCategories), category);
        clickItem(*shown(editor::voiceListId(category)), item);
    };
    choose(1, 5, 0);
    EXPECT_EQ(editor::partVoiceName(image(), 1), "Violin");

    files.answers = {f.dir.path() / "factory", f.dir.path() / "factory.QVB"};
    window->qs300Files().SaveQS300Bank1Click();
    window->qs300Files().LoadQS300Bank1Click();
    choose(6, image::kQsUserList, 4);
    const auto played = files::partVoiceRecord(image(), 6);
    f.prompts.onModal = [](QDialog& dialog) {
        auto& store = static_cast<TQstore&>(dialog);
        store.list()->setCurrentRow(127);
        store.storeButton()->click();
    };
    window->qs300Files().StoreQS300Voice1Click();
    files.answers = {f.dir.path() / "Autoload.QVB"};
    window->qs300Files().SaveQS300Bank1Click();
    EXPECT_TRUE(f.prompts.errors.empty());

    window->close();
    window.reset();
    start();
    EXPECT_EQ(image::voiceRecordName(image().bank[127]), image::voiceRecordName(played));
    EXPECT_TRUE(std::equal(played.begin(), played.end() - 1, image().bank[127].begin()));
}

} // namespace
} // namespace app
