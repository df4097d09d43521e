#pragma once
// A real FTP server (Debian's python3-pyftpdlib) on a free loopback port, serving one folder
// read-only to one account; stopped by its process id.
#include <sys/types.h>

#include <filesystem>
#include <string>

class PyftpdServer {
public:
    PyftpdServer(const std::string& user, const std::string& password, const std::filesystem::path& folder);
    ~PyftpdServer();
    PyftpdServer(const PyftpdServer&) = delete;
    PyftpdServer& operator=(const PyftpdServer&) = delete;

    // False when python3 or pyftpdlib is missing or the server did not come up in time.
    bool running() const { return !m_port.empty(); }
    const std::string& port() const { return m_port; }

private:
    pid_t m_pid = -1;
    std::string m_port;
};
