#pragma once
// The help: our own pages in English and German, compiled into the program. The menus and
// the dialogs' "Help" buttons name topics; each topic is one page.

#include <QString>
#include <QStringList>

#include <span>
#include <string_view>

namespace app {

struct HelpTopic {
    std::string_view name; // as the program asks for it ("Inhalt", "X_Settings")
    std::string_view page; // file name without language folder and extension
};

// Every topic the program links to.
std::span<const HelpTopic> helpTopics();

// The resource URL of a topic's page in a language; an unknown topic gives the contents.
QString helpPageUrl(std::string_view topic, bool english);

// Every page of one language, as resource paths (":/help/en/index.html", ...).
QStringList helpPages(bool english);

// Registers the compiled-in help pages. Call once before the help is shown.
void initialiseHelpResources();

} // namespace app
