// The FTP client against a real server on loopback, and against a scripted server for faults.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <sstream>

#include <boost/asio/error.hpp>

#include "pyftpd_server.h"
#include "scripted_ftp_server.h"
#include "temp_folder.h"
#include "update/ftp_download.h"

namespace {

using namespace std::chrono_literals;

FtpAccount LoopbackAccount(const std::string& port, std::chrono::steady_clock::duration deadline = 10s)
{
    FtpAccount account;
    account.server = "127.0.0.1";
    account.user = "velmaro";
    account.password = "s3cret";
    account.remoteDir = "/pub";
    account.service = port;
    account.deadline = deadline;
    return account;
}

// Every byte value, line ends and byte 26 included, over several reads' worth of data.
std::string BinaryPayload()
{
    std::string bytes;
    for (int i = 0; i < 300000; ++i)
        bytes += static_cast<char>((i * 7 + i / 256) & 0xFF);
    return bytes;
}

// Runs a download into the local file `path`, created when missing and written from its end.
DownloadOutcome DownloadInto(const FtpAccount& account, const std::string& fileName,
                             const std::filesystem::path& path, std::uint64_t maxBytes = kDefaultUpdateLimit)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    EXPECT_GE(fd, 0);
    const DownloadOutcome outcome = RunDownload(account, fileName, fd, maxBytes);
    ::close(fd);
    return outcome;
}

const boost::system::error_code kProtocolError =
    boost::system::errc::make_error_code(boost::system::errc::protocol_error);

class FtpClientRealServer : public ::testing::Test {
protected:
    void SetUp() override
    {
        served.write("pub/file.bin", BinaryPayload());
        server = std::make_unique<PyftpdServer>("velmaro", "s3cret", served.path());
        if (!server->running())
            GTEST_SKIP() << "python3-pyftpdlib is not available";
    }

    TempFolder served;
    TempFolder local;
    std::unique_ptr<PyftpdServer> server;
};

TEST_F(FtpClientRealServer, FetchesBinaryFileWholeAndEndsAtEndOfStream)
{
    const DownloadOutcome outcome = DownloadInto(LoopbackAccount(server->port()), "file.bin", local.path() / "file.bin");

    EXPECT_TRUE(outcome.succeeded());
    EXPECT_EQ(outcome.lastError, boost::asio::error::eof);
    EXPECT_EQ(local.read("file.bin"), BinaryPayload());
}

TEST_F(FtpClientRealServer, RefusedLoginOrMissingFileFailsAtOnceWritingNothing)
{
    FtpAccount wrongPassword = LoopbackAccount(server->port());
    wrongPassword.password = "wrong";
    const struct {
        const char* name;
        FtpAccount account;
        std::string file;
    } cases[] = {
        {"wrong password", wrongPassword, "file.bin"},
        {"missing file", LoopbackAccount(server->port()), "absent.bin"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const DownloadOutcome outcome = DownloadInto(c.account, c.file, local.path() / c.file);
        EXPECT_FALSE(outcome.succeeded());
        EXPECT_EQ(outcome.lastError, kProtocolError);
        EXPECT_EQ(local.read(c.file), "");
    }
}

// One fault played by the scripted server, and what the client must make of it.
struct FaultCase {
    const char* name;
    ScriptedFtpServer::Script script;
    std::chrono::milliseconds deadline;
    bool succeeded;
    boost::system::error_code lastError;
    std::string written;  // what reached the local file
    std::vector<std::string> commands;
};

const std::vector<std::string> kFullRun = {"USER velmaro", "PASS s3cret", "TYPE I", "SIZE /pub/f",
                                           "PASV",         "RETR /pub/f", "QUIT"};
const std::vector<std::string> kUpToPasv = {"USER velmaro", "PASS s3cret", "TYPE I", "SIZE /pub/f", "PASV"};
const std::vector<std::string> kUpToRetr = {"USER velmaro", "PASS s3cret", "TYPE I", "SIZE /pub/f", "PASV",
                                            "RETR /pub/f"};
const boost::system::error_code kTooLarge = boost::system::errc::make_error_code(boost::system::errc::file_too_large);

// After RETR: sends `before` on the control connection, `data` over the data connection and
// then `after`; answers QUIT and hangs up.
ScriptedFtpServer::Script Serve(const std::string& before, const std::string& data, const std::string& after,
                                const std::string& sizeReply = "550 size not known\r\n")
{
    return [=](ScriptedSession& s) {
        s.log_in_up_to_pasv(sizeReply);
        s.send(s.open_data_port());
        s.receive_command();
        s.send(before);
        s.send_data(data);
        s.send(after);
        s.receive_command();
        s.send("221 bye\r\n");
    };
}

// A PASV reply naming a loopback port where nobody listens.
std::string PasvToClosedPort()
{
    const int port = std::stoi(UnusedLoopbackPort());
    return "227 Entering Passive Mode (127,0,0,1," + std::to_string(port / 256) + "," + std::to_string(port % 256) +
           ")\r\n";
}

std::vector<FaultCase> FaultCases()
{
    return {
        {"RepliesOneByOne", Serve("150 opening\r\n", "hello", "226 done\r\n"), 10000ms, true,
         boost::asio::error::eof, "hello", kFullRun},
        {"TransferStartAndEndInOneRead", Serve("", "hello", "150 opening\r\n226 done\r\n"), 10000ms, true,
         boost::asio::error::eof, "hello", kFullRun},
        {"GreetingSplitOverTwoReads",
         [](ScriptedSession& s) {
             s.send("220 Hel");
             s.receive_command();
             s.send("lo\r\n");
             s.receive_command();
             s.send("331 password please\r\n");
             s.receive_command();
             s.send("230 logged in\r\n");
             s.receive_command();
             s.send("200 type set\r\n");
             s.receive_command();
             s.send("213 5\r\n");
             s.send(s.open_data_port());
             s.receive_command();
             s.send_data("hello");
             s.send("226 done\r\n");
             s.receive_command();
         },
         10000ms, true, boost::asio::error::eof, "hello", kFullRun},
        {"UserRefusedStillSendsUpToPasv",
         [](ScriptedSession& s) {
             s.send("220 ready\r\n");
             for (int i = 0; i < 5; ++i) {
                 s.receive_command();
                 s.send("530 not logged in\r\n");
             }
             s.wait_for_client_close();
         },
         10000ms, false, kProtocolError, "", kUpToPasv},
        {"PasvWithoutSixNumbers",
         [](ScriptedSession& s) {
             s.log_in_up_to_pasv();
             s.send("227 Entering Passive Mode (127,0,0,1).\r\n");
             s.wait_for_client_close();
         },
         10000ms, false, kProtocolError, "", kUpToPasv},
        {"PasvNumberAboveByte",
         [](ScriptedSession& s) {
             s.log_in_up_to_pasv();
             s.send("227 Entering Passive Mode (127,0,0,1,300,1).\r\n");
             s.wait_for_client_close();
         },
         10000ms, false, kProtocolError, "", kUpToPasv},
        {"ReplyLineWithoutEnd",
         [](ScriptedSession& s) {
             s.log_in_up_to_pasv();
             s.send("227 " + std::string(100000, 'x'));
             s.wait_for_client_close();
         },
         10000ms, false, boost::asio::error::message_size, "", kUpToPasv},
        {"RetrRefused",
         [](ScriptedSession& s) {
             s.log_in_up_to_pasv();
             s.send(s.open_data_port());
             s.receive_command();
             s.send("550 no such file\r\n");
             s.wait_for_client_close();
         },
         10000ms, false, kProtocolError, "", kUpToRetr},
        {"DataPortClosed",
         [](ScriptedSession& s) {
             s.log_in_up_to_pasv();
             s.send(PasvToClosedPort());
             s.receive_command();
             s.send("425 cannot open data connection\r\n");
             s.wait_for_client_close();
         },
         10000ms, false, kProtocolError, "", kUpToRetr},
        {"ResetAfterRetr",
         [](ScriptedSession& s) {
             s.log_in_up_to_pasv();
             s.send(s.open_data_port());
             s.receive_command();
             s.send_data("hel");
             s.send("150 opening\r\n");
             s.reset();
         },
         10000ms, false, boost::asio::error::connection_reset, "hel", kUpToRetr},
        {"ResetAfterQuitKeepsConfirmedFile",
         [](ScriptedSession& s) {
             s.log_in_up_to_pasv();
             s.send(s.open_data_port());
             s.receive_command();
             s.send_data("hello");
             s.send("226 done\r\n");
             s.receive_command();
             s.reset();
         },
         10000ms, true, boost::asio::error::connection_reset, "hello", kFullRun},
        {"StallBeforeGreeting", [](ScriptedSession& s) { s.wait_for_client_close(); }, 300ms, false,
         boost::asio::error::operation_aborted, "", {}},
        {"StallAfterDataWithout226",
         [](ScriptedSession& s) {
             s.log_in_up_to_pasv();
             s.send(s.open_data_port());
             s.receive_command();
             s.send_data("hello");
             s.send("150 opening\r\n");
             s.wait_for_client_close();
         },
         300ms, false, boost::asio::error::operation_aborted, "hello", kUpToRetr},
        {"DataConnectionStalls",
         [](ScriptedSession& s) {
             s.log_in_up_to_pasv();
             s.send(s.open_data_port());
             s.receive_command();
             s.send_data_and_hold("hel");
             s.send("226 done\r\n");
             s.receive_command();
             s.send("221 bye\r\n");
             s.hang_up();
             s.wait_for_data_close();
         },
         300ms, false, boost::asio::error::eof, "hel", kFullRun},
        {"EmptyFileWritesNothing", Serve("", "", "226 done\r\n"), 10000ms, true, boost::asio::error::eof, "",
         kFullRun},
        {"SizeAnsweredAndMet", Serve("150 opening\r\n", "hello", "226 done\r\n", "213 5\r\n"), 10000ms, true,
         boost::asio::error::eof, "hello", kFullRun},
        // The data connection ends early and the server still says 226: the size tells.
        {"DataCutShortBefore226", Serve("150 opening\r\n", "hel", "226 done\r\n", "213 5\r\n"), 10000ms, false,
         boost::asio::error::eof, "hel", kFullRun},
        {"MoreThanAnnounced", Serve("150 opening\r\n", "hello!", "226 done\r\n", "213 5\r\n"), 10000ms, false,
         boost::asio::error::eof, "hello!", kFullRun},
        // The PASV reply names another host: the data connection still goes to the server itself.
        {"PasvNamesAnotherHost",
         [](ScriptedSession& s) {
             s.log_in_up_to_pasv();
             std::string pasv = s.open_data_port();
             pasv.replace(pasv.find("127,0,0,1"), 9, "192,0,2,1");
             s.send(pasv);
             s.receive_command();
             s.send_data("hello");
             s.send("226 done\r\n");
             s.receive_command();
         },
         10000ms, true, boost::asio::error::eof, "hello", kFullRun},
        {"AnnouncedSizeAboveTheLimit",
         [](ScriptedSession& s) {
             s.log_in_up_to_pasv("213 1001\r\n");
             s.send(s.open_data_port());
             s.wait_for_client_close();
         },
         10000ms, false, kTooLarge, "", kUpToPasv},
        // No SIZE answer and a data stream without end: cut off at the limit, nothing beyond it kept.
        {"DataWithoutEnd",
         [](ScriptedSession& s) {
             s.log_in_up_to_pasv();
             s.send(s.open_data_port());
             s.receive_command();
             s.send("150 opening\r\n");
             s.stream_data_without_end(std::string(4096, 'x'));
             s.send("226 done\r\n");
             s.receive_command();
         },
         10000ms, false, boost::asio::error::eof, "", kFullRun},
        // After QUIT the server talks on and on: the client stops listening on its own.
        {"TalkWithoutEndAfterQuit",
         [](ScriptedSession& s) {
             s.log_in_up_to_pasv();
             s.send(s.open_data_port());
             s.receive_command();
             s.send_data("hello");
             s.send("226 done\r\n");
             s.receive_command();
             s.send("221 bye\r\n");
             s.stream_control_without_end(std::string(4096, 'y') + "\r\n");
         },
         10000ms, true, boost::asio::error::operation_aborted, "hello", kFullRun},
        // A greeting of endless continuation lines, or one line of megabytes: cut off.
        {"EndlessMultilineReply",
         [](ScriptedSession& s) { s.stream_control_without_end("220-welcome to the server\r\n"); }, 10000ms, false,
         boost::asio::error::message_size, "", {}},
        {"TenMegabyteReplyLine",
         [](ScriptedSession& s) {
             s.log_in_up_to_pasv();
             s.send(s.open_data_port());
             s.receive_command();
             s.stream_control_without_end("150 " + std::string(10 * 1024 * 1024, 'z'));
         },
         10000ms, false, boost::asio::error::message_size, "", kUpToRetr},
        // A server that answers one byte at a time never holds the client past its deadline.
        {"OneByteAtATime", [](ScriptedSession& s) { s.trickle("220 " + std::string(1000, '.') + "\r\n", 20); },
         300ms, false, boost::asio::error::operation_aborted, "", {}},
    };
}

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class FtpClientFault : public ::testing::TestWithParam<FaultCase> {
protected:
    static constexpr std::uint64_t kLimit = 1000;
};

TEST_P(FtpClientFault, EndsWithExpectedCodeFileAndCommands)
{
    const FaultCase& c = GetParam();
    TempFolder local;
    ScriptedFtpServer server(c.script);

    std::ostringstream transcript;
    FtpAccount account = LoopbackAccount(server.port(), c.deadline);
    account.transcript = &transcript;
    ::testing::internal::CaptureStdout();
    const DownloadOutcome outcome = DownloadInto(account, "f", local.path() / "f", kLimit);
    // Nothing goes to standard output; the transcript holds what the server said only up to a
    // limit, besides the client's own commands.
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_LE(transcript.str().size(), 65 * 1024u);

    EXPECT_EQ(server.finish(), c.commands);
    EXPECT_EQ(outcome.succeeded(), c.succeeded);
    EXPECT_EQ(outcome.lastError, c.lastError) << outcome.lastError.message();
    EXPECT_EQ(local.read("f"), c.written);
}

INSTANTIATE_TEST_SUITE_P(Scripted, FtpClientFault, ::testing::ValuesIn(FaultCases()),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

// The server's bytes reach the transcript escaped, and only when one is asked for.
TEST(FtpClient, TranscriptEscapesTheServersBytesAndIsOffByDefault)
{
    const std::string greeting = std::string("220 \x1b]0;owned\x07\x1b[2J hi\0there\r\n", 29);
    for (const bool wanted : {true, false}) {
        TempFolder local;
        ScriptedFtpServer server([&](ScriptedSession& s) {
            s.send(greeting);
            s.receive_command();
            s.hang_up();
        });
        std::ostringstream transcript;
        FtpAccount account = LoopbackAccount(server.port());
        account.transcript = wanted ? &transcript : nullptr;
        ::testing::internal::CaptureStdout();
        ::testing::internal::CaptureStderr();
        DownloadInto(account, "f", local.path() / "f");
        const std::string output = ::testing::internal::GetCapturedStdout() + ::testing::internal::GetCapturedStderr();
        server.finish();

        EXPECT_EQ(output.find('\x1b'), std::string::npos);
        EXPECT_EQ(transcript.str().find('\x1b'), std::string::npos);
        EXPECT_EQ(transcript.str().find('\x07'), std::string::npos);
        if (wanted) {
            EXPECT_NE(transcript.str().find("220 \\x1B]0;owned\\x07\\x1B[2J hi"), std::string::npos) << transcript.str();
            EXPECT_NE(transcript.str().find("USER velmaro"), std::string::npos);
        } else {
            EXPECT_EQ(transcript.str(), "");
        }
    }
}

TEST(FtpClient, UnreachableServerFailsWithItsOwnCode)
{
    TempFolder local;
    const DownloadOutcome outcome = DownloadInto(LoopbackAccount(UnusedLoopbackPort()), "f", local.path() / "f");

    EXPECT_FALSE(outcome.succeeded());
    EXPECT_EQ(outcome.lastError, boost::asio::error::connection_refused);
    EXPECT_EQ(local.read("f"), "");
}

}  // namespace
