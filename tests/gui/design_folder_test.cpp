// Where the open and save dialogs start: the user's documents folder, then the last folder used.
#include "pages/program_folder.h"

#include <QSettings>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include "../update/temp_folder.h"

namespace {

TEST(DesignFolder, StartsInTheDocumentsFolderAndThenFollowsTheLastFolderUsed)
{
    std::filesystem::remove(Folders().userState / "state.ini");
    const std::filesystem::path documents =
        ToPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)) / "Velmaro";
    std::filesystem::remove_all(documents);

    EXPECT_EQ(DesignFolder(), documents);
    EXPECT_TRUE(std::filesystem::is_directory(documents));

    {
        TempFolder elsewhere;
        RememberDesignFolder(elsewhere.path() / "名札.zvd");
        EXPECT_EQ(DesignFolder(), elsewhere.path());
    }
    EXPECT_EQ(DesignFolder(), documents) << "a remembered folder that is gone is not offered";
}

// Files the earlier QSettings code wrote still read, and what is stored now reads in QSettings.
TEST(DesignFolder, RemembersFoldersInTheFormatOfEarlierVersions)
{
    TempFolder elsewhere;
    const std::filesystem::path odd = elsewhere.path() / "名札, 2組 ";
    std::filesystem::create_directories(odd);
    const QString state = ToQString(Folders().userState / "state.ini");
    std::filesystem::remove(Folders().userState / "state.ini");
    QSettings(state, QSettings::IniFormat).setValue("dialogs/lastDesignFolder", ToQString(odd));
    EXPECT_EQ(DesignFolder(), odd);

    RememberListFolder(odd / "names.csv");
    EXPECT_EQ(QSettings(state, QSettings::IniFormat).value("dialogs/lastListFolder").toString(), ToQString(odd));
    EXPECT_EQ(ListFolder(), odd);
    std::filesystem::remove(Folders().userState / "state.ini");
}

}  // namespace
