// Every Pemmick topic run whole from its sub-menu: it starts from the erased
// screen, takes exactly as many keys as it waits for, ends without erasing
// and without a further key under the caption, and a second visit draws the
// same screen again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pemmick/pemmick_fixture.h"

namespace {

using namespace testing_support;
using namespace pemmick_test;

const std::string E = "{Enter}";

class EveryTopic : public testing::TestWithParam<Topic> {};

std::string TopicKeys(const Topic& t) { return std::to_string(t.item) + E + Repeat("x", t.waits); }

// Index of the first event at or after `from` that draws the lesson's caption.
long CaptionAt(const std::vector<json>& events, int lesson, long from) {
    for (long i = from; i < static_cast<long>(events.size()); ++i)
        if (events[i].value("op", "") == "run" && events[i]["routine"] == "DrawWideText" &&
            events[i]["text"] == Caption(lesson))
            return i;
    return -1;
}

TEST_P(EveryTopic, PlaysOneStepPerKeyAndEndsUnderTheCaption) {
    const Topic& t = GetParam();
    const RunResult r = RunProgramHeadless("pemmick", std::to_string(t.lesson) + E + TopicKeys(t));
    ASSERT_EQ(r.status, 0) << r.stderrText;
    const auto& ev = r.events;
    // The topic starts after the Enter of its item with the whole-screen erase.
    const long first = CaptionAt(ev, t.lesson, 0);
    ASSERT_GE(first, 0);
    long start = first;
    int keys = 0;
    while (start < static_cast<long>(ev.size()) && keys < 2) keys += ev[start++].value("op", "") == "key";
    // Nothing of the topic is drawn before its erase (only the entry field's
    // own clean-up comes first).
    while (start < static_cast<long>(ev.size()) && !IsWholeScreenErase(ev[start])) {
        const std::string op = ev[start].value("op", "");
        EXPECT_TRUE(op == "box" || op == "circle") << ev[start].dump();
        EXPECT_EQ(ev[start]["color"], 15) << ev[start].dump();
        ++start;
    }
    ASSERT_LT(start, static_cast<long>(ev.size()));
    // Exactly `waits` keys until the caption comes back, none after the last
    // drawing, and no erase of the whole screen after the first.
    const long back = CaptionAt(ev, t.lesson, start);
    ASSERT_GT(back, start) << "the caption did not come back";
    int waits = 0, erases = 0;
    long lastKey = start;
    for (long i = start; i < back; ++i) {
        if (ev[i].value("op", "") == "key") {
            ++waits;
            lastKey = i;
        }
        erases += IsWholeScreenErase(ev[i]);
    }
    EXPECT_EQ(waits, t.waits);
    EXPECT_EQ(erases, 1);
    // After the last key the topic draws its last step: more than the wait
    // box's own clean-up.
    bool drewAfterLastKey = false;
    for (long i = lastKey + 1; i < back; ++i)
        if (ev[i].value("op", "") == "run" || ev[i].value("op", "") == "line" || ev[i].value("op", "") == "circle" ||
            ev[i].value("op", "") == "polyline")
            drewAfterLastKey = true;
    EXPECT_TRUE(drewAfterLastKey);
}

TEST_P(EveryTopic, ASecondVisitDrawsTheSameScreen) {
    const Topic& t = GetParam();
    const RunResult r = RunProgramHeadless("pemmick", std::to_string(t.lesson) + E + TopicKeys(t) + TopicKeys(t));
    ASSERT_EQ(r.status, 0) << r.stderrText;
    std::vector<std::vector<json>> visits;
    for (const auto& e : r.events) {
        if (IsWholeScreenErase(e)) visits.emplace_back();
        if (!visits.empty()) visits.back().push_back(e);
    }
    // The menu's erase(s), the goal's (lesson 2), then one per visit.
    ASSERT_GE(visits.size(), 2u);
    auto second = visits.back();
    auto first = visits[visits.size() - 2];
    // Each visit runs until the caption; compare up to there.
    const long a = CaptionAt(first, t.lesson, 0), b = CaptionAt(second, t.lesson, 0);
    ASSERT_GE(a, 0);
    ASSERT_GE(b, 0);
    first.resize(a);
    second.resize(b);
    ASSERT_EQ(first.size(), second.size());
    // The erase itself is drawn at the pen width the visit before left.
    for (std::size_t i = 1; i < first.size(); ++i) ASSERT_EQ(first[i], second[i]) << "event " << i;
}

TEST_P(EveryTopic, LeavesThePenWidthAtFive) {
    const Topic& t = GetParam();
    PemmickFixture f(Repeat("x", t.waits));
    t.routine(f.prog);
    EXPECT_EQ(f.rt->RtGetDrawWidth(), 5);
}

INSTANTIATE_TEST_SUITE_P(Pemmick, EveryTopic, testing::ValuesIn(Topics()),
                         [](const auto& tp) { return std::string(tp.param.name); });

}  // namespace
