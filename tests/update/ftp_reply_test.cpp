// Reply lines and the data address of a PASV reply.
#include <gtest/gtest.h>

#include <ostream>

#include "update/ftp_reply.h"

namespace {

TEST(FtpReply, PasvAddressTable)
{
    const struct {
        const char* line;
        const char* host;  // nullptr: no address
        const char* port;
    } cases[] = {
        {"227 Entering Passive Mode (10,0,0,1,4,1)", "10.0.0.1", "1025"},
        {"227 Entering Passive Mode (10,0,0,1,4,1).", "10.0.0.1", "1025"},
        {"227 =(127,0,0,1,255,255)\r", "127.0.0.1", "65535"},
        {"227 Entering Passive Mode (192,168,1,20,0,21)", "192.168.1.20", "21"},
        {"227 Entering Passive Mode (10,0,0,1)", nullptr, nullptr},
        {"227 Entering Passive Mode (10,0,0,1,4,256)", nullptr, nullptr},
        {"227 Entering Passive Mode (10,0,0,1,4,1000)", nullptr, nullptr},
        {"227 Entering Passive Mode (10,0,0,1,4,99999999999999999999)", nullptr, nullptr},
        {"227 Entering Passive Mode (a,b,c,d,e,f)", nullptr, nullptr},
        {"200 Type set to I", nullptr, nullptr},
        {"", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const auto address = ParsePasvAddress(c.line);
        ASSERT_EQ(address.has_value(), c.host != nullptr);
        if (address) {
            EXPECT_EQ(address->host, c.host);
            EXPECT_EQ(address->port, c.port);
        }
    }
}

TEST(FtpReply, TakesWholeLinesAndKeepsAnUnfinishedOne)
{
    boost::asio::streambuf buffer;
    std::ostream(&buffer) << "150 Opening\r\n226 Done\n226 Tra";

    EXPECT_EQ(TakeReplyLine(buffer), "150 Opening");
    EXPECT_EQ(TakeReplyLine(buffer), "226 Done");
    EXPECT_EQ(TakeReplyLine(buffer), std::nullopt);
    std::ostream(&buffer) << "nsfer complete\r\n";
    EXPECT_EQ(TakeReplyLine(buffer), "226 Transfer complete");
    EXPECT_EQ(buffer.size(), 0u);
}

TEST(FtpReply, ReplyCodes)
{
    EXPECT_TRUE(IsReplyCode("226 Transfer complete", "226"));
    EXPECT_FALSE(IsReplyCode("22", "226"));
    EXPECT_FALSE(IsReplyCode("150 226", "226"));
    EXPECT_TRUE(IsRefusal("425 Can't open data connection"));
    EXPECT_TRUE(IsRefusal("550 No such file"));
    EXPECT_FALSE(IsRefusal("331 Password required"));
    EXPECT_FALSE(IsRefusal(""));
}

// What a server says is shown with every byte a terminal would act on escaped.
TEST(FtpReply, EscapedTextKeepsOnlyPrintableAscii)
{
    const std::pair<std::string, std::string> cases[] = {
        {"220 Welcome\n", "220 Welcome\n"},
        {"a\tb", "a\tb"},
        {"\x1b[31mred\x1b[0m", "\\x1B[31mred\\x1B[0m"},
        {"bell\x07", "bell\\x07"},
        {std::string("nul\0end", 7), "nul\\x00end"},
        {"over\rwrite", "over\\x0Dwrite"},
        {"\x7f\xff\x82\xa0", "\\x7F\\xFF\\x82\\xA0"},
        {"back\\slash", "back\\x5Cslash"},
    };
    for (const auto& [raw, shown] : cases)
        EXPECT_EQ(EscapedReplyText(raw), shown);
}

}  // namespace
