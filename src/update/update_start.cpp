#include "update/update_start.h"

#include <iostream>
#include <system_error>
#include <thread>

#include "update/update_settings.h"

// "velmaro.iniの記述が不足しています。"
const char kIncompleteSettingsText[] =
    "velmaro.ini\x82\xcc\x8b\x4c\x8f\x71\x82\xaa\x95\x73\x91\xab\x82\xb5\x82\xc4\x82\xa2\x82\xdc\x82\xb7\x81\x42";
// "Zolvi２"
const char kIncompleteSettingsCaption[] = "Zolvi\x82\x51";

namespace {

// The thread works on its own copies of the settings; nobody waits for it.
bool StartCheckThread(const UpdateSettings& settings, UpdateCheckEnvironment environment)
{
    environment.updateKey = settings.updateKey;
    environment.maxUpdateBytes = settings.maxUpdateBytes();
    try {
        std::thread(run_update_check, settings.server, UnscrambleUser(settings.userId),
                    UnscramblePassword(settings.password), settings.remoteDir, settings.fileName, environment)
            .detach();
        return true;
    } catch (const std::system_error& error) {
        std::cerr << error.what() << std::endl;
        return false;
    }
}

}  // namespace

SettingsStepOutcome StartUpdateCheck(const UpdateCheckEnvironment& environment)
{
    const UpdateSettings settings = ReadUpdateSettings(environment.settingsFile);
    SettingsStepOutcome outcome;
    outcome.supportUrl = settings.supportUrl;
    if (!settings.complete()) {
        outcome.notice = kIncompleteSettingsText;
        outcome.noticeCaption = kIncompleteSettingsCaption;
        return outcome;
    }
    UpdateCheckEnvironment forThread = environment;
    if (!settings.port.empty())
        forThread.service = settings.port;
    outcome.checkStarted = StartCheckThread(settings, forThread);
    return outcome;
}
