// A file dialog that looks at names and stat(2) only. The platform's native dialog and Qt's
// default icon provider both read the start of each file to guess its type.
#include "windows/SaveFileChooser.h"

#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QMimeDatabase>
#include <QSortFilterProxyModel>
#include <algorithm>

#include "game/history/HandHistory.h"

namespace {

// Icons and types from the name alone.
class IconsByName final : public QFileIconProvider {
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override { return icon(info.isDir() ? Folder : File); }
    QString type(const QFileInfo& info) const override {
        if (info.isDir()) return QStringLiteral("Folder");
        return mimes_.mimeTypeForFile(info, QMimeDatabase::MatchExtension).comment();
    }

private:
    QMimeDatabase mimes_;
};

// The hand history's files in `folder` left out of the list: they are SQLite's alone.
class HistoryFilesHidden final : public QSortFilterProxyModel {
public:
    HistoryFilesHidden(const QString& folder, QObject* parent)
        : QSortFilterProxyModel(parent), folder_(QFileInfo(folder).absoluteFilePath()) {}

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const auto* files = static_cast<const QFileSystemModel*>(sourceModel());
        const QFileInfo info(files->filePath(files->index(row, 0, parent)));
        if (info.absolutePath() != folder_) return true;
        const QString history = QString::fromUtf8(history::kHistoryFileName);
        const auto isHistory = [&](const char* suffix) {
            return info.fileName().compare(history + suffix, Qt::CaseInsensitive) == 0;
        };
        return !isHistory("") && std::none_of(history::kCompanionSuffixes.begin(),
                                              history::kCompanionSuffixes.end(), isHistory);
    }

private:
    QString folder_;
};

}  // namespace

QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& presetName) {
    const QFileInfo preset(presetName);
    IconsByName icons;
    // No folder yet: the dialog would read the preset file with its own icon provider.
    QFileDialog dialog(parent, title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(&icons);
    dialog.setProxyModel(new HistoryFilesHidden(preset.absolutePath(), &dialog));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDirectory(preset.absolutePath());
    dialog.selectFile(preset.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return presetName;
    return dialog.selectedFiles().constFirst();
}
