#pragma once
// What the user is told when a design file cannot be opened or saved (UTF-8; paths as given).
#include <string>

std::string NotDesignFileMessage();
std::string MissingFileMessage(const std::string& path);
std::string DamagedFileMessage(const std::string& path);
// The companion `path` of a design that opened with its first sheet alone.
std::string UnreadSheetsMessage(const std::string& path);
// A design on a label sheet whose template is no longer installed (`part`: its search code, UTF-8).
std::string LabelFromFileMessage(const std::string& part);
// A design on a maker's sheet this installation does not have (`findCode`: its search code, UTF-8).
std::string MissingSheetMessage(const std::string& findCode);
// A file that could not be read, worded after the system's error number.
std::string ReadErrorMessage(const std::string& path, int error);
// A file that could not be written, worded after the system's error number.
std::string WriteErrorMessage(const std::string& path, int error);
// The recovery copy could not be written, for the reason `failure` gives (a WriteErrorMessage).
std::string RecoveryUnwritableMessage(const std::string& failure);
std::string TextTooLongMessage(const std::string& path);
std::string TooManySheetsMessage(const std::string& path);
std::string FaceNameTooLongMessage(const std::string& path);
std::string IncompleteSheetMessage(const std::string& path);
