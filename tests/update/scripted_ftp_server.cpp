#include "scripted_ftp_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace {

constexpr int kWaitMs = 5000;

// A listening socket on 127.0.0.1 with a port of the system's choice.
int ListenOnLoopback(int& port)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 || listen(fd, 4) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        close(fd);
        return -1;
    }
    port = ntohs(address.sin_port);
    return fd;
}

bool WaitReadable(int fd, int timeoutMs)
{
    pollfd pfd{fd, POLLIN, 0};
    return poll(&pfd, 1, timeoutMs) == 1;
}

int AcceptWithin(int listener, int timeoutMs)
{
    if (listener < 0 || !WaitReadable(listener, timeoutMs))
        return -1;
    return accept(listener, nullptr, nullptr);
}

void SendAll(int fd, const std::string& bytes)
{
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            return;
        sent += static_cast<std::size_t>(n);
    }
}

void CloseIfOpen(int& fd)
{
    if (fd >= 0)
        close(fd);
    fd = -1;
}

}  // namespace

ScriptedSession::~ScriptedSession()
{
    CloseIfOpen(m_heldData);
    CloseIfOpen(m_dataListener);
    CloseIfOpen(m_control);
}

void ScriptedSession::send(const std::string& bytes) { SendAll(m_control, bytes); }

std::string ScriptedSession::receive_command()
{
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(kWaitMs);
    for (;;) {
        const std::size_t end = m_pending.find("\r\n");
        if (end != std::string::npos) {
            std::string command = m_pending.substr(0, end);
            m_pending.erase(0, end + 2);
            m_commands.push_back(command);
            return command;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(giveUp - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !WaitReadable(m_control, static_cast<int>(left.count())))
            return {};
        char buffer[512];
        const ssize_t n = recv(m_control, buffer, sizeof buffer, 0);
        if (n <= 0)
            return {};
        m_pending.append(buffer, static_cast<std::size_t>(n));
    }
}

std::string ScriptedSession::open_data_port(const std::string& lead, const std::string& tail)
{
    int port = 0;
    m_dataListener = ListenOnLoopback(port);
    return lead + "127,0,0,1," + std::to_string(port / 256) + "," + std::to_string(port % 256) + tail;
}

int ScriptedSession::accept_data()
{
    const int fd = AcceptWithin(m_dataListener, kWaitMs);
    CloseIfOpen(m_dataListener);
    return fd;
}

void ScriptedSession::send_data(const std::string& bytes)
{
    int fd = accept_data();
    SendAll(fd, bytes);
    CloseIfOpen(fd);
}

void ScriptedSession::send_data_and_hold(const std::string& bytes)
{
    m_heldData = accept_data();
    SendAll(m_heldData, bytes);
}

void ScriptedSession::reset()
{
    const linger abortive{1, 0};
    setsockopt(m_control, SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
    CloseIfOpen(m_control);
}

void ScriptedSession::hang_up() { CloseIfOpen(m_control); }

void ScriptedSession::wait_for_client_close() { wait_for_close(m_control); }

void ScriptedSession::wait_for_data_close() { wait_for_close(m_heldData); }

void ScriptedSession::wait_for_close(int fd)
{
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(kWaitMs);
    char buffer[512];
    while (fd >= 0 && std::chrono::steady_clock::now() < giveUp) {
        if (WaitReadable(fd, 50) && recv(fd, buffer, sizeof buffer, 0) <= 0)
            return;
    }
}

void ScriptedSession::log_in_up_to_pasv(const std::string& sizeReply)
{
    send("220 ready\r\n");
    receive_command();
    send("331 password please\r\n");
    receive_command();
    send("230 logged in\r\n");
    receive_command();
    send("200 type set\r\n");
    receive_command();
    send(sizeReply);
    receive_command();
}

std::size_t ScriptedSession::stream_data_without_end(const std::string& chunk)
{
    m_heldData = accept_data();
    return stream_without_end(m_heldData, chunk);
}

std::size_t ScriptedSession::stream_control_without_end(const std::string& chunk)
{
    return stream_without_end(m_control, chunk);
}

std::size_t ScriptedSession::trickle(const std::string& bytes, int intervalMs)
{
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(kWaitMs);
    std::size_t sent = 0;
    char ignored[512];
    while (sent < bytes.size() && std::chrono::steady_clock::now() < giveUp) {
        if (WaitReadable(m_control, intervalMs) && recv(m_control, ignored, sizeof ignored, MSG_DONTWAIT) == 0)
            break;  // the client hung up
        if (::send(m_control, bytes.data() + sent, 1, MSG_NOSIGNAL) != 1)
            break;
        ++sent;
    }
    return sent;
}

std::size_t ScriptedSession::stream_without_end(int fd, const std::string& chunk)
{
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(kWaitMs);
    std::size_t sent = 0;
    while (fd >= 0 && std::chrono::steady_clock::now() < giveUp) {
        pollfd pfd{fd, POLLOUT, 0};
        if (poll(&pfd, 1, 50) != 1)
            continue;
        const ssize_t n = ::send(fd, chunk.data(), chunk.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n < 0 && errno != EAGAIN)
            break;
        sent += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    return sent;
}

ScriptedFtpServer::ScriptedFtpServer(Script script)
{
    int port = 0;
    m_listener = ListenOnLoopback(port);
    m_port = std::to_string(port);
    m_thread = std::thread([this, script = std::move(script)] { serve(script); });
}

ScriptedFtpServer::~ScriptedFtpServer()
{
    if (m_thread.joinable())
        m_thread.join();
    CloseIfOpen(m_listener);
}

std::vector<std::string> ScriptedFtpServer::finish()
{
    if (m_thread.joinable())
        m_thread.join();
    return m_commands;
}

void ScriptedFtpServer::serve(Script script)
{
    const int control = AcceptWithin(m_listener, kWaitMs);
    if (control < 0)
        return;
    ScriptedSession session(control);
    script(session);
    m_commands = session.commands();
}

SilentListener::SilentListener()
{
    int port = 0;
    m_listener = ListenOnLoopback(port);
    m_port = std::to_string(port);
}

SilentListener::~SilentListener() { CloseIfOpen(m_listener); }

bool SilentListener::contacted() const { return WaitReadable(m_listener, 0); }

std::string UnusedLoopbackPort()
{
    int port = 0;
    const int fd = ListenOnLoopback(port);
    close(fd);
    return std::to_string(port);
}
