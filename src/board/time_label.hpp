#pragma once
// The clock label: shows an elapsed time held in milliseconds and owns a tick timer. The
// label does not count by itself; its owner's tick handler adds the interval to MS.

#include <functional>
#include <string>

namespace kestrel {

class TTimeLabel
{
public:
    /// Caption "0:00:00" until MS is first set; the timer keeps its own defaults (enabled,
    /// 1000 ms) until timerenabled and timeinterval are first set.
    TTimeLabel() = default;

    bool timerenabled() const { return m_timerEnabled; }
    /// Runs or stops the tick timer.
    void setTimerenabled(bool enabled) { m_timerEnabled = enabled; }
    int timeinterval() const { return m_timeInterval; }
    /// Tick period in milliseconds.
    void setTimeinterval(int milliseconds) { m_timeInterval = milliseconds; }
    /// Handler called on every tick; the shell's timer calls tick().
    std::function<void()> OnTimer;

    int MS() const { return m_ms; }
    /// Stores the elapsed milliseconds and shows them as "h:m:s".
    void setMS(int milliseconds);

    const std::string &caption() const { return m_caption; }
    void setCaption(std::string caption) { m_caption = std::move(caption); }

    /// One tick of the timer: calls OnTimer when assigned.
    void tick()
    {
        if (OnTimer)
            OnTimer();
    }

    /// Time text of `seconds`: hours, minutes and seconds without leading zeros, hours not
    /// limited to 24 ("0:0:0", "1:2:5", "25:0:0").
    static std::string timeText(long long seconds);

private:
    bool m_timerEnabled = true;
    int m_timeInterval = 1000;
    int m_ms = 0;
    std::string m_caption = "0:00:00";
};

} // namespace kestrel
