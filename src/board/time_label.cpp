#include "board/time_label.hpp"

namespace kestrel {

void TTimeLabel::setMS(int milliseconds)
{
    m_ms = milliseconds;
    m_caption = timeText(milliseconds / 1000);
}

std::string TTimeLabel::timeText(long long seconds)
{
    const long long hours = seconds / 3600;
    const long long minutes = (seconds % 3600) / 60;
    return std::to_string(hours) + ":" + std::to_string(minutes) + ":"
        + std::to_string(seconds % 60);
}

} // namespace kestrel
