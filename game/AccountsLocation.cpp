// Where the accounts file lives.
#include "game/AccountsLocation.h"

#include <QDir>
#include <QFileInfo>

#include "accounts/AccountsFile.h"
#include "game/GameDialogs.h"
#include "game/PathText.h"

namespace {

const QString kAccountsFileName = QStringLiteral("Players.dat");

std::filesystem::path FileIn(const QString& folder) {
    return std::filesystem::path(QDir(folder).filePath(kAccountsFileName).toStdString());
}

}  // namespace

AccountsLocation ChooseAccountsFile(const QString& executableFolder, const QString& dataFolder) {
    const std::filesystem::path beside = FileIn(executableFolder);
    const QFileInfo besideInfo(PathText(beside));
    // exists() is false for a dangling link, which CheckAccountsFile reports like any other.
    const bool present = besideInfo.exists() || besideInfo.isSymLink();
    QString notice;
    if (present) {
        const std::optional<output::FileError> fault = output::CheckAccountsFile(beside);
        if (!fault) return {beside, {}};
        notice = QString::fromStdString(fault->Describe());
    } else if (QFileInfo(executableFolder).isWritable()) {
        return {beside, {}};
    }
    QDir().mkpath(dataFolder);
    const std::filesystem::path kept = FileIn(dataFolder);
    if (!notice.isEmpty())
        notice += "\nThe accounts are kept in " + Quoted(PathText(kept)) + " instead.";
    return {kept, notice};
}
