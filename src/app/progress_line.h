#pragma once
// Progress of a long export on standard error. A short export stays quiet; once one has run a
// while, a line tells how far it is every so often, and a last line when it is done.
#include <chrono>
#include <functional>
#include <iosfwd>

class ProgressLine {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    static constexpr std::chrono::seconds kQuiet{2};
    static constexpr std::chrono::seconds kEvery{1};

    explicit ProgressLine(std::ostream& err, Clock clock = std::chrono::steady_clock::now);

    // After `done` of `total` sheets.
    void operator()(int done, int total);

private:
    std::ostream& m_err;
    Clock m_clock;
    std::chrono::steady_clock::time_point m_started;
    std::chrono::steady_clock::time_point m_lastTold;
    bool m_told = false;
};
