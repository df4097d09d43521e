#pragma once
// The templates of the text entry pages (173, 218) and the print pages (175, 219). The edits, the
// size list, the alignment choices and the offset controls are made by the pages themselves.
#include "res/dialog_template.h"

DialogTemplate OrvanelTextTemplate();
DialogTemplate ZolviTextTemplate();
DialogTemplate OrvanelPrintTemplate();
DialogTemplate ZolviPrintTemplate();
