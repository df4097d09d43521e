#pragma once
// The start page's settings step: read "velmaro.ini" and, when it is complete, start the update
// check on a detached thread; otherwise hand back the notice the page shows.
#include <string>

#include "update/update_check.h"

// The notice and its caption, in code page 932.
extern const char kIncompleteSettingsText[];
extern const char kIncompleteSettingsCaption[];

struct SettingsStepOutcome {
    bool checkStarted = false;
    std::string supportUrl;  // SETTING/SUPPORTURL, empty without a settings file
    // Set when the settings are missing or incomplete: the page shows it without waiting for it.
    std::string notice;
    std::string noticeCaption;
};

// Runs on the user-interface thread and returns at once. When the check starts, `environment.report`
// is later called exactly once, on the update thread.
SettingsStepOutcome StartUpdateCheck(const UpdateCheckEnvironment& environment);
