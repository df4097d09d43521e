#pragma once
// The options that need no display: they print JSON on standard output and errors on standard
// error, and return the process exit status.
#include "platform/program_folders.h"

#include <iosfwd>
#include <string>
#include <vector>

// Exit status for a command that could not do its work.
inline constexpr int kExitFailure = 2;

// True when the arguments name a headless option; "--sheet NAME" alone opens the wizard.
bool IsHeadlessCommand(const std::vector<std::string>& args);
int RunHeadless(const std::vector<std::string>& args, const ProgramFolders& folders,
                std::ostream& out, std::ostream& err);
