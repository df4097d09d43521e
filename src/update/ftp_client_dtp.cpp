#include "update/ftp_client_dtp.h"

#include <unistd.h>

#include <cerrno>
#include <iostream>

#include <boost/asio/connect.hpp>

namespace {

// One read takes at most this much, so memory stays bounded whatever the file's size.
constexpr std::size_t kChunkSize = 64 * 1024;

}  // namespace

ftp_client_dtp::ftp_client_dtp(boost::asio::io_context& io, std::chrono::steady_clock::duration deadline,
                               std::uint64_t maxBytes)
    : m_resolver(io), m_socket(io), m_deadline(io), m_deadlineAfter(deadline), m_maxBytes(maxBytes)
{
}

void ftp_client_dtp::start(const std::string& host, const std::string& port, int localFd)
{
    m_localFd = localFd;
    auto self = shared_from_this();
    m_resolver.async_resolve(host, port,
                             boost::asio::ip::tcp::resolver::numeric_host |
                                 boost::asio::ip::tcp::resolver::numeric_service |
                                 boost::asio::ip::tcp::resolver::address_configured,
                             [self](const boost::system::error_code& ec, auto results) {
                                 self->on_resolved(ec, results);
                             });
    m_deadline.expires_after(m_deadlineAfter);
    m_deadline.async_wait([self](const boost::system::error_code&) { self->close(); });
}

void ftp_client_dtp::close()
{
    m_closed = true;
    m_deadline.cancel();
    m_resolver.cancel();
    boost::system::error_code ignored;
    m_socket.close(ignored);
}

void ftp_client_dtp::on_resolved(const boost::system::error_code& ec,
                                 boost::asio::ip::tcp::resolver::results_type results)
{
    if (ec)
        return fail(ec);
    if (m_closed)
        return;
    auto self = shared_from_this();
    boost::asio::async_connect(m_socket, results,
                               [self](const boost::system::error_code& connectError, const auto&) {
                                   self->on_connected(connectError);
                               });
}

void ftp_client_dtp::on_connected(const boost::system::error_code& ec)
{
    if (ec)
        return fail(ec);
    if (m_closed)
        return;
    read_chunk();
}

void ftp_client_dtp::read_chunk()
{
    auto self = shared_from_this();
    m_socket.async_read_some(m_data.prepare(kChunkSize),
                             [self](const boost::system::error_code& ec, std::size_t bytes) {
                                 self->on_read(ec, bytes);
                             });
}

void ftp_client_dtp::on_read(const boost::system::error_code& ec, std::size_t bytes)
{
    m_data.commit(bytes);
    m_received += bytes;
    if (m_received > m_maxBytes)
        return fail(boost::system::errc::make_error_code(boost::system::errc::file_too_large));
    if (m_data.size() > 0 && !append_chunk())
        return fail(boost::system::errc::make_error_code(boost::system::errc::io_error));
    if (ec == boost::asio::error::eof && !m_closed) {
        m_receivedWholeFile = true;
        return close();
    }
    if (ec)
        return fail(ec);
    if (m_closed)
        return;
    read_chunk();
}

// Each chunk goes to the file at once, so nothing of the download is held back.
bool ftp_client_dtp::append_chunk()
{
    while (m_data.size() > 0) {
        const auto pending = m_data.data();
        const ssize_t written = ::write(m_localFd, pending.data(), pending.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        m_data.consume(static_cast<std::size_t>(written));
    }
    return true;
}

void ftp_client_dtp::fail(const boost::system::error_code& ec)
{
    std::cerr << ec.category().name() << ":" << ec.value() << std::endl;
    close();
}
