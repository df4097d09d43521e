#include "pages/data_folder_check.h"

#include "format/load_formats.h"
#include "wizard/message_box.h"

#include <filesystem>

bool DataFolderPresent(QWidget* owner)
{
    std::error_code ignored;
    if (std::filesystem::is_directory(std::filesystem::u8path(g_strDataDir), ignored))
        return true;
    ShowMessage(owner, MissingPathMessage(g_strDataDir));
    return false;
}
