#pragma once
// The data connection of one FTP download: receives the file and writes it chunk by chunk to a
// descriptor the caller owns, up to a limit.
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/streambuf.hpp>

// Lives on the heap, kept alive by the control client and by its own pending operations.
class ftp_client_dtp : public std::enable_shared_from_this<ftp_client_dtp> {
public:
    ftp_client_dtp(boost::asio::io_context& io, std::chrono::steady_clock::duration deadline, std::uint64_t maxBytes);

    // Connects to the data address and writes what arrives to `localFd` at its current offset.
    // More than `maxBytes` ends the connection; the chunk that went beyond is not written.
    void start(const std::string& host, const std::string& port, int localFd);
    // Cancels the deadline and closes the connection; harmless when already closed.
    void close();
    // True once the server ended the data connection normally and every byte reached the file.
    bool received_whole_file() const { return m_receivedWholeFile; }
    std::uint64_t received_bytes() const { return m_received; }

private:
    void on_resolved(const boost::system::error_code& ec, boost::asio::ip::tcp::resolver::results_type results);
    void on_connected(const boost::system::error_code& ec);
    void read_chunk();
    void on_read(const boost::system::error_code& ec, std::size_t bytes);
    bool append_chunk();
    void fail(const boost::system::error_code& ec);

    boost::asio::ip::tcp::resolver m_resolver;
    boost::asio::ip::tcp::socket m_socket;
    boost::asio::steady_timer m_deadline;
    std::chrono::steady_clock::duration m_deadlineAfter;
    boost::asio::streambuf m_data;
    int m_localFd = -1;
    std::uint64_t m_maxBytes;
    std::uint64_t m_received = 0;
    bool m_closed = false;
    bool m_receivedWholeFile = false;
};
