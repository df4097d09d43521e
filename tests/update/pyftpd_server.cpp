#include "pyftpd_server.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace {

const char kPython[] = "/usr/bin/python3";

// Binds port 0 so the system picks a free port, and prints it for the test to read.
const char kServerScript[] = R"(
import logging, sys
logging.basicConfig(level=logging.WARNING)
logging.getLogger("pyftpdlib").setLevel(logging.WARNING)
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer
user, password, folder = sys.argv[1:4]
authorizer = DummyAuthorizer()
authorizer.add_user(user, password, folder, perm="elr")
FTPHandler.authorizer = authorizer
FTPHandler.auth_failed_timeout = 0.01
server = FTPServer(("127.0.0.1", 0), FTPHandler)
print(server.socket.getsockname()[1], flush=True)
server.serve_forever()
)";

constexpr int kStartTimeoutMs = 10000;

// The first line the child writes, or "" when nothing comes within the timeout.
std::string ReadPortLine(int fd)
{
    std::string line;
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartTimeoutMs);
    while (std::chrono::steady_clock::now() < giveUp) {
        pollfd pfd{fd, POLLIN, 0};
        if (poll(&pfd, 1, 100) <= 0)
            continue;
        char c;
        if (read(fd, &c, 1) != 1)
            return {};
        if (c == '\n')
            return line;
        line += c;
    }
    return {};
}

}  // namespace

PyftpdServer::PyftpdServer(const std::string& user, const std::string& password, const std::filesystem::path& folder)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return;
    const std::string folderText = folder.string();
    const char* argv[] = {kPython, "-c", kServerScript, user.c_str(), password.c_str(), folderText.c_str(), nullptr};
    m_pid = fork();
    if (m_pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        execv(kPython, const_cast<char* const*>(argv));
        _exit(127);
    }
    close(pipeFds[1]);
    if (m_pid > 0)
        m_port = ReadPortLine(pipeFds[0]);
    close(pipeFds[0]);
}

PyftpdServer::~PyftpdServer()
{
    if (m_pid <= 0)
        return;
    kill(m_pid, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (waitpid(m_pid, nullptr, WNOHANG) == m_pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(m_pid, SIGKILL);
    waitpid(m_pid, nullptr, 0);
}
