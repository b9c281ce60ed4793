// The windows' timers keep their beat: a 25 ms timer ticks 40 times a second on average however
// late its ticks are delivered, two timers take turns in time order, and after a long stall a timer
// takes up its beat from the present instead of firing the whole backlog.
#include "headless/HeadlessPlatform.h"
#include "platform/Windows.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace daubery;

namespace {

class Clocked : public Form {
public:
    explicit Clocked(Windows& windows) : Form(windows, "Clocked", "", 1000, 1000) {
        add({.name = "Fast", .kind = ControlKind::Timer, .flags = look::Disabled, .interval = 25});
        add({.name = "Slow", .kind = ControlKind::Timer, .flags = look::Disabled, .interval = 40});
    }
};

class Timers : public ::testing::Test {
protected:
    Timers() {
        windows.define("Clocked", [this] { return std::make_unique<Clocked>(windows); });
        form = &windows.form("Clocked");
        for (const char* name : {"Fast", "Slow"})
            form->control(name).onTimer = [this, name] {
                ticks.push_back({name, windows.nextDue().value_or(-1)});
            };
    }
    void start(const char* name) {
        platform.clock = 0;
        form->control(name).setEnabled(true);
    }

    struct Tick {
        std::string timer;
        std::int64_t nextDue; // as the tick runs, its own timer is already due again
    };
    HeadlessPlatform platform;
    Windows windows{platform};
    Form* form = nullptr;
    std::vector<Tick> ticks;
};

TEST_F(Timers, LateDeliveryKeepsTheBeat) {
    start("Fast");
    // Delivered in uneven lumps, as a busy desktop would: the ticks still fall due every 25 ms.
    for (std::int64_t now : {10, 60, 61, 180, 333, 990, 1000}) windows.runTimersUntil(now);
    ASSERT_EQ(ticks.size(), 40u);
    for (std::size_t k = 0; k < ticks.size(); ++k)
        EXPECT_EQ(ticks[k].nextDue, std::int64_t(25 * (k + 2))) << k;
}

TEST_F(Timers, TwoTimersTickInTimeOrder) {
    start("Fast");
    form->control("Slow").setEnabled(true);
    windows.runTimersUntil(200);
    std::vector<std::string> order;
    for (const Tick& tick : ticks) order.push_back(tick.timer);
    // Due times: Fast 25, 50, 75, ... Slow 40, 80, 120, ...; at 200 both are due and Fast was started first.
    EXPECT_EQ(order, (std::vector<std::string>{"Fast", "Slow", "Fast", "Fast", "Slow", "Fast", "Slow", "Fast",
                                               "Fast", "Slow", "Fast", "Fast", "Slow"}));
}

TEST_F(Timers, AStoppedTimerStartsItsBeatAfreshALongStallIsNotReplayedAndUnloadingStopsIt) {
    start("Fast");
    windows.runTimersUntil(100);
    EXPECT_EQ(ticks.size(), 4u);
    form->control("Fast").setEnabled(false);
    windows.runTimersUntil(500);
    EXPECT_EQ(ticks.size(), 4u);
    platform.clock = 510;
    form->control("Fast").setEnabled(true);
    EXPECT_EQ(windows.nextDue(), 535);

    // Five seconds without delivery: one tick now, then the beat goes on from there.
    ticks.clear();
    windows.runTimersUntil(5535, 250);
    ASSERT_EQ(ticks.size(), 1u);
    EXPECT_EQ(windows.nextDue(), 5560);

    // Unloading the window stops its timers.
    windows.unload(*form);
    EXPECT_FALSE(windows.nextDue().has_value());
    windows.runTimersUntil(9000);
    EXPECT_EQ(ticks.size(), 1u);
}

} // namespace
