#pragma once
// The program's help window: a text browser over the compiled-in pages with back and
// forward, the contents, and a search through the pages of the language shown.

#include <QWidget>

#include <string_view>

class QLineEdit;
class QTextBrowser;
class QToolButton;

namespace app {

class HelpWindow final : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the topic's page in the language and brings the window up.
    void showTopic(std::string_view topic, bool english);
    QTextBrowser& browser() { return *browser_; }
    // Finds the text from the place shown on; when this page has no more, the next page of
    // the language that holds it opens at its first match. False when no page has it.
    bool find(const QString& text);

  private:
    QTextBrowser* browser_ = nullptr;
    QLineEdit* search_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    bool english_ = true;
};

} // namespace app
