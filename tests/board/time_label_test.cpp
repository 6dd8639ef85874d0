#include "board/time_label.hpp"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

TEST(TimeLabel, ShowsWholeSecondsWithoutLeadingZerosOnceSet)
{
    TTimeLabel label;
    EXPECT_EQ(label.caption(), "0:00:00") << "a new label keeps its long form";
    const std::pair<int, const char *> cases[]
        = {{999, "0:0:0"},     {1000, "0:0:1"},    {65000, "0:1:5"},
           {3600000, "1:0:0"}, {3725000, "1:2:5"}, {90000 * 1000, "25:0:0"}};
    for (const auto &[ms, text] : cases) {
        label.setMS(ms);
        EXPECT_EQ(label.caption(), text) << ms;
        EXPECT_EQ(label.MS(), ms);
    }
}

TEST(TimeLabel, TickCallsTheOwnersHandler)
{
    TTimeLabel label;
    label.tick(); // no handler: nothing happens
    label.setTimeinterval(100);
    label.OnTimer = [&label] {
        label.setMS(label.MS() + label.timeinterval());
    };
    for (int i = 0; i < 25; ++i)
        label.tick();
    EXPECT_EQ(label.MS(), 2500);
    EXPECT_EQ(label.caption(), "0:0:2");
}

} // namespace
} // namespace kestrel
