#include "app/help_window.h"

#include "app/help_topics.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace app {
namespace {

QToolButton* toolButton(QWidget* parent, const QString& name, const QString& text) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    return button;
}

QString plainTextOf(const QString& resource) {
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    return document.toPlainText();
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    initialiseHelpResources();
    resize(720, 560);

    back_ = toolButton(this, QStringLiteral("Back"), QStringLiteral("<"));
    forward_ = toolButton(this, QStringLiteral("Forward"), QStringLiteral(">"));
    auto* contents = toolButton(this, QStringLiteral("Contents"), QStringLiteral("\u2302"));
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("Search"));
    search_->setClearButtonEnabled(true);
    auto* findButton = toolButton(this, QStringLiteral("Find"), QStringLiteral("Find"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(true);

    auto* bar = new QHBoxLayout;
    bar->addWidget(back_);
    bar->addWidget(forward_);
    bar->addWidget(contents);
    bar->addStretch();
    bar->addWidget(search_);
    bar->addWidget(findButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(browser_);

    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    connect(contents, &QToolButton::clicked, this,
            [this] { browser_->setSource(QUrl(helpPageUrl("Inhalt", english_))); });
    const auto search = [this] { find(search_->text()); };
    connect(search_, &QLineEdit::returnPressed, this, search);
    connect(findButton, &QToolButton::clicked, this, search);
    connect(browser_, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(browser_->documentTitle()); });
}

void HelpWindow::showTopic(std::string_view topic, bool english) {
    english_ = english;
    browser_->setSource(QUrl(helpPageUrl(topic, english)));
    show();
    raise();
    activateWindow();
}

bool HelpWindow::find(const QString& text) {
    if (text.trimmed().isEmpty()) return false;
    if (browser_->find(text)) return true;
    // The rest of the pages, starting after the one shown and wrapping round to it.
    const QStringList pages = helpPages(english_);
    const QString shown = browser_->source().toString().mid(3); // "qrc" off: ":/help/..."
    const qsizetype at = pages.indexOf(shown);
    for (qsizetype step = 1; step <= pages.size(); ++step) {
        const QString& page = pages[(at + step + pages.size()) % pages.size()];
        if (!plainTextOf(page).contains(text, Qt::CaseInsensitive)) continue;
        if (page != shown) browser_->setSource(QUrl(QStringLiteral("qrc") + page));
        browser_->moveCursor(QTextCursor::Start);
        return browser_->find(text);
    }
    return false;
}

} // namespace app
