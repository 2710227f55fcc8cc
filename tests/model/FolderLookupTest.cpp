#include <gtest/gtest.h>

#include <QDir>

#include "QtPrinters.h"
#include "TempFolder.h"
#include "model/FolderLookup.h"

namespace {

TEST(FolderLookup, FindsANameWrittenInAnotherCase) {
    test::TempFolder folder;
    folder.write("QvxUSBsetupKor.txt", "x");
    EXPECT_EQ(model::findInFolder(folder.path(), "QvxUSBsetupKOR.txt"),
              folder.file("QvxUSBsetupKor.txt"));
    EXPECT_EQ(model::findInFolder(folder.path(), "qvxusbsetupkor.TXT"),
              folder.file("QvxUSBsetupKor.txt"));
}

TEST(FolderLookup, PrefersTheExactNameAndIgnoresFolders) {
    test::TempFolder folder;
    folder.write("QVXUSBSETUP.TXT", "upper");
    folder.write("QvxUSBsetup.txt", "exact");
    EXPECT_EQ(model::findInFolder(folder.path(), "QvxUSBsetup.txt"),
              folder.file("QvxUSBsetup.txt"));
    QDir(folder.path()).mkdir("qvxrescuefile.txt");
    EXPECT_EQ(model::findInFolder(folder.path(), "QvxRescueFile.txt"),
              folder.file("QvxRescueFile.txt"))
        << "a folder of that name is no file";
}

TEST(FolderLookup, GivesTheNameAsAskedWhenNothingMatches) {
    test::TempFolder folder;
    EXPECT_EQ(model::findInFolder(folder.path(), "QvxUSBsetupLM.txt"),
              folder.file("QvxUSBsetupLM.txt"));
    EXPECT_EQ(model::findInFolder(folder.file("missing"), "a.txt"),
              folder.file("missing") + "/a.txt");
}

}  // namespace
