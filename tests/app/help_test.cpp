// The help: every topic the program links to exists in both languages, every page renders
// and its links lead somewhere, and the menus open it in the chosen language.

#include "app/help_topics.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "app/startup.h"

#include "app_test_support.h"

#include <QAction>
#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QToolButton>

namespace app {
namespace {

QString resourceOf(const QString& url) {
    return url.startsWith(QStringLiteral("qrc")) ? url.mid(3) : url;
}

TEST(Help, EveryLinkedTopicHasAPageInBothLanguages) {
    testing::ensureApplication();
    initialiseHelpResources();
    for (bool english : {true, false}) {
        for (const HelpTopic& topic : helpTopics()) {
            const QString page = resourceOf(helpPageUrl(topic.name, english));
            EXPECT_TRUE(QFile::exists(page)) << page.toStdString();
        }
        // Opened in the help window, each topic shows its own page.
        HelpWindow help;
        for (const HelpTopic& topic : helpTopics()) {
            help.showTopic(topic.name, english);
            EXPECT_FALSE(help.browser().documentTitle().isEmpty()) << topic.name;
            EXPECT_EQ(help.browser().source().toString(), helpPageUrl(topic.name, english));
        }
        // A topic the help does not know opens the contents rather than nothing.
        EXPECT_EQ(helpPageUrl("no such topic", english), helpPageUrl("Inhalt", english));
    }
    EXPECT_EQ(helpPageUrl("X_Settings", false), "qrc:/help/de/settings.html");
}

TEST(Help, EveryPageRendersWithATitleAndLiveLinks) {
    testing::ensureApplication();
    initialiseHelpResources();
    const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+)\""));
    for (bool english : {true, false}) {
        const QStringList pages = helpPages(english);
        EXPECT_EQ(pages.size(), static_cast<qsizetype>(helpTopics().size()));
        for (const QString& page : pages) {
            QTextBrowser browser;
            browser.setSource(QUrl(QStringLiteral("qrc") + page));
            EXPECT_FALSE(browser.documentTitle().isEmpty()) << page.toStdString();
            EXPECT_GT(browser.toPlainText().size(), 200) << page.toStdString();
            QFile file(page);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            for (auto match = link.globalMatch(html); match.hasNext();) {
                const QString target = page.section('/', 0, -2) + '/' + match.next().captured(1);
                EXPECT_TRUE(QFile::exists(target))
                    << page.toStdString() << " -> " << target.toStdString();
            }
        }
    }
    // Both languages hold the same pages.
    QStringList english = helpPages(true);
    QStringList german = helpPages(false);
    english.replaceInStrings(QStringLiteral("/en/"), QStringLiteral("/"));
    german.replaceInStrings(QStringLiteral("/de/"), QStringLiteral("/"));
    EXPECT_EQ(english, german);
}

TEST(Help, BrowsingBackForwardAndSearch) {
    testing::ensureApplication();
    HelpWindow help;
    help.showTopic("Inhalt", true);
    auto& browser = help.browser();
    auto* back = help.findChild<QToolButton*>(QStringLiteral("Back"));
    ASSERT_NE(back, nullptr);
    EXPECT_FALSE(back->isEnabled());
    help.showTopic("X_DrumEditor", true);
    EXPECT_EQ(browser.documentTitle(), "The drum editor");
    EXPECT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(browser.documentTitle(), "XG-Orvo Help");
    help.findChild<QToolButton*>(QStringLiteral("Forward"))->click();
    EXPECT_EQ(browser.documentTitle(), "The drum editor");
    // A word on another page opens that page at the word.
    EXPECT_TRUE(help.find(QStringLiteral("QS300 Timeout")));
    EXPECT_EQ(browser.documentTitle(), "Troubleshooting");
    EXPECT_TRUE(browser.textCursor().hasSelection());
    EXPECT_FALSE(help.find(QStringLiteral("zzzz not in the help")));
}

TEST(Help, MenusOpenTheChosenLanguageAndTheChoiceIsKept) {
    testing::SessionFixture f;
    auto window = startUp(f.session, f.prompts, {});
    window->menu().germanHelp->trigger();
    ASSERT_NE(window->helpWindow(), nullptr);
    EXPECT_EQ(window->helpWindow()->browser().documentTitle(), "XG-Orvo Hilfe");
    EXPECT_TRUE(window->menu().germanHelp->isChecked());
    EXPECT_FALSE(window->menu().englishHelp->isChecked());
    window->openHelp("X_DrumEditor");
    EXPECT_EQ(window->helpWindow()->browser().documentTitle(), "Der Drum-Editor");
    window->close();
    EXPECT_NE(f.dir.readIni().find("[Help]\nLanguage=0"), std::string::npos) << f.dir.readIni();

    window->menu().englishHelp->trigger();
    EXPECT_EQ(window->helpWindow()->browser().documentTitle(), "XG-Orvo Help");
    window->menu().manual->trigger();
    EXPECT_TRUE(window->helpWindow()->isVisible());
    // F1 names the screen in front; every such topic has its page.
    EXPECT_EQ(window->screenHelpTopic(), "X_PartEditor");
    window->openHelp(window->screenHelpTopic());
    EXPECT_EQ(window->helpWindow()->browser().documentTitle(), "The part editor");
}

} // namespace
} // namespace app
