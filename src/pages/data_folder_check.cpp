#include "pages/data_folder_check.h"

#include "format/load_formats.h"
#include "wizard/message_box.h"

#include <filesystem>

bool DataFolderExists()
{
    std::error_code ignored;
    return std::filesystem::is_directory(std::filesystem::u8path(g_strDataDir), ignored);
}

bool DataFolderPresent(QWidget* owner)
{
    if (DataFolderExists())
        return true;
    ShowMessage(owner, MissingPathMessage(g_strDataDir));
    return false;
}
