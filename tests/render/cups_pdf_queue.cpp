#include "cups_pdf_queue.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>
#include <QThread>

#include <pwd.h>
#include <unistd.h>

#include <functional>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char* const kScheduler = "/usr/sbin/cupsd";
const char* const kDriver = "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd";
const char* const kDriverFile = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";
const char* const kCupsPdfConfig = "/etc/cups/cups-pdf.conf";
constexpr int kToolTimeoutMs = 10000;
constexpr int kSchedulerStartMs = 10000;
constexpr int kPollMs = 100;

struct ToolRun {
    bool ok = false;      // ran and exited with status 0
    std::string output;   // standard output and error
};

ToolRun RunTool(const QString& program, const QStringList& args)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    ToolRun run;
    if (!process.waitForFinished(kToolTimeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        run.output = program.toStdString() + ": " + process.errorString().toStdString();
        return run;
    }
    run.output = process.readAll().trimmed().toStdString();
    run.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return run;
}

bool SchedulerAnswers()
{
    const ToolRun run = RunTool("lpstat", {"-r"});
    return run.ok && run.output.find("scheduler is running") != std::string::npos;
}

// Whether a live process named cupsd exists, answering or not (an exited one not yet reaped
// does not count).
bool SchedulerProcessExists()
{
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator("/proc", error)) {
        QFile status(QString::fromStdString((entry.path() / "status").string()));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = status.readAll();
        if (text.startsWith("Name:\tcupsd\n") && !text.contains("\nState:\tZ"))
            return true;
    }
    return false;
}

bool WaitUntil(int timeoutMs, const std::function<bool()>& done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QThread::msleep(kPollMs);
    }
    return true;
}

double Points(double mm) { return mm * 72.0 / 25.4; }

// The folders cups-pdf writes into for the user running the tests: its "Out" folder and the one
// for anonymous jobs, with ${HOME} and ${USER} filled in.
std::vector<fs::path> CupsPdfFolders()
{
    QString out = "/var/spool/cups-pdf/${USER}";
    QString anonymous = "/var/spool/cups-pdf/ANONYMOUS";
    QFile config(kCupsPdfConfig);
    if (config.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream lines(&config);
        while (!lines.atEnd()) {
            const QString line = lines.readLine().trimmed();
            if (line.startsWith("Out "))
                out = line.mid(4).trimmed();
            else if (line.startsWith("AnonDirName "))
                anonymous = line.mid(12).trimmed();
        }
    }
    const passwd* user = getpwuid(getuid());
    const QString home = user ? QString::fromLocal8Bit(user->pw_dir) : QDir::homePath();
    const QString name = user ? QString::fromLocal8Bit(user->pw_name) : QString();
    out.replace("${HOME}", home).replace("${USER}", name);
    return {out.toStdString(), anonymous.toStdString()};
}

}  // namespace

CupsPdfQueue::~CupsPdfQueue()
{
    if (m_queueMade) {
        // Leave the queue as it was found: gone, or back on the driver without margins.
        if (m_queueExisted)
            RunTool("lpadmin", {"-p", QString::fromStdString(m_name), "-m", kDriver});
        else
            RunTool("lpadmin", {"-x", QString::fromStdString(m_name)});
    }
    if (m_scheduler.state() != QProcess::NotRunning) {
        m_scheduler.terminate();
        if (!m_scheduler.waitForFinished(5000)) {
            m_scheduler.kill();
            m_scheduler.waitForFinished(2000);
        }
    }
}

std::string CupsPdfQueue::StartScheduler()
{
    if (SchedulerAnswers())
        return {};
    if (SchedulerProcessExists()) {
        if (WaitUntil(kSchedulerStartMs, SchedulerAnswers))
            return {};
        return "a cupsd process runs but its scheduler does not answer lpstat -r";
    }
    if (!fs::exists(kScheduler))
        return std::string("CUPS is not installed (no ") + kScheduler + "; Debian packages cups printer-driver-cups-pdf)";
    m_scheduler.setStandardOutputFile(QProcess::nullDevice());
    m_scheduler.setStandardErrorFile(QProcess::nullDevice());
    m_scheduler.start(kScheduler, {"-f"});
    if (!m_scheduler.waitForStarted(5000))
        return std::string("could not start ") + kScheduler + ": " + m_scheduler.errorString().toStdString();
    const bool up = WaitUntil(kSchedulerStartMs, [this] {
        return m_scheduler.state() == QProcess::NotRunning || SchedulerAnswers();
    });
    if (!up || m_scheduler.state() == QProcess::NotRunning)
        return std::string(kScheduler) + " -f did not come up (it needs root and a free port 631)";
    return {};
}

std::string CupsPdfQueue::GiveMargins(double leftMm, double topMm)
{
    QFile driver(kDriverFile);
    if (!driver.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::string("cannot read ") + kDriverFile;
    QString ppd = QString::fromUtf8(driver.readAll());
    const QString left = QString::number(Points(leftMm), 'f', 2);
    const QString top = QString::number(Points(topMm), 'f', 2);
    const QString a4Top = QString::number(842 - Points(topMm), 'f', 2);
    // HWMargins: left, bottom, right, top; ImageableArea: lower left and upper right corners.
    const int margins = ppd.count(QRegularExpression("^\\*HWMargins:.*$", QRegularExpression::MultilineOption));
    const int a4 = ppd.count(QRegularExpression("^\\*ImageableArea A4/.*$", QRegularExpression::MultilineOption));
    if (margins != 1 || a4 != 1)
        return std::string(kDriverFile) + " has no single HWMargins and A4 ImageableArea line to change";
    ppd.replace(QRegularExpression("^\\*HWMargins:.*$", QRegularExpression::MultilineOption),
                "*HWMargins: " + left + " 0 0 " + top);
    ppd.replace(QRegularExpression("^\\*ImageableArea A4/(.*):.*$", QRegularExpression::MultilineOption),
                "*ImageableArea A4/\\1: \"" + left + " 0 595 " + a4Top + "\"");
    const QString file = m_folder.filePath("margins.ppd");
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Text) || out.write(ppd.toUtf8()) < 0)
        return "cannot write " + file.toStdString();
    out.close();
    const ToolRun run = RunTool("lpadmin", {"-p", QString::fromStdString(m_name), "-P", file});
    return run.ok ? std::string() : "lpadmin -P could not give the queue margins: " + run.output;
}

std::string CupsPdfQueue::Open(const std::string& name, double leftMm, double topMm)
{
    m_name = name;
    if (std::string why = StartScheduler(); !why.empty())
        return why;
    const QString queue = QString::fromStdString(name);
    m_queueExisted = RunTool("lpstat", {"-p", queue}).ok;
    const ToolRun made = RunTool("lpadmin", {"-p", queue, "-E", "-v", "cups-pdf:/", "-m", kDriver});
    if (!made.ok)
        return "lpadmin could not make the cups-pdf queue (package printer-driver-cups-pdf): " + made.output;
    m_queueMade = true;
    RunTool("cancel", {"-a", queue});
    return GiveMargins(leftMm, topMm);
}

fs::path CupsPdfQueue::WaitForPdf(const std::string& title, int timeoutMs) const
{
    const std::vector<fs::path> folders = CupsPdfFolders();
    fs::path found;
    WaitUntil(timeoutMs, [&] {
        const ToolRun pending = RunTool("lpstat", {"-o", QString::fromStdString(m_name)});
        if (!pending.ok || !pending.output.empty())
            return false;
        std::error_code error;
        for (const fs::path& folder : folders)
            for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
                const std::string file = entry.path().filename().string();
                if (file.find(title) != std::string::npos && entry.path().extension() == ".pdf") {
                    found = entry.path();
                    return true;
                }
            }
        return false;
    });
    return found;
}
