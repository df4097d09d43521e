#include "update/ftp_download.h"

#include <exception>
#include <thread>

#include <boost/asio/io_context.hpp>

#include "update/ftp_client.h"

bool DownloadOutcome::succeeded() const { return transferConfirmed && IsAcceptedEndCode(lastError); }

bool IsAcceptedEndCode(const boost::system::error_code& ec)
{
    return ec == boost::asio::error::eof || ec == boost::asio::error::operation_aborted ||
           ec == boost::asio::error::connection_reset;
}

DownloadOutcome RunDownload(const FtpAccount& account, const std::string& fileName, int localFd,
                            std::uint64_t maxBytes)
{
    boost::asio::io_context io;
    ftp_client client(io, account.server, account.user, account.password, account.remoteDir, fileName, localFd,
                      account.service, account.deadline, maxBytes, account.transcript);
    std::exception_ptr ioFailure;
    std::thread ioThread([&io, &ioFailure] {
        try {
            io.run();
        } catch (...) {
            ioFailure = std::current_exception();
        }
    });
    ioThread.join();
    if (ioFailure)
        std::rethrow_exception(ioFailure);
    return DownloadOutcome{client.last_error(), client.transfer_confirmed()};
}
