#pragma once
// The pages that draw from the sheet data make sure its folder is still there.
class QWidget;

// Whether the data folder (g_strDataDir) is there.
bool DataFolderExists();
// False, after telling the user "…が存在しません", when the data folder is missing.
bool DataFolderPresent(QWidget* owner);
