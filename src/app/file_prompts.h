#pragma once
// File dialogs go through this interface, so that tests can answer them without anything
// waiting for a click.

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace app {

struct FileDialogRequest {
    QString title;       // "Load Set File"
    QString folder;      // where the dialog starts
    QString presetName;  // the last name used, or the kind's pattern
    QStringList filters; // "Set File (*.XGS)", "Midi File (*.MID)"
    int filterIndex = 1; // 1-based
};

struct FileDialogAnswer {
    QString path;
    int filterIndex = 1; // the filter chosen, 1-based
};

class FilePrompts {
  public:
    virtual ~FilePrompts() = default;
    // None when the dialog was cancelled. A save dialog asks itself before overwriting.
    virtual std::optional<FileDialogAnswer> openFile(QWidget* parent,
                                                     const FileDialogRequest& request) = 0;
    virtual std::optional<FileDialogAnswer> saveFile(QWidget* parent,
                                                     const FileDialogRequest& request) = 0;
};

class QtFilePrompts final : public FilePrompts {
  public:
    std::optional<FileDialogAnswer> openFile(QWidget* parent,
                                             const FileDialogRequest& request) override;
    std::optional<FileDialogAnswer> saveFile(QWidget* parent,
                                             const FileDialogRequest& request) override;
};

} // namespace app
