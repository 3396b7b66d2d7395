#include "app/help_topics.h"

#include <QDir>

// Outside any namespace, as the resource system wants it.
static void registerHelpResources() {
    Q_INIT_RESOURCE(help);
}

namespace app {
namespace {

QString languageFolder(bool english) {
    return english ? QStringLiteral("en") : QStringLiteral("de");
}

} // namespace

QString helpPageUrl(std::string_view topic, bool english) {
    std::string_view page = helpTopics().front().page;
    for (const HelpTopic& known : helpTopics())
        if (known.name == topic) page = known.page;
    return QStringLiteral("qrc:/help/%1/%2.html")
        .arg(languageFolder(english),
             QString::fromUtf8(page.data(), static_cast<qsizetype>(page.size())));
}

QStringList helpPages(bool english) {
    const QString folder = QStringLiteral(":/help/") + languageFolder(english);
    QStringList pages;
    for (const QString& name :
         QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name))
        pages << folder + QLatin1Char('/') + name;
    return pages;
}

void initialiseHelpResources() {
    static const bool registered = [] {
        registerHelpResources();
        return true;
    }();
    (void)registered;
}

} // namespace app
