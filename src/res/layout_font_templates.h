#pragma once
// The templates of the layout and font pages (171, 221, 172, 217) and of the colour and
// typeface dialogs (165, 166).
#include "res/dialog_template.h"

#include <vector>

void AddLayoutFontTemplates(std::vector<DialogTemplate>& templates);
