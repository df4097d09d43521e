// The start page's side of the update: the settings step that starts the check, and what the
// page does with the result.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <future>
#include <thread>

#include "platform/cp932.h"
#include "pyftpd_server.h"
#include "format_fixture.h"
#include "scripted_ftp_server.h"
#include "temp_folder.h"
#include "test_archive.h"
#include "test_signer.h"
#include "update/update_result.h"
#include "update/update_settings.h"
#include "update/update_start.h"

namespace {

using namespace std::chrono_literals;

// The stored forms that unscramble to `user` and `password`.
std::string ScrambleUser(const std::string& user)
{
    std::string out;
    for (char c : user)
        out += {static_cast<char>(c - 1), 'q'};
    return out;
}

std::string ScramblePassword(const std::string& password)
{
    std::string out;
    for (char c : password)
        out += {'q', static_cast<char>(c + 1)};
    return out;
}

struct SettingLine {
    const char* section;
    const char* key;
    std::string value;
};

std::vector<SettingLine> CompleteSettings()
{
    return {
        {"FTP", "SERVER", "127.0.0.1"},
        {"FTP", "USERID", ScrambleUser("velmaro")},
        {"FTP", "PASSWORD", ScramblePassword("s3cret")},
        {"FTP", "URL", "/pub"},
        {"FTP", "FILENAME", "sheets.tar.gz"},
        {"SETTING", "INDEX", "1"},
        {"SETTING", "SUPPORTURL", "https://support.example/"},
    };
}

std::string IniText(const std::vector<SettingLine>& lines)
{
    std::string text;
    for (const auto& line : lines)
        text += std::string("[") + line.section + "]\r\n" + line.key + "=" + line.value + "\r\n";
    return text;
}

// Complete settings naming a server on `port`, with `settingLines` added to [SETTING], in a folder
// of their own, and a data folder for the check, whose result arrives in `result`.
struct CheckSetup {
    CheckSetup(const std::string& port, const std::string& settingLines,
               std::chrono::steady_clock::duration deadline)
    {
        std::vector<SettingLine> lines = CompleteSettings();
        lines.push_back({"FTP", "PORT", port});
        config.write("velmaro.ini", IniText(lines) + "[SETTING]\r\n" + settingLines);
        environment.settingsFile = config.path() / "velmaro.ini";
        environment.downloadFolder = data.path() / "update";
        environment.sheetsFolder = data.path() / "印刷情報";
        environment.installer = VELMARO_INSTALLER;
        environment.deadline = deadline;
        environment.report = [promise = result](int value) { promise->set_value(value); };
    }

    TempFolder config;
    TempFolder data;
    std::shared_ptr<std::promise<int>> result = std::make_shared<std::promise<int>>();
    UpdateCheckEnvironment environment;
};

TEST(SettingsStep, IncompleteSettingsGiveTheNoticeAndStartNoCheck)
{
    std::vector<std::pair<std::string, std::optional<std::string>>> cases = {{"no settings file", std::nullopt}};
    for (std::size_t i = 0; i < CompleteSettings().size(); ++i) {
        std::vector<SettingLine> lines = CompleteSettings();
        const std::string name = std::string(lines[i].key) + " empty";
        lines[i].value.clear();
        cases.emplace_back(name, IniText(lines));
    }
    for (const auto& [name, content] : cases) {
        SCOPED_TRACE(name);
        TempFolder exe;
        if (content)
            exe.write("velmaro.ini", *content);
        int reports = 0;
        UpdateCheckEnvironment environment;
        environment.settingsFile = exe.path() / "velmaro.ini";
        environment.report = [&reports](int) { ++reports; };

        const SettingsStepOutcome outcome = StartUpdateCheck(environment);

        EXPECT_FALSE(outcome.checkStarted);
        EXPECT_EQ(outcome.notice, cp932::FromUtf8("velmaro.iniの記述が不足しています。"));
        EXPECT_EQ(outcome.noticeCaption, cp932::FromUtf8("Zolvi２"));
        EXPECT_EQ(reports, 0);
    }
}

TEST(SettingsStep, SupportAddressIsKeptEvenWhenIncomplete)
{
    TempFolder exe;
    exe.write("velmaro.ini", "[SETTING]\nSUPPORTURL=https://support.example/\n");
    UpdateCheckEnvironment environment;
    environment.settingsFile = exe.path() / "velmaro.ini";

    EXPECT_EQ(StartUpdateCheck(environment).supportUrl, "https://support.example/");
}

// The server's port comes from FTP/PORT; the update lands in the data folder, not beside the
// settings. The key is taken with its base64 padding or without.
TEST(SettingsStep, CompleteSettingsRunTheCheckInTheBackgroundWithTheUnscrambledAccount)
{
    const TestSigner signer;
    for (const std::string& key : {signer.base64(), signer.base64(sodium_base64_VARIANT_ORIGINAL)}) {
        SCOPED_TRACE(key);
        TempFolder served;
        served.write("pub/update_", "2024-06-01");
        FormatFixture format;
        const std::string update = TarGzBytes({SheetFile(format.code, "format.tsd", format.Bytes())});
        served.write("pub/sheets.tar.gz", update);
        served.write("pub/update_.sig", signer.release(1, "2024-06-01", "sheets.tar.gz", update));
        PyftpdServer server("velmaro", "s3cret", served.path());
        if (!server.running())
            GTEST_SKIP() << "python3-pyftpdlib is not available";
        CheckSetup setup(server.port(), "UPDATELIMITMB=1\r\nUPDATEKEY=" + key + "\r\n", 10s);

        const SettingsStepOutcome outcome = StartUpdateCheck(setup.environment);

        EXPECT_TRUE(outcome.checkStarted);
        EXPECT_EQ(outcome.notice, "");
        EXPECT_EQ(outcome.supportUrl, "https://support.example/");
        auto reported = setup.result->get_future();
        ASSERT_EQ(reported.wait_for(15s), std::future_status::ready);
        EXPECT_EQ(reported.get(), kUpdateFetched);
        EXPECT_EQ(setup.data.read("印刷情報/" + format.code + "/format.tsd"), format.Bytes());
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(setup.config.path()), {}), 1);
    }
}

// What the key lines of the settings make of the check: a key that is no key is a settings error
// the user is shown; no key at all starts no check unless unsigned updates are allowed, and says why.
TEST(SettingsStep, KeyLinesDecideWhetherTheCheckStarts)
{
    const TestSigner signer;
    const struct {
        const char* name;
        std::string lines;
        bool started;
        std::string notice;  // UTF-8
        std::string log;     // a part of what goes to standard error
    } cases[] = {
        {"a key", "UPDATEKEY=" + signer.base64() + "\r\n", true, "", ""},
        {"a padded key", "UPDATEKEY=" + signer.base64(sodium_base64_VARIANT_ORIGINAL) + "\r\n", true, "", ""},
        {"a key cut short", "UPDATEKEY=" + signer.base64().substr(0, 30) + "\r\n", false,
         "velmaro.iniのUPDATEKEYが正しくありません。", "UPDATEKEYが正しくありません"},
        {"a key with a stray character", "UPDATEKEY=" + signer.base64() + "!\r\n", false,
         "velmaro.iniのUPDATEKEYが正しくありません。", "UPDATEKEYが正しくありません"},
        {"no key", "", false, "", "UPDATEUNSIGNED=1"},
        {"no key, unsigned allowed", "UPDATEUNSIGNED=1\r\n", true, "", ""},
        {"no key, unsigned not quite allowed", "UPDATEUNSIGNED=yes\r\n", false, "", "UPDATEUNSIGNED=1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SilentListener server;
        CheckSetup setup(server.port(), c.lines, 200ms);

        ::testing::internal::CaptureStderr();
        const SettingsStepOutcome outcome = StartUpdateCheck(setup.environment);
        const std::string log = ::testing::internal::GetCapturedStderr();

        EXPECT_EQ(outcome.checkStarted, c.started);
        EXPECT_EQ(cp932::ToUtf8(outcome.notice).rfind(c.notice, 0), 0u) << cp932::ToUtf8(outcome.notice);
        EXPECT_EQ(outcome.notice.empty(), c.notice.empty());
        EXPECT_NE(log.find(c.log), std::string::npos) << log;
        if (c.started) {
            EXPECT_EQ(setup.result->get_future().wait_for(10s), std::future_status::ready);
        }
    }
}

// The settings step hands the check to its thread and returns at once: a server that never answers
// holds up neither the first window nor anything after it.
TEST(SettingsStep, ASilentServerDoesNotHoldUpTheStart)
{
    SilentListener server;
    CheckSetup setup(server.port(), "UPDATEUNSIGNED=1\r\n", 2s);

    const SettingsStepOutcome outcome = StartUpdateCheck(setup.environment);
    auto reported = setup.result->get_future();

    EXPECT_TRUE(outcome.checkStarted);
    EXPECT_EQ(reported.wait_for(0s), std::future_status::timeout);  // returned while the check waits
    ASSERT_EQ(reported.wait_for(10s), std::future_status::ready);  // and the check gives up by itself
    EXPECT_EQ(reported.get(), kNoUpdate);
}

TEST(UpdateResult, StartPageStepsForEachResult)
{
    const struct {
        int result;
        std::vector<std::string> steps;
    } cases[] = {
        {kUpdateFetched, {"stop timer", "set formats changed", "reload catalog"}},
        {kNoUpdate, {"stop timer"}},
        {0, {}},
        {2001, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result);
        std::vector<std::string> steps;
        const auto record = [&steps](const char* step) { return [&steps, step] { steps.push_back(step); }; };
        UpdateResultHooks hooks{record("stop timer"), record("set formats changed"), record("reload catalog")};

        HandleUpdateResult(c.result, hooks);

        EXPECT_EQ(steps, c.steps);
    }
}

// The update file's limit from the settings: MiB from 1 to 4096, else the default.
TEST(UpdateSettingsLimit, TakesOnlyASaneNumberOfMebibytes)
{
    const std::pair<std::string, std::uint64_t> cases[] = {
        {"", kDefaultUpdateLimit}, {"1", 1u << 20},       {"4096", 4096ull << 20},  {"0", kDefaultUpdateLimit},
        {"4097", kDefaultUpdateLimit}, {"-1", kDefaultUpdateLimit}, {"12MB", kDefaultUpdateLimit},
        {"99999999999999999999", kDefaultUpdateLimit},
    };
    for (const auto& [text, bytes] : cases) {
        UpdateSettings settings;
        settings.updateLimit = text;
        EXPECT_EQ(settings.maxUpdateBytes(), bytes) << text;
    }
}

}  // namespace
