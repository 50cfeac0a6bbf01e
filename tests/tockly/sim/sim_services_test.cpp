#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tockly/platform/fakes/fake_clock.h"
#include "tockly/platform/fakes/fake_events.h"
#include "tockly/platform/fakes/fake_player.h"
#include "tools/tockly-sim/engine_event_printer.h"
#include "tools/tockly-sim/event_printer.h"
#include "tools/tockly-sim/sim_arguments.h"
#include "tools/tockly-sim/virtual_program_folder.h"

namespace tockly::sim {
namespace {

using platform::FakeClock;
using platform::FakeEventQueue;
using platform::FakeMessagePump;
using platform::FakePlayer;

std::int64_t at(int hour, int minute, int second, int ms = 0) {
    return FakeClock::ms_of({2010, 5, 1}, hour, minute, second) + ms;
}

TEST(FakeClock, RegionalTextsAndStamps) {
    FakeClock clock(at(6, 4, 5, 200));
    clock.date_style = FakeClock::DateStyle::kDashes;
    EXPECT_EQ(clock.time_text(), "6:04:05");
    EXPECT_EQ(clock.short_date_text(), "2010-5-1");
    EXPECT_EQ(EventPrinter(clock, stdout).stamp(), "06:04:05.200");
    EXPECT_FLOAT_EQ(clock.seconds_since_midnight(), 6 * 3600 + 4 * 60 + 5.2f);
    EXPECT_EQ(clock.now().weekday(), 6);  // a Saturday
    clock.set_ms(at(23, 59, 59, 999) + 1);
    EXPECT_EQ(clock.short_date_text(), "2010-5-2");
    EXPECT_EQ(clock.time_text(), "0:00:00");
}

TEST(FakeEventQueue, DeliversInTimeOrderWithTheClockAtEachEvent) {
    FakeClock clock(at(8, 0, 0));
    EventPrinter printer(clock, stdout);
    FakeEventQueue queue(clock);
    std::vector<std::string> seen;
    queue.post(at(8, 0, 1), [&] {
        seen.push_back("b " + printer.stamp());
        queue.post(clock.now_ms(), [&] { seen.push_back("c " + printer.stamp()); });
    });
    queue.post(at(8, 0, 0, 500), [&] { seen.push_back("a " + printer.stamp()); });
    queue.post(at(8, 0, 2), [&] { seen.push_back("late"); });
    queue.deliver_until(at(8, 0, 1));
    EXPECT_EQ(seen,
              (std::vector<std::string>{"a 08:00:00.500", "b 08:00:01.000", "c 08:00:01.000"}));
    EXPECT_EQ(clock.now_ms(), at(8, 0, 1));
}

class RecordingEvents : public platform::PlayerEvents {
  public:
    void playbackStarted() override { log.push_back("started"); }
    void playbackEnded() override { log.push_back("ended"); }
    std::vector<std::string> log;
};

class FakePlayerTest : public testing::Test {
  protected:
    FakePlayerTest() {
        player.set_events(&events);
        player.set_listener(&printed);
        printer.set_program_dir("C:\\Tockly\\");
    }
    std::string output() {
        std::fflush(out);
        std::rewind(out);
        std::string text;
        for (int c; (c = std::fgetc(out)) != EOF;) text += char(c);
        return text;
    }

    FakeClock clock{at(6, 45, 0)};
    FakeEventQueue queue{clock};
    FakeMessagePump pump{clock, queue};
    std::FILE* out = std::tmpfile();
    EventPrinter printer{clock, out};
    EngineEventPrinter printed{printer};
    VirtualProgramFolder folder{{}};
    FakePlayer player{clock, queue, 1, [this](const std::string& path) {
                          return folder.file_exists(path) ? std::optional<std::int64_t>(1500)
                                                          : std::nullopt;
                      }};
    RecordingEvents events;
};

TEST_F(FakePlayerTest, AClipEndsExactlyAfterItsLength) {
    EXPECT_EQ(player.playerOpen("C:\\Tockly\\sy\\ds"), 0);
    player.playerPlay();
    queue.deliver_until(at(6, 45, 1, 400));
    EXPECT_EQ(events.log, std::vector<std::string>{"started"});
    queue.deliver_until(at(6, 45, 2));
    EXPECT_EQ(output(), "06:45:00.000 open 1 sy\\ds 0\n06:45:00.000 play 1\n06:45:01.500 end 1\n");
    EXPECT_EQ(events.log, (std::vector<std::string>{"started", "ended"}));
}

TEST_F(FakePlayerTest, StopReportsTheEndInsideTheWaitAndOnlyWhenPlaying) {
    player.playerStop();
    pump.process_pending_messages();
    EXPECT_TRUE(events.log.empty());
    player.playerOpen("C:\\Tockly\\sy\\s6");
    player.playerPlay();
    player.playerStop();
    EXPECT_EQ(events.log, std::vector<std::string>{"started"});
    pump.process_pending_messages();
    EXPECT_EQ(events.log, (std::vector<std::string>{"started", "ended"}));
    queue.deliver_until(at(6, 45, 5));  // the stopped clip's natural end never comes
    EXPECT_EQ(events.log.size(), 2u);
    EXPECT_EQ(clock.now_ms(), at(6, 45, 5));
}

TEST_F(FakePlayerTest, AMissingFileFailsToOpenAndPlaysNothing) {
    EXPECT_NE(player.playerOpen("D:\\music\\wake.mp3"), 0);
    player.playerPlay();
    queue.deliver_until(at(6, 45, 10));
    EXPECT_TRUE(events.log.empty());
    EXPECT_EQ(output(), "06:45:00.000 open 1 D:\\music\\wake.mp3 277\n06:45:00.000 play 1\n");
}

TEST(VirtualProgramFolder, HoldsTheVoiceClipsAndTheNamedPacksOnly) {
    VirtualProgramFolder folder({"Korvane", "林"});
    for (const char* clip : {"sy\\s0", "sy\\s23z", "sy\\f1", "sy\\f59", "sy\\ds", "sy\\g0",
                             "sy\\g3", "sy\\qx", "sy\\n5", "SY\\DS"})
        EXPECT_TRUE(folder.file_exists(std::string("C:\\Tockly\\") + clip)) << clip;
    for (const char* missing : {"sy\\f0", "sy\\s24", "sy\\n6", "sy\\g4", "数据库"})
        EXPECT_FALSE(folder.file_exists(std::string("C:\\Tockly\\") + missing)) << missing;
    EXPECT_TRUE(folder.file_exists("C:\\Tockly\\明星报时\\林\\23.mp3"));
    EXPECT_FALSE(folder.file_exists("C:\\Tockly\\明星报时\\林\\07.mp3"));
    EXPECT_EQ(folder.subfolders("C:\\Tockly\\明星报时\\"),
              (std::vector<std::string>{"Korvane", "林"}));
    EXPECT_TRUE(folder.subfolders("C:\\Tockly\\sy").empty());
}

TEST(SimArguments, ReadsEveryOption) {
    std::string error;
    const auto parsed = parse_sim_arguments(
        {"--start", "2010-05-01 06:44:58", "--seconds", "8", "--packs", "Korvane,林",
         "--clip-seconds", "0.25", "--at", "06:45:01", "press-action", "--at", "23:00:00",
         "stop-custom", "--settings", "数据库"},
        error);
    ASSERT_TRUE(parsed) << error;
    EXPECT_EQ(parsed->start_ms, at(6, 44, 58));
    EXPECT_EQ(parsed->seconds, 8);
    EXPECT_EQ(parsed->packs, (std::vector<std::string>{"Korvane", "林"}));
    EXPECT_EQ(parsed->clip_ms, 250);
    ASSERT_EQ(parsed->actions.size(), 2u);
    EXPECT_EQ(parsed->actions[0].ms_of_day, (6 * 3600 + 45 * 60 + 1) * 1000);
    EXPECT_EQ(parsed->actions[1].action, UserAction::kStopCustom);
    EXPECT_EQ(parsed->settings_path, "数据库");
    EXPECT_FALSE(parsed->program_dir);
}

}  // namespace
}  // namespace tockly::sim
