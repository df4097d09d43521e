#pragma once
// A CUPS spooler with a cups-pdf queue for the print tests. It uses the scheduler that runs, or
// starts one and stops that one (its own process, nothing else) when it goes. The queue's printer
// gets hardware margins, so that its printable area does not begin at the paper's corner.
#include <QProcess>
#include <QTemporaryDir>

#include <filesystem>
#include <string>

// How long a print job may take to come out of the queue: the PDF filter is slow on a loaded
// machine (two minutes were seen while other builds ran).
inline constexpr int kSpoolerPatienceMs = 240000;

class CupsPdfQueue {
public:
    CupsPdfQueue() = default;
    ~CupsPdfQueue();
    CupsPdfQueue(const CupsPdfQueue&) = delete;
    CupsPdfQueue& operator=(const CupsPdfQueue&) = delete;

    // Makes `name` a queue that prints into PDF files on A4 paper whose printable area begins
    // `leftMm` from the left and `topMm` from the top edge. Returns why that was impossible, or an
    // empty string.
    std::string Open(const std::string& name, double leftMm, double topMm);
    // The PDF that cups-pdf made of the job titled `title`, once the queue has no job left; empty
    // when none came within `timeoutMs`.
    std::filesystem::path WaitForPdf(const std::string& title, int timeoutMs) const;

private:
    std::string StartScheduler();
    std::string GiveMargins(double leftMm, double topMm);

    std::string m_name;
    QProcess m_scheduler;  // runs only when this object started the scheduler
    bool m_queueExisted = false;
    bool m_queueMade = false;
    QTemporaryDir m_folder;
};
