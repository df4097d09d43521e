#include "app/progress_line.h"

#include <ostream>

ProgressLine::ProgressLine(std::ostream& err, Clock clock)
    : m_err(err), m_clock(std::move(clock)), m_started(m_clock()), m_lastTold(m_started)
{
}

void ProgressLine::operator()(int done, int total)
{
    const auto now = m_clock();
    const bool last = done >= total;
    const bool due = m_told ? now - m_lastTold >= kEvery : now - m_started >= kQuiet;
    if (!(due || (last && m_told)))
        return;
    m_err << "シートを出力しています: " << done << "/" << total << "枚" << (last ? "（完了）" : "") << '\n'
          << std::flush;
    m_told = true;
    m_lastTold = now;
}
