// Where the open and save dialogs start: the user's documents folder, then the last folder used.
#include "pages/program_folder.h"

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

}  // namespace
