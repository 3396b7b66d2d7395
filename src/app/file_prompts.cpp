#include "app/file_prompts.h"

#include <QDir>
#include <QFileDialog>

namespace app {

namespace {

std::optional<FileDialogAnswer> runDialog(QWidget* parent, const FileDialogRequest& request,
                                          QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilters(request.filters);
    if (request.filterIndex >= 1 && request.filterIndex <= request.filters.size())
        dialog.selectNameFilter(request.filters[request.filterIndex - 1]);
    // A missing folder opens the dialog where the program was started.
    if (QDir(request.folder).exists()) dialog.setDirectory(request.folder);
    if (!request.presetName.startsWith(QLatin1Char('*'))) dialog.selectFile(request.presetName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return FileDialogAnswer{dialog.selectedFiles().front(),
                            static_cast<int>(request.filters.indexOf(dialog.selectedNameFilter())) +
                                1};
}

} // namespace

std::optional<FileDialogAnswer> QtFilePrompts::openFile(QWidget* parent,
                                                        const FileDialogRequest& request) {
    return runDialog(parent, request, QFileDialog::AcceptOpen);
}

std::optional<FileDialogAnswer> QtFilePrompts::saveFile(QWidget* parent,
                                                        const FileDialogRequest& request) {
    return runDialog(parent, request, QFileDialog::AcceptSave);
}

} // namespace app
