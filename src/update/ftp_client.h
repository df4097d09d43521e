#pragma once
// The control connection of one FTP download: logs in, asks for binary mode and the file's size,
// enters passive mode, retrieves one file through an ftp_client_dtp and quits. The data
// connection goes to the address the control connection is connected to: the host in the PASV
// reply is ignored, so a server cannot send the client to another machine or service. What the
// server says is bounded: a line without end, or more reply text than any honest session needs,
// ends the run.
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/streambuf.hpp>
#include <boost/system/error_code.hpp>

#include "update/ftp_download.h"

class ftp_client_dtp;

class ftp_client {
public:
    // Starts the run at once (name lookup and deadline); the work happens while the caller runs
    // `io`. The file `remoteDir`/`fileName` on the server is written to the descriptor `localFd`
    // (which the caller keeps open and owns); a file larger than `maxBytes` (by the SIZE reply or
    // by what arrives) ends the run as file_too_large. With a `transcript`, both sides of the
    // control connection are written to it, the server's bytes escaped.
    ftp_client(boost::asio::io_context& io, std::string server, std::string user, std::string password,
               std::string remoteDir, std::string fileName, int localFd, std::string service = "ftp",
               std::chrono::steady_clock::duration deadline = std::chrono::seconds(300),
               std::uint64_t maxBytes = kDefaultUpdateLimit, std::ostream* transcript = nullptr);

    ftp_client(const ftp_client&) = delete;
    ftp_client& operator=(const ftp_client&) = delete;

    // Cancels the deadline and closes the control connection; harmless when already closed.
    void close();
    // The most recent failure on the control connection; end of stream after a normal QUIT.
    const boost::system::error_code& last_error() const { return m_lastError; }
    // The server confirmed the transfer with 226, the data connection ended normally, and as many
    // bytes arrived as the SIZE reply announced (when the server answered SIZE).
    bool transfer_confirmed() const;

private:
    enum class Awaiting { Nothing, PasvReply, TransferResult };

    void on_resolved(const boost::system::error_code& ec, boost::asio::ip::tcp::resolver::results_type results);
    void on_connected(const boost::system::error_code& ec);
    void read_reply();
    void on_reply(const boost::system::error_code& ec, std::size_t bytes);
    void on_written(const boost::system::error_code& ec);
    void send(int stage, const std::string& command);
    void send_next_command();
    void handle_reply_lines();
    bool handle_pasv_line(const std::string& line);
    bool handle_transfer_line(const std::string& line);
    bool start_data_connection(const std::string& port);
    void take_size_replies();
    void echo(const std::string& text);
    void echo(boost::asio::streambuf& buffer);
    void dump_replies();
    void fail(const boost::system::error_code& ec);

    boost::asio::io_context& m_io;
    std::string m_user;
    std::string m_password;
    std::string m_remoteDir;
    std::string m_fileName;
    int m_localFd;
    std::ostream* m_transcript;
    std::chrono::steady_clock::duration m_deadlineAfter;
    std::uint64_t m_maxBytes;
    std::optional<std::uint64_t> m_announcedSize;  // from a 213 reply to SIZE
    std::size_t m_echoed = 0;                      // bytes of server text passed to the transcript
    std::size_t m_replyBytes = 0;                  // all the server has said on this connection
    std::size_t m_afterQuit = 0;                   // bytes the server sent after QUIT

    int m_stage = 1;
    Awaiting m_awaiting = Awaiting::Nothing;
    bool m_closed = false;
    bool m_transferCompleted = false;
    std::shared_ptr<ftp_client_dtp> m_dtp;

    boost::asio::ip::tcp::resolver m_resolver;
    boost::asio::ip::tcp::socket m_socket;
    boost::asio::steady_timer m_deadline;
    std::string m_request;
    boost::asio::streambuf m_reply;
    boost::system::error_code m_lastError;
};
