#include <gtest/gtest.h>

#include "display/display_modes.h"
#include "display/favourite_modes.h"
#include "display/undo_countdown.h"
#include "settings/settings.h"

namespace {

TEST(DisplayModes, TextAndTheModeToGoBackTo) {
    EXPECT_EQ(modeText({1024, 768, 60, 32}), "1024 x 768 x 60 Hz 32 -Bit ");
    const std::vector<DisplayMode> modes = {
        {800, 600, 60, 32}, {1024, 768, 60, 32}, {1024, 768, 60, 16}, {1024, 768, 60, 32}};
    EXPECT_EQ(rememberedMode(modes, {1024, 768, 60, 32}, 0), 3) << "the last match wins";
    EXPECT_EQ(rememberedMode(modes, {1024, 768, 75, 32}, 2), 2) << "no match keeps the previous";
    EXPECT_EQ(rememberedMode({}, {800, 600, 60, 32}, 5), 5);
}

TEST(DisplayModes, MessagesOfBothTables) {
    struct Case {
        long result;
        const char* apply;
        const char* restore;
    };
    const char* notUpdated = "Windows NT only: the settings could not be written to the registry";
    const Case english[] = {
        {1, "restart your system", "Restart Computer now?"},
        {-1, "your monitor doesn't support that mode", "Monitor doesn't support this mode"},
        {-2, "grahic mode isn't supported", "Graphic mode isn't supported"},
        {-3, notUpdated, notUpdated},
        {-4, "an error occured", "Bad Parameter"},
    };
    for (const Case& c : english) {
        EXPECT_EQ(applyModeMessage(c.result, false), c.apply) << c.result;
        EXPECT_EQ(restoreModeMessage(c.result, false), c.restore) << c.result;
    }
    EXPECT_EQ(applyModeMessage(-2, true), "Graphikmodus wird nicht unterstützt");
    EXPECT_EQ(restoreModeMessage(1, true), "Der Computer muss neu gestartet werden");
    EXPECT_EQ(restoreModeMessage(-4, true), "Ungültige Parameter");
    EXPECT_EQ(applyModeMessage(-3, true),
              "Nur Windows NT : Eintragungen konnten nicht in Registrierung übernommen werden");
    for (long quiet : {0L, 2L, -5L}) {
        EXPECT_FALSE(applyModeMessage(quiet, false)) << quiet;
        EXPECT_FALSE(restoreModeMessage(quiet, true)) << quiet;
    }
}

TEST(DisplayModes, AFavouriteFindsItsModeByItsText) {
    const std::vector<DisplayMode> modes = {
        {800, 600, 60, 32}, {1024, 768, 60, 32}, {640, 480, 60, 8}, {1024, 768, 60, 32}};
    const std::string xga = "1024 x 768 x 60 Hz 32 -Bit ";
    EXPECT_EQ(favouriteModeNumber(modes, 1, xga), 1) << "its number still reads so";
    EXPECT_EQ(favouriteModeNumber(modes, 1, "1024 x 768 x 60 Hz 32 -Bit"), 1) << "blanks aside";
    EXPECT_EQ(favouriteModeNumber(modes, 0, xga), 3) << "moved: the last that reads so";
    EXPECT_EQ(favouriteModeNumber(modes, 9, "640 x 480 x 60 Hz 8 -Bit "), 2);
    EXPECT_EQ(favouriteModeNumber(modes, 2, "1280 x 1024 x 60 Hz 32 -Bit "), std::nullopt);
}

TEST(UndoCountdown, LengthFromCheckscreen) {
    Settings s;
    for (auto [text, seconds] : {std::pair{"0", 0}, {"", 10}, {"abc", 10}, {"-5", 10},
                                 {"99999", 10}, {"3601", 10}, {"1", 1}, {"3600", 3600},
                                 {"10", 10}, {"7x", 10}}) {
        s.checkscreen = text;
        EXPECT_EQ(settingValue(s, &Settings::checkscreen), seconds) << "'" << text << "'";
    }
}

// N seconds: the label reads N-1 at the first tick and 0 at the N-th; the
// tick after that sets the old mode again, once.
TEST(UndoCountdown, TicksDownThenRestores) {
    for (int length : {10, 1, 3}) {
        UndoCountdown c;
        c.start(length);
        for (int tick = 1; tick <= length; ++tick) {
            const auto t = c.tick();
            EXPECT_FALSE(t.restore);
            EXPECT_EQ(t.secondsLeft, length - tick);
        }
        EXPECT_TRUE(c.tick().restore) << length;
        EXPECT_FALSE(c.active());
        EXPECT_FALSE(c.tick().restore) << "only once";
    }
    UndoCountdown kept;
    kept.start(10);
    kept.tick();
    kept.stop();
    EXPECT_FALSE(kept.tick().restore) << "keep and undo end it";
    UndoCountdown none;
    none.start(0);
    EXPECT_FALSE(none.active());
    EXPECT_EQ(undoCountdownText(9, false), "Undo in 9 Seconds");
    EXPECT_EQ(undoCountdownText(0, true), "Zurücksetzen in 0 Sekunden");
}

TEST(Favourites, StoredOncePerModeTheLaterDescriptionWinning) {
    const auto values =
        favouriteModesToStore({{"5", "first"}, {"2", "two"}, {"5", "second"}});
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[0].name + "=" + values[0].text, "5=second");
    EXPECT_EQ(values[1].name + "=" + values[1].text, "2=two");
    EXPECT_TRUE(favouriteModesToStore({}).empty());
}

}  // namespace
