#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "QtPrinters.h"
#include "TempFolder.h"
#include "ui/Folders.h"

namespace {

// A folder nobody may create files in, root included.
const QString kUnwritable = QStringLiteral("/proc");

ui::FolderFacts facts(bool writable, const QString& installedData) {
    return {"/opt/qvx/bin", "/home/op/match", "/home/op/.local/share/qvxconsole", writable,
            installedData};
}

TEST(ChooseFolders, APortableRunKeepsEverythingBesideTheProgramAndReadsTheSetUpWhereItStarts) {
    const ui::Folders f = ui::chooseFolders(facts(true, {}));
    EXPECT_FALSE(f.installed);
    EXPECT_EQ(f.program, "/opt/qvx/bin");
    EXPECT_EQ(f.data, "/opt/qvx/bin");
    EXPECT_EQ(f.writable, "/opt/qvx/bin");
    EXPECT_EQ(f.setup, "/home/op/match");
    EXPECT_EQ(f.userData, "/home/op/.local/share/qvxconsole");
}

TEST(ChooseFolders, AnInstalledRunReadsTheDataFolderAndWritesTheUsersOwn) {
    // Installed even when the program folder can be written (as root can): the data
    // folder beside it says so.
    for (bool writable : {true, false}) {
        const ui::Folders f = ui::chooseFolders(facts(writable, "/opt/qvx/share/qvxconsole"));
        EXPECT_TRUE(f.installed);
        EXPECT_EQ(f.data, "/opt/qvx/share/qvxconsole");
        EXPECT_EQ(f.writable, "/home/op/.local/share/qvxconsole");
        EXPECT_EQ(f.setup, "/home/op/.local/share/qvxconsole");
    }
}

TEST(ChooseFolders, AReadOnlyCopyWritesTheUsersFolderButReadsItsOwnFiles) {
    const ui::Folders f = ui::chooseFolders(facts(false, {}));
    EXPECT_TRUE(f.installed);
    EXPECT_EQ(f.data, "/opt/qvx/bin");
    EXPECT_EQ(f.writable, "/home/op/.local/share/qvxconsole");
    EXPECT_EQ(f.setup, "/home/op/.local/share/qvxconsole");
}

TEST(ResolveFolders, ABuildTreeIsPortableAndTouchesNoUserFolder) {
    test::TempFolder tree;
    QDir(tree.path()).mkpath("build/src/app");
    const QString user = tree.file("home/.local/share/qvxconsole");
    const ui::Folders f = ui::resolveFolders(tree.file("build/src/app"), tree.file("build"), user);
    EXPECT_FALSE(f.installed);
    EXPECT_EQ(f.writable, tree.file("build/src/app"));
    EXPECT_EQ(f.setup, tree.file("build"));
    EXPECT_TRUE(f.problem.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(user));
    EXPECT_EQ(ui::folderWarning(f), std::nullopt);
}

TEST(ResolveFolders, AnInstalledTreeFindsItsDataAndMakesTheUsersFolder) {
    test::TempFolder tree;
    QDir(tree.path()).mkpath("usr/bin");
    QDir(tree.path()).mkpath("usr/share/qvxconsole");
    const QString user = tree.file("home/.local/share/qvxconsole");
    const ui::Folders f = ui::resolveFolders(tree.file("usr/bin"), tree.path(), user);
    EXPECT_TRUE(f.installed);
    EXPECT_EQ(f.data, tree.file("usr/share/qvxconsole"));
    EXPECT_EQ(f.writable, user);
    EXPECT_EQ(f.setup, user);
    EXPECT_TRUE(f.problem.isEmpty()) << f.problem.toStdString();
    EXPECT_TRUE(QFileInfo(user).isDir());
    EXPECT_EQ(QDir(user).entryList(QDir::Files | QDir::Hidden), QStringList{})
        << "the write probe leaves nothing behind";
}

TEST(ResolveFolders, AProgramFolderNobodyCanWriteIsRunAsInstalled) {
    test::TempFolder home;
    const ui::Folders f = ui::resolveFolders(kUnwritable, home.path(), home.file("data"));
    EXPECT_TRUE(f.installed);
    EXPECT_EQ(f.data, kUnwritable);
    EXPECT_EQ(f.writable, home.file("data"));
}

TEST(ResolveFolders, AUsersFolderThatCannotBeMadeIsAProblemToTellTheOperator) {
    test::TempFolder tree;
    QDir(tree.path()).mkpath("usr/bin");
    QDir(tree.path()).mkpath("usr/share/qvxconsole");
    tree.write("home", "a file where the home folder should be");
    const QString user = tree.file("home/.local/share/qvxconsole");
    const ui::Folders f = ui::resolveFolders(tree.file("usr/bin"), tree.path(), user);
    EXPECT_TRUE(f.installed);
    EXPECT_FALSE(f.problem.isEmpty());
    const std::optional<QString> warning = ui::folderWarning(f);
    ASSERT_TRUE(warning.has_value());
    EXPECT_TRUE(warning->contains(user));
    EXPECT_TRUE(warning->contains(f.problem));
    EXPECT_TRUE(warning->contains("Save As Set-up File"));
}

TEST(WritableFolders, ProbingCreatesAndRemovesAFileAndFailsWhereNoneCanBeMade) {
    test::TempFolder tree;
    EXPECT_TRUE(ui::canCreateFilesIn(tree.path()));
    EXPECT_EQ(QDir(tree.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
    EXPECT_FALSE(ui::canCreateFilesIn(tree.file("missing")));
    EXPECT_FALSE(ui::canCreateFilesIn(tree.write("plain", "x")));
    EXPECT_FALSE(ui::canCreateFilesIn(kUnwritable));

    EXPECT_EQ(ui::prepareWritableFolder(tree.file("a/b/c")), std::nullopt);
    EXPECT_TRUE(QFileInfo(tree.file("a/b/c")).isDir());
    EXPECT_NE(ui::prepareWritableFolder(tree.file("plain/sub")), std::nullopt);
    EXPECT_NE(ui::prepareWritableFolder(kUnwritable), std::nullopt);
    EXPECT_NE(ui::prepareWritableFolder({}), std::nullopt);
}

}  // namespace
