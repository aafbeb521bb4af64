#pragma once

// A walk through the events that meet the countdowns (triggers falling
// due, ticks, the warning's answers, the options, standby, stalls), each
// step checked against the promise: no action without its whole warning
// on screen just before it, with no pause in between, unless the user sent
// the window away; Cancel and Later touch the countdown shown alone. The
// screen is kept here as the warning window shows it, apart from the
// model's own bookkeeping.
#include <array>
#include <cstdint>
#include <string>

#include "power/pending_actions.h"

class PendingWalk {
public:
    static constexpr int kEvents = 12;

    // One event; "" while every rule holds, else the rule broken.
    std::string step(int event, std::uint32_t figure) {
        const auto dueBefore = dues();
        switch (event) {
        case 0: return tick(1);
        case 1:  // a stretch of ticks a second apart
            for (std::uint32_t i = figure % 120; i > 0; --i)
                if (std::string broken = tick(1); !broken.empty()) return broken;
            return tick(1);
        case 2: fallDue(Trigger::Schedule, {figure % 3 ? figure % 40 : 0, 30}); break;
        case 3: fallDue(Trigger::Conditions, {figure % 50 + 1, figure % 50 + 1}); break;
        case 4: pending.sendAway(); screen.sentAway = screen.showing; break;
        case 5: case 6: {
            const auto acted = event == 5 ? pending.cancelShown() : pending.postponeShown(now);
            if (acted.has_value() != (screen.showing && !screen.sentAway)) return "answered unseen";
            for (const Trigger t : {Trigger::Schedule, Trigger::Conditions})
                if (t != acted && dues()[index(t)] != dueBefore[index(t)])
                    return "an answer moved a countdown not shown";
            if (!acted) break;
            if (*acted != screen.trigger) return "answered another countdown";
            expect[index(*acted)] = {event == 6, event == 6, false, 0, now, {}};
            screen = {};
            break;
        }
        case 7: pending.pause(); expect = {}; screen = {}; break;
        case 8: pending.resume(); break;
        case 9: now += 100 + figure % 900; interrupt(); pending.restart(now); break;
        case 10: interrupt(); return tick(PendingActions::kLateSeconds + 1 + figure % 30);
        case 11:
            pending.withdraw(Trigger::Conditions);
            expect[1] = {};
            if (screen.trigger == Trigger::Conditions) screen = {};
            break;
        }
        return sync();
    }

private:
    struct Expect {
        bool due = false, putOff = false, interrupted = false;
        std::uint32_t dueAt = 0, putOffAt = 0;
        WarningPeriods periods;
    };
    struct Screen {
        bool showing = false, sentAway = false;
        Trigger trigger = Trigger::Schedule;
        std::uint32_t since = 0, whole = 0;
    };
    static int index(Trigger t) { return static_cast<int>(t); }
    std::array<bool, 2> dues() const {
        return {pending.due(Trigger::Schedule), pending.due(Trigger::Conditions)};
    }
    void fallDue(Trigger t, WarningPeriods periods) {
        if (pending.paused() || pending.due(t)) return;  // as the program feeds it
        pending.fallDue(t, {periods, Action::Shutdown, ""}, now);
        expect[index(t)] = {true, false, false, now, 0, periods};
    }
    // The screen went dark or froze: what it showed was not seen counting.
    void interrupt() {
        if (screen.showing) expect[index(screen.trigger)].interrupted = true;
        screen = {};
    }
    // The least warning the trigger's countdown may have, starting now.
    std::uint32_t whole(const Expect& e) const {
        const std::uint32_t late = e.periods.late;
        if (e.putOff) return late >= PendingActions::kPostponeSeconds ? 60 : late;
        const bool onTime = !e.interrupted && now - e.dueAt <= PendingActions::kLateSeconds;
        return onTime ? e.periods.onTime : late;
    }
    std::string tick(std::uint32_t seconds) {
        now += seconds;
        const PendingActions::Step s = pending.tick(now);
        if (s.kind == PendingActions::StepKind::Fire) {
            Expect& e = expect[index(s.trigger)];
            if (!e.due || pending.paused()) return "acted for a trigger not due";
            const bool seen = screen.showing && screen.trigger == s.trigger;
            const std::uint32_t least = seen ? screen.whole : whole(e);
            if (least > 0 && (!seen || now - screen.since < least))
                return "acted without its whole warning";
            if (e.putOff && now - e.putOffAt < PendingActions::kPostponeSeconds)
                return "acted sooner than put off";
            e = {};
            screen = {};
        }
        return sync();
    }
    // As the program's window: it shows the countdown the model shows.
    std::string sync() {
        const PendingActions::Countdown* shown = pending.shown();
        if (!shown) {
            if (!screen.sentAway) screen = {};
            return pending.paused() && pending.countdown() ? "a countdown while paused" : "";
        }
        if (screen.showing && screen.trigger == shown->trigger) return "";
        const Expect& e = expect[index(shown->trigger)];
        if (!e.due) return "a countdown for a trigger not due";
        screen = {true, false, shown->trigger, now, whole(e)};
        return shown->period < screen.whole ? "a countdown shorter than its warning" : "";
    }

    PendingActions pending;
    std::uint32_t now = 1000;
    std::array<Expect, 2> expect{};
    Screen screen;
};
