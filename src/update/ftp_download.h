#pragma once
// One download: an ftp_client run on an I/O thread of its own, waited for, and judged.
#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>

#include <boost/system/error_code.hpp>

struct FtpAccount {
    std::string server;
    std::string user;      // plain, already unscrambled
    std::string password;  // plain, already unscrambled
    std::string remoteDir;
    std::string service = "ftp";
    std::chrono::steady_clock::duration deadline = std::chrono::seconds(300);
    // Where the control connection's dialogue goes when asked for (the debug setting); else nowhere.
    std::ostream* transcript = nullptr;
};

// A file larger than this is not downloaded (the update file's limit comes from the settings).
inline constexpr std::uint64_t kDefaultUpdateLimit = 64ull * 1024 * 1024;

struct DownloadOutcome {
    boost::system::error_code lastError;
    bool transferConfirmed = false;

    // The file arrived whole: the server confirmed it and the run ended in one of the usual ways.
    bool succeeded() const;
};

// Ends of a run that do not by themselves mean a failure: the server hung up (end of stream or
// end of file), the deadline closed the connection, or the server reset it.
bool IsAcceptedEndCode(const boost::system::error_code& ec);

// Fetches `remoteDir`/`fileName`, writing it to the descriptor `localFd` from its current offset,
// and returns when the run is over. A file larger than `maxBytes` fails with file_too_large.
DownloadOutcome RunDownload(const FtpAccount& account, const std::string& fileName, int localFd,
                            std::uint64_t maxBytes = kDefaultUpdateLimit);
