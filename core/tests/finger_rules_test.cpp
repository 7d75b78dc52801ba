#include "core/touch/FingerRules.h"

#include <doctest/doctest.h>

#include <cstdio>
#include <sstream>
#include <string>

namespace {

void append(std::string &list, const std::string &item)
{
    list += (list.empty() ? "" : "; ") + item;
}

std::string text(PointF at)
{
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%g,%g", at.x, at.y);
    return buffer;
}

struct Played
{
    std::string paints; // "tap 100,100 @300; hold 5,5 @600": where, and the time of the call
    std::string rings;  // those the last step repaints
};

// Plays steps such as "px/mm 4; drag 3; down 1 100,100 @0; down 2 5,5 contact 200,200 @10;
// move 1 103,100 @20; up 1 103,100 @300; tick @600; cancel": finger, board pixels, the contact's
// size where the screen tells it, milliseconds.
Played play(FingerRules &rules, const std::string &script)
{
    Played played;
    std::istringstream steps(script);
    std::string step;
    while (std::getline(steps, step, ';')) {
        char verb[8] = {};
        int finger = 0;
        int ms = 0;
        double setting = 0;
        PointF at;
        SizeF contact;
        const char *s = step.c_str();
        FingerRules::Outcome outcome;
        if (std::sscanf(s, " px/mm %lf", &setting) == 1) {
            rules.setPixelsPerMillimetre(setting);
        } else if (std::sscanf(s, " drag %lf", &setting) == 1) {
            rules.setDragDistance(setting);
        } else if (std::sscanf(s, " tick @%d", &ms) == 1) {
            outcome = rules.advance(FingerRules::Time{ms});
        } else if (step == " cancel" || step == "cancel") {
            outcome = rules.cancel();
        } else if (std::sscanf(s, " %7s %d %lf,%lf contact %lf,%lf @%d", verb, &finger, &at.x,
                               &at.y, &contact.width, &contact.height, &ms) == 7 ||
                   std::sscanf(s, " %7s %d %lf,%lf @%d", verb, &finger, &at.x, &at.y, &ms) == 5) {
            const std::string v = verb;
            REQUIRE_MESSAGE((v == "down" || v == "move" || v == "up"), step);
            const FingerRules::Time now{ms};
            outcome = v == "down"   ? rules.fingerDown(finger, at, contact, now)
                      : v == "move" ? rules.fingerMoved(finger, at, now)
                                    : rules.fingerUp(finger, at, now);
        } else {
            FAIL("unreadable step: " << step);
        }
        for (const FingerRules::Paint &paint : outcome.paints) {
            const bool tap = paint.kind == FingerRules::Paint::Kind::Tap;
            append(played.paints,
                   (tap ? "tap " : "hold ") + text(paint.at) + " @" + std::to_string(ms));
        }
        played.rings.clear();
        for (PointF ring : outcome.rings)
            append(played.rings, text(ring));
    }
    return played;
}

struct Gesture
{
    const char *name;
    std::string steps;
    const char *paints;
};

void checkPaints(std::initializer_list<Gesture> gestures)
{
    for (const Gesture &gesture : gestures) {
        INFO(gesture.name);
        FingerRules rules({640, 480});
        CHECK(play(rules, gesture.steps).paints == gesture.paints);
    }
}

} // namespace

TEST_CASE("a tap paints when lifted, a hold at its time and nothing when lifted")
{
    checkPaints({
        {"tap", "down 1 5,5 @0; up 1 5,5 @300", "tap 5,5 @300"},
        {"lifted just before the hold time", "down 1 5,5 @0; tick @592; up 1 5,5 @599",
         "tap 5,5 @599"},
        {"held", "down 1 5,5 @0; tick @584; tick @600; tick @616; up 1 5,5 @700", "hold 5,5 @600"},
        {"held, the tick late", "down 1 5,5 @-250; tick @349; tick @356", "hold 5,5 @356"},
        {"lifted at the hold time, no tick since", "down 1 5,5 @0; up 1 5,5 @600", "hold 5,5 @600"},
        {"dragged past the hold time, no tick since", "down 1 5,5 @0; move 1 50,5 @605",
         "hold 5,5 @605"},
        {"where it came down", "down 1 317,50 @0; move 1 323,50 @100; up 1 323,50 @200",
         "tap 317,50 @200"},
        {"unknown finger, finger lifted twice",
         "move 7 1,1 @0; up 7 1,1 @10; down 1 1,1 @20; up 1 1,1 @30; up 1 1,1 @40", "tap 1,1 @30"},
    });
}

TEST_CASE("a finger moved beyond the drag distance or off the board paints nothing")
{
    checkPaints({
        {"moved the distance", "down 1 100,100 @0; move 1 106,108 @10; up 1 106,108 @20",
         "tap 100,100 @20"},
        {"moved beyond", "down 1 100,100 @0; move 1 106,108.01 @10; up 1 106,108.01 @20", ""},
        {"moved beyond, held", "down 1 100,100 @0; move 1 94,91.99 @10; tick @600", ""},
        {"beyond and back", "down 1 100,100 @0; move 1 111,100 @10; up 1 100,100 @20", ""},
        {"lifted beyond, no move before", "down 1 100,100 @0; up 1 111,100 @10", ""},
        {"a shorter distance", "drag 4; down 1 10,10 @0; up 1 13,13 @10", ""},

        {"the last pixel", "down 1 639.9,479.9 @0; up 1 639.9,479.9 @10", "tap 639.9,479.9 @10"},
        {"the first pixel", "down 1 0,0 @0; tick @600", "hold 0,0 @600"},
        {"past the right edge", "down 1 640,50 @0; tick @700; up 1 640,50 @800", ""},
        {"past the bottom edge", "down 1 50,480 @0; up 1 50,480 @10", ""},
        {"left of the board", "down 1 -0.1,50 @0; tick @700", ""},
        {"lifted off, within the drag distance", "down 1 637,50 @0; up 1 640,50 @10", ""},
        {"moved off and back", "down 1 637,50 @0; move 1 641,50 @10; up 1 637,50 @20", ""},
    });
}

// At 96 dpi, the default, 30 mm are 113.39 pixels.
TEST_CASE("a palm paints nothing: a wide contact, or four points down at once")
{
    const std::string three = "down 1 1,1 @0; down 2 3,3 @10; down 3 5,5 @20; ";
    checkPaints({
        {"fingertip", "down 1 1,1 contact 113,113 @0; tick @600", "hold 1,1 @600"},
        {"wide", "down 1 1,1 contact 113.4,5 @0; tick @600", ""},
        {"tall", "down 1 1,1 contact 5,113.4 @0; up 1 1,1 @10", ""},
        {"fingertip, 4 px/mm", "px/mm 4; down 1 1,1 contact 120,120 @0; tick @600",
         "hold 1,1 @600"},
        {"a wide contact stops only itself",
         "down 1 1,1 contact 200,200 @0; down 2 5,5 @10; up 2 5,5 @20; tick @700", "tap 5,5 @20"},

        {"three", three + "tick @700", "hold 1,1 @700; hold 3,3 @700; hold 5,5 @700"},
        {"four", three + "down 4 9,9 @30; up 4 9,9 @40; tick @700; up 1 1,1 @800", ""},
        {"a fourth past the first's hold time, no tick since", three + "down 4 9,9 @600",
         "hold 1,1 @600"},
        {"a finger that held, one off the board and a wide contact count",
         "down 1 1,1 @0; tick @600; down 2 700,50 @700; down 3 3,3 contact 200,200 @700; "
         "down 4 5,5 @700; tick @1400",
         "hold 1,1 @600"},
        {"after a palm, a finger beside two",
         three + "down 4 9,9 @30; up 1 1,1 @40; up 2 3,3 @40; down 5 7,7 @50; up 5 7,7 @60",
         "tap 7,7 @60"},
    });
}

TEST_CASE("cancel, and several fingers at once")
{
    checkPaints({
        {"cancelled", "down 1 1,1 @0; cancel; tick @700; move 1 1,1 @750; up 1 1,1 @800", ""},
        {"cancelled past the hold time, no tick since", "down 1 1,1 @0; tick @592; cancel", ""},
        {"a finger after the cancel, its id again",
         "down 1 1,1 @0; cancel; down 1 5,5 @10; up 1 5,5 @20", "tap 5,5 @20"},
        {"one taps, one holds", "down 1 1,1 @0; down 2 5,5 @100; up 2 5,5 @200; tick @600",
         "tap 5,5 @200; hold 1,1 @600"},
        {"one drags, one holds", "down 1 1,1 @0; down 2 5,5 @0; move 2 50,5 @100; tick @600",
         "hold 1,1 @600"},
        {"holds on one tick, as their fingers came down",
         "down 2 5,5 @0; down 1 1,1 @10; down 3 9,9 @10; tick @700",
         "hold 5,5 @700; hold 1,1 @700; hold 9,9 @700"},
        {"a lift past another's hold time, no tick since",
         "down 1 1,1 @0; down 2 5,5 @300; up 2 5,5 @650", "hold 1,1 @650; tap 5,5 @650"},
        {"an id down again with no lift", "down 1 1,1 @0; down 1 5,5 @300; tick @600; tick @900",
         "hold 5,5 @900"},
    });
}

TEST_CASE("the rings: shown from the ring delay, full at the hold time, repainted as they change")
{
    struct Row
    {
        const char *steps;
        int ms;              // when the rings are asked for
        const char *shown;   // "x,y progress; ..."
        const char *repaint; // the rings the last step repaints
        bool ticks;
    };
    const Row rows[] = {
        {"down 1 1,1 @0", 149, "", "", true},
        {"down 1 1,1 @0; tick @149", 150, "1,1 0", "", true},
        {"down 1 1,1 @0; down 2 5,5 @225; tick @375", 375, "1,1 0.5; 5,5 0", "1,1; 5,5", true},
        {"down 1 1,1 @0; tick @592", 600, "1,1 1", "1,1", true},
        {"down 1 1,1 @0", 5000, "1,1 1", "", true},
        {"down 1 1,1 @100", 50, "", "", true},
        {"down 1 1,1 @0; tick @600", 600, "", "1,1", false},
        {"down 1 1,1 @0; move 1 50,1 @50", 300, "", "1,1", false},
        {"down 1 1,1 @0; up 1 1,1 @100", 300, "", "1,1", false},
        {"down 1 700,50 @0", 300, "", "", false},
        {"down 1 1,1 contact 200,200 @0", 300, "", "", false},
        {"down 1 1,1 @0; down 2 700,50 @0; down 3 3,3 @0; down 4 5,5 @0", 300, "", "1,1; 3,3; 5,5",
         false},
        {"down 1 1,1 @0; tick @600; down 2 5,5 @700; cancel", 800, "", "5,5", false},
        {"down 1 1,1 @0; down 1 5,5 @100", 300, "5,5 0.111111", "1,1", true},
    };
    for (const Row &row : rows) {
        INFO(std::string(row.steps) << ", rings at " << row.ms);
        FingerRules rules({640, 480});
        CHECK(play(rules, row.steps).rings == row.repaint);
        std::string shown;
        for (const FingerRules::Hold &hold : rules.holds(FingerRules::Time{row.ms})) {
            char progress[16];
            std::snprintf(progress, sizeof progress, " %g", hold.progress);
            append(shown, text(hold.at) + progress);
        }
        CHECK(shown == row.shown);
        CHECK(rules.mayStillHold() == row.ticks);
    }
}
