// Where the accounts file is kept, and that a file beside the program is never passed over
// without a word.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "game/AccountsLocation.h"
#include "tests/support/ChildProcess.h"

namespace {

namespace fs = std::filesystem;

class AccountsFolder : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        // Wide open, so that an unprivileged child can make the data folder too.
        ::chmod(root.path().toLocal8Bit().constData(), 0777);
        QDir().mkpath(program);
        ::chmod(program.toLocal8Bit().constData(), 0777);
    }

    fs::path In(const QString& folder) const {
        return fs::path(folder.toStdString()) / "Players.dat";
    }

    QTemporaryDir root;
    const QString program = root.filePath("bin"), data = root.filePath("data/deuceswild");
};

TEST_F(AccountsFolder, BesideTheProgramWhenWritableElseInTheDataFolderMadeForIt) {
    EXPECT_EQ(ChooseAccountsFile(program, data).file, In(program));
    const AccountsLocation installed = ChooseAccountsFile(root.filePath("removed"), data);
    EXPECT_EQ(installed.file, In(data));
    EXPECT_TRUE(installed.notice.isEmpty());  // no accounts were beside it: nothing to tell
    EXPECT_TRUE(QFileInfo(data).isDir());
}

TEST_F(AccountsFolder, AReadOnlyFileBesideTheProgramIsToldNotSilentlyReplaced) {
    QFile beside(QString::fromStdString(In(program).string()));
    ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
    beside.write(QByteArray(92, 'x'));
    beside.close();
    ::chmod(beside.fileName().toLocal8Bit().constData(), 0444);

    const std::string told = RunUnprivileged([&] {
        const AccountsLocation location = ChooseAccountsFile(program, data);
        return location.file.string() + "|" + location.notice.toStdString();
    });
    EXPECT_EQ(told.substr(0, told.find('|')), In(data).string());
    EXPECT_NE(told.find(In(program).string()), std::string::npos) << told;
    EXPECT_NE(told.find("Permission denied"), std::string::npos) << told;
    EXPECT_NE(told.find("kept in \"" + In(data).string() + "\" instead"), std::string::npos);
    EXPECT_EQ(beside.size(), 92);
}

TEST_F(AccountsFolder, APipeBesideTheProgramIsRefusedAtOnce) {
    ASSERT_EQ(::mkfifo(In(program).c_str(), 0666), 0);
    // In a child, so that a blocking open would fail the test instead of hanging it.
    const std::string told =
        RunInChild([&] { return ChooseAccountsFile(program, data).notice.toStdString(); }, false);
    EXPECT_NE(told.find("named pipe"), std::string::npos) << told;
}

TEST_F(AccountsFolder, ALinkBesideTheProgramToATextFileIsRefusedAndLeftUntouched) {
    const QString text = root.filePath("passwd");
    QFile textFile(text);
    ASSERT_TRUE(textFile.open(QIODevice::WriteOnly));
    textFile.write(
        "root:x:0:0:root:/root:/bin/bash\nbin:x:2:2:bin:/bin:/usr/sbin/nologin\n"
        "daemon:x:1:1:daemon:/usr/sbin:/usr/sbin/nologin\n");
    textFile.close();
    const QByteArray before = [&] {
        QFile f(text);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    fs::create_symlink(text.toStdString(), In(program));

    const AccountsLocation location = ChooseAccountsFile(program, data);
    EXPECT_EQ(location.file, In(data));
    EXPECT_TRUE(location.notice.contains("it does not hold accounts"))
        << location.notice.toStdString();
    QFile after(text);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
}

}  // namespace
