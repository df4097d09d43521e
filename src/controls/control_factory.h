#pragma once
// Builds the controls of a dialog template as children of a widget.
#include "res/dialog_template.h"

#include <QWidget>

#include <map>

using ControlMap = std::map<int, QWidget*>;

// Creates every control of `dialog` at its place, named by its id, and resizes `parent` to the
// template's size. Pictures with a bitmap number load it.
ControlMap BuildControls(QWidget* parent, const DialogTemplate& dialog);
