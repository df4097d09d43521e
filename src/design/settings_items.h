#pragma once
// The two items every design file holds right after its magic: the nine design settings and the
// name of the other Japanese typeface. They stand on the line of the record header.
#include "design/seal_format.h"

#include <cstddef>
#include <string>

// Each setting in decimal followed by a tab.
void WriteSettings(const SettingValues& values, std::string& out);
// All nine must be there; false leaves `values` partly read.
bool ReadSettings(const std::string& data, std::size_t& pos, SettingValues& values);

// The whole other-typeface item must fit in this many bytes for readers to find its end.
inline constexpr std::size_t kOtherFaceBlock = 100;

// Byte length, tab, name, tab ("0", two tabs when there is none).
void WriteOtherFace(const std::string& name, std::string& out);
// True when the item WriteOtherFace gives for `name` can be read back.
bool OtherFaceFits(const std::string& name);
// Reads the item; `name` is replaced only when the length is above 0. The writer puts exactly
// that many bytes between two tabs, so names with spaces come back whole; items that do not
// look like that keep to the older rule: the name ends at white space, the item at the second tab.
bool ReadOtherFace(const std::string& data, std::size_t& pos, std::string& name);
