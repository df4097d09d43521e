#pragma once
// A scripted FTP server on a free loopback port, for faults a real server does not produce.
// It serves one control connection with the script given; every wait is bounded, so a client
// that misbehaves makes the test fail instead of hanging it.
#include <functional>
#include <string>
#include <thread>
#include <vector>

class ScriptedSession {
public:
    explicit ScriptedSession(int controlFd) : m_control(controlFd) {}
    ~ScriptedSession();
    ScriptedSession(const ScriptedSession&) = delete;
    ScriptedSession& operator=(const ScriptedSession&) = delete;

    void send(const std::string& bytes);
    // The next command line from the client without its line end; "" when none comes in time.
    std::string receive_command();
    // Opens a data listener on loopback and returns the PASV reply that names it.
    std::string open_data_port(const std::string& lead = "227 Entering Passive Mode (",
                               const std::string& tail = ").\r\n");
    // Accepts the data connection, sends `bytes` and closes it normally.
    void send_data(const std::string& bytes);
    // Accepts the data connection and sends `bytes` but leaves it open.
    void send_data_and_hold(const std::string& bytes);
    // Ends the control connection with a reset instead of a normal close.
    void reset();
    // Closes the control connection normally.
    void hang_up();
    // Waits (bounded) until the client closes a data connection left open by send_data_and_hold.
    void wait_for_data_close();
    // Waits (bounded) until the client closes the control connection.
    void wait_for_client_close();
    // Logs the client in with plain positive replies, answers its SIZE with `sizeReply`, and
    // receives its PASV command.
    void log_in_up_to_pasv(const std::string& sizeReply = "550 size not known\r\n");
    // Sends `chunk` over and over on the data connection (accepting it first) or on the control
    // connection, until the client closes it or a bounded wait ends; returns the bytes sent.
    std::size_t stream_data_without_end(const std::string& chunk);
    std::size_t stream_control_without_end(const std::string& chunk);
    // Sends `bytes` on the control connection one byte every `intervalMs`, until the client closes
    // it, all is sent, or a bounded wait ends; returns the bytes sent.
    std::size_t trickle(const std::string& bytes, int intervalMs);

    const std::vector<std::string>& commands() const { return m_commands; }

private:
    int accept_data();
    static void wait_for_close(int fd);
    static std::size_t stream_without_end(int fd, const std::string& chunk);

    int m_control;
    int m_dataListener = -1;
    int m_heldData = -1;
    std::string m_pending;
    std::vector<std::string> m_commands;
};

class ScriptedFtpServer {
public:
    using Script = std::function<void(ScriptedSession&)>;

    explicit ScriptedFtpServer(Script script);
    ~ScriptedFtpServer();
    ScriptedFtpServer(const ScriptedFtpServer&) = delete;
    ScriptedFtpServer& operator=(const ScriptedFtpServer&) = delete;

    const std::string& port() const { return m_port; }
    // Waits for the script to end and returns the commands the client sent.
    std::vector<std::string> finish();

private:
    void serve(Script script);

    int m_listener = -1;
    std::string m_port;
    std::vector<std::string> m_commands;
    std::thread m_thread;
};

// A loopback port that listens but never answers; tells whether anyone connected.
class SilentListener {
public:
    SilentListener();
    ~SilentListener();
    SilentListener(const SilentListener&) = delete;
    SilentListener& operator=(const SilentListener&) = delete;

    const std::string& port() const { return m_port; }
    bool contacted() const;

private:
    int m_listener = -1;
    std::string m_port;
};

// A closed loopback port: connecting to it is refused.
std::string UnusedLoopbackPort();
