#include "update/ftp_client.h"

#include <algorithm>
#include <iostream>

#include <boost/asio/buffers_iterator.hpp>
#include <boost/asio/connect.hpp>
#include <boost/asio/write.hpp>

#include "update/ftp_client_dtp.h"
#include "update/ftp_reply.h"

namespace {

// A server that never ends a line cannot make the reply buffer grow without limit.
constexpr std::size_t kReplyLimit = 64 * 1024;
// Nor can one that sends line after line (an endless multi-line reply): a whole session of
// replies is a few hundred bytes.
constexpr std::size_t kSessionReplyLimit = 256 * 1024;
constexpr std::size_t kReadSize = 4096;
// What a server says goes to the transcript only up to this much, and after QUIT it is listened
// to only this long: a server that talks without end cannot flood the output.
constexpr std::size_t kEchoLimit = 64 * 1024;
constexpr std::size_t kAfterQuitLimit = 64 * 1024;
constexpr int kQuitStage = 10;

boost::system::error_code ProtocolError()
{
    return boost::system::errc::make_error_code(boost::system::errc::protocol_error);
}

}  // namespace

ftp_client::ftp_client(boost::asio::io_context& io, std::string server, std::string user, std::string password,
                       std::string remoteDir, std::string fileName, int localFd, std::string service,
                       std::chrono::steady_clock::duration deadline, std::uint64_t maxBytes,
                       std::ostream* transcript)
    : m_io(io),
      m_user(std::move(user)),
      m_password(std::move(password)),
      m_remoteDir(std::move(remoteDir)),
      m_fileName(std::move(fileName)),
      m_localFd(localFd),
      m_transcript(transcript),
      m_deadlineAfter(deadline),
      m_maxBytes(maxBytes),
      m_resolver(io),
      m_socket(io),
      m_deadline(io)
{
    m_resolver.async_resolve(server, service, boost::asio::ip::tcp::resolver::address_configured,
                             [this](const boost::system::error_code& ec, auto results) { on_resolved(ec, results); });
    m_deadline.expires_after(m_deadlineAfter);
    m_deadline.async_wait([this](const boost::system::error_code&) { close(); });
}

void ftp_client::close()
{
    m_closed = true;
    m_deadline.cancel();
    m_resolver.cancel();
    boost::system::error_code ignored;
    m_socket.close(ignored);
}

bool ftp_client::transfer_confirmed() const
{
    return m_transferCompleted && m_dtp && m_dtp->received_whole_file() &&
           (!m_announcedSize || m_dtp->received_bytes() == *m_announcedSize);
}

void ftp_client::on_resolved(const boost::system::error_code& ec,
                             boost::asio::ip::tcp::resolver::results_type results)
{
    if (ec)
        return fail(ec);
    if (m_closed)
        return;
    m_stage = 2;
    boost::asio::async_connect(m_socket, results,
                               [this](const boost::system::error_code& connectError, const auto&) {
                                   on_connected(connectError);
                               });
}

void ftp_client::on_connected(const boost::system::error_code& ec)
{
    if (ec)
        return fail(ec);
    if (m_closed)
        return;
    m_stage = 3;
    read_reply();
}

// One read that completes as soon as anything has arrived.
void ftp_client::read_reply()
{
    if (m_reply.size() >= kReplyLimit)
        return fail(boost::asio::error::message_size);
    m_socket.async_read_some(m_reply.prepare(std::min(kReadSize, kReplyLimit - m_reply.size())),
                             [this](const boost::system::error_code& ec, std::size_t bytes) { on_reply(ec, bytes); });
}

void ftp_client::on_reply(const boost::system::error_code& ec, std::size_t bytes)
{
    m_reply.commit(bytes);
    m_replyBytes += bytes;
    if (ec)
        return fail(ec);
    if (m_replyBytes > kSessionReplyLimit && m_stage < kQuitStage)
        return fail(boost::asio::error::message_size);
    if (m_closed)
        return;
    if (m_awaiting == Awaiting::Nothing && m_stage < kQuitStage)
        return send_next_command();
    if (m_awaiting == Awaiting::Nothing)
        return dump_replies();
    handle_reply_lines();
}

// Up to PASV the replies are not examined (any reply lets the next command go), except that a
// size reply is noted wherever it turns up.
void ftp_client::send_next_command()
{
    take_size_replies();
    switch (m_stage) {
    case 3:
        return send(4, "USER " + m_user + "\r\n");
    case 4:
        return send(5, "PASS " + m_password + "\r\n");
    case 5:
        return send(6, "TYPE I\r\n");
    case 6:
        return send(7, "SIZE " + m_remoteDir + "/" + m_fileName + "\r\n");
    case 7:
        m_awaiting = Awaiting::PasvReply;
        return send(8, "PASV\r\n");
    }
}

// Whole lines are looked at for a size and passed on; a partial line is passed on as it is.
void ftp_client::take_size_replies()
{
    while (auto line = TakeReplyLine(m_reply)) {
        if (const auto size = ParseSizeReply(*line))
            m_announcedSize = size;
        echo(*line + "\n");
    }
    echo(m_reply);
}

void ftp_client::echo(const std::string& text)
{
    const std::size_t room = m_echoed < kEchoLimit ? kEchoLimit - m_echoed : 0;
    const std::size_t taken = std::min(room, text.size());
    m_echoed += taken;
    if (m_transcript && taken > 0)
        *m_transcript << EscapedReplyText(text.substr(0, taken)) << std::flush;
}

void ftp_client::echo(boost::asio::streambuf& buffer)
{
    const auto data = buffer.data();
    echo(std::string(boost::asio::buffers_begin(data), boost::asio::buffers_end(data)));
    buffer.consume(buffer.size());
}

void ftp_client::send(int stage, const std::string& command)
{
    m_stage = stage;
    // The password stays out of the transcript.
    if (m_transcript)
        *m_transcript << (command.compare(0, 5, "PASS ") == 0 ? std::string("PASS ****\r\n") : command) << std::flush;
    m_request = command;
    boost::asio::async_write(m_socket, boost::asio::buffer(m_request),
                             [this](const boost::system::error_code& ec, std::size_t) { on_written(ec); });
}

void ftp_client::on_written(const boost::system::error_code& ec)
{
    if (ec)
        return fail(ec);
    if (m_closed)
        return;
    if (m_awaiting == Awaiting::Nothing)
        take_size_replies();
    // Replies that came together with an earlier one are handled before reading more.
    if (m_awaiting == Awaiting::TransferResult)
        return handle_reply_lines();
    read_reply();
}

void ftp_client::handle_reply_lines()
{
    while (auto line = TakeReplyLine(m_reply)) {
        echo(*line + "\n");
        const bool handled = m_awaiting == Awaiting::PasvReply ? handle_pasv_line(*line) : handle_transfer_line(*line);
        if (handled)
            return;
    }
    read_reply();
}

// Lines before the PASV reply (a greeting that came in pieces shifts the replies) are passed over,
// but a size reply among them still counts. A file announced larger than allowed is not fetched.
bool ftp_client::handle_pasv_line(const std::string& line)
{
    if (const auto size = ParseSizeReply(line))
        m_announcedSize = size;
    if (const auto address = ParsePasvAddress(line)) {
        if (m_announcedSize && *m_announcedSize > m_maxBytes) {
            fail(boost::system::errc::make_error_code(boost::system::errc::file_too_large));
            return true;
        }
        if (!start_data_connection(address->port))
            return true;
        m_awaiting = Awaiting::TransferResult;
        send(9, "RETR " + m_remoteDir + "/" + m_fileName + "\r\n");
        return true;
    }
    if (IsReplyCode(line, "227") || IsRefusal(line)) {
        fail(ProtocolError());
        return true;
    }
    return false;
}

bool ftp_client::handle_transfer_line(const std::string& line)
{
    if (IsReplyCode(line, "226")) {
        m_transferCompleted = true;
        m_awaiting = Awaiting::Nothing;
        send(kQuitStage, "QUIT\r\n");
        return true;
    }
    if (IsRefusal(line)) {
        fail(ProtocolError());
        return true;
    }
    return false;
}

// The data connection goes to the peer of the control connection, as curl does by default.
bool ftp_client::start_data_connection(const std::string& port)
{
    boost::system::error_code ec;
    const auto peer = m_socket.remote_endpoint(ec);
    if (ec) {
        fail(ec);
        return false;
    }
    m_dtp = std::make_shared<ftp_client_dtp>(m_io, m_deadlineAfter, m_maxBytes);
    m_dtp->start(peer.address().to_string(), port, m_localFd);
    return true;
}

// After QUIT the server may still talk; its words go to the diagnostics until it hangs up. One
// that goes on and on is cut off as the deadline would.
void ftp_client::dump_replies()
{
    m_afterQuit += m_reply.size();
    echo(m_reply);
    if (m_afterQuit > kAfterQuitLimit) {
        m_lastError = boost::asio::error::operation_aborted;
        return close();
    }
    read_reply();
}

void ftp_client::fail(const boost::system::error_code& ec)
{
    std::cerr << ec.category().name() << ":" << ec.value() << std::endl;
    m_lastError = ec;
    close();
}
