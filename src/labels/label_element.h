#pragma once
// The label element of a template (Label-rectangle, Label-round, Label-ellipse, Label-cd): the
// shape and size of its labels and their layouts.
#include "format/label_geometry.h"
#include "labels/guarded_xml.h"

bool IsLabelElement(QStringView name);

// Reads the current label element to its end into `sheet`'s shape, sizes and layouts. False when
// this program cannot use it (a CD label, an unknown shape, a length or count that does not
// read, no layout, more labels than kMaxPieces); too many layouts fail the whole file.
bool ReadLabelElement(GuardedXml& xml, LabelGeometry& sheet);
