#include "update/update_start.h"

#include <iostream>
#include <system_error>
#include <thread>

#include "platform/cp932.h"
#include "update/update_settings.h"
#include "update/update_signature.h"

// "velmaro.iniの記述が不足しています。"
const char kIncompleteSettingsText[] =
    "velmaro.ini\x82\xcc\x8b\x4c\x8f\x71\x82\xaa\x95\x73\x91\xab\x82\xb5\x82\xc4\x82\xa2\x82\xdc\x82\xb7\x81\x42";
// "Zolvi２"
const char kIncompleteSettingsCaption[] = "Zolvi\x82\x51";

namespace {

const char kBadKeyText[] =
    "velmaro.iniのUPDATEKEYが正しくありません。base64で書いたEd25519の公開鍵(32バイト)を書いてください。"
    "更新は確認しません。";
const char kNoKeyText[] =
    "velmaro.iniに更新データの署名を確かめる鍵(UPDATEKEY)がないため、更新を確認しません。"
    "署名のない更新を受け入れるには、[SETTING]にUPDATEUNSIGNED=1と書いてください。";

// The thread works on its own copies of the settings; nobody waits for it.
bool StartCheckThread(const UpdateSettings& settings, UpdateCheckEnvironment environment)
{
    environment.updateKey = settings.updateKey;
    environment.allowUnsigned = settings.allowUnsigned;
    environment.transcript = settings.transcript ? &std::cerr : nullptr;
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
    // A key that is no key is a fault of the settings, told as such; it never means "no key".
    if (!settings.updateKey.empty() && !DecodeUpdateKey(settings.updateKey)) {
        std::cerr << kBadKeyText << std::endl;
        outcome.notice = cp932::FromUtf8(kBadKeyText);
        outcome.noticeCaption = kIncompleteSettingsCaption;
        return outcome;
    }
    // Without a key nothing is taken unless the settings say so; the check is not even started.
    if (settings.updateKey.empty() && !settings.allowUnsigned) {
        std::cerr << kNoKeyText << std::endl;
        return outcome;
    }
    UpdateCheckEnvironment forThread = environment;
    if (!settings.port.empty())
        forThread.service = settings.port;
    outcome.checkStarted = StartCheckThread(settings, forThread);
    return outcome;
}
