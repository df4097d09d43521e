#pragma once
// Sheet records as JSON for the headless command line: member names without their prefix,
// rectangles as [left, top, right, bottom], texts in UTF-8.
#include "format/seal_data.h"
#include "platform/json_writer.h"

void WriteRecordJson(JsonWriter& json, const CSealData2& record);
void WriteRecordJson(JsonWriter& json, const CSealData3& record);
// A label sheet in short, as the catalog lists it: brand, part, paper, shape, label size (0.01
// mm) and count.
void WriteLabelSheetJson(JsonWriter& json, const CSealData2& record);
// The nine design settings as one object, in their stored order.
void WriteSettingsJson(JsonWriter& json);
