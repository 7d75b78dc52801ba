#include "core/board/Palette.h"
#include "core/session/GameSession.h"

#include <doctest/doctest.h>

#include <string_view>

// The session's rules that the windows used to hold: which controls act, what each call changes
// and what it leaves as it was.

namespace {

GameSettings storedSettings()
{
    GameSettings settings;
    settings.CanSearchButton = settings.CanSelectButton = true;
    settings.CanColorChange = settings.CanOpenFile = true;
    settings.PaintColor = {0, 9, 12};
    settings.Rate = {0.85F, 0.75F};
    settings.LineWidth = 1;
    return settings;
}

GameSession loadedSession(const GameSettings &settings = storedSettings())
{
    GameSession session([] { return 7U; });
    session.load(settings);
    return session;
}

} // namespace

TEST_CASE("loading starts both sides on the teacher's colours and keeps lines 1 or 2 wide")
{
    const struct
    {
        std::int16_t stored;
        std::int16_t drawn;
    } rows[] = {{1, 1}, {2, 2}, {0, 2}, {-3, 2}, {5, 2}};
    for (const auto &row : rows) {
        CAPTURE(row.stored);
        GameSettings settings = storedSettings();
        settings.LineWidth = row.stored;
        settings.CurrentColor = {0, 3, 4};
        const GameSession session = loadedSession(settings);
        CHECK(session.settings().LineWidth == row.drawn);
        CHECK(session.isOn(Switch::ThickLines) == (row.drawn == 2));
        CHECK(session.sideColor(Side::Left) == Palette::color(9));
        CHECK(session.sideColor(Side::Right) == Palette::color(12));
    }
}

// A disabled control does nothing, as a disabled button does; the switch makes it act again.
TEST_CASE("a control the teacher switched off changes nothing")
{
    const struct
    {
        std::string_view name;
        Switch control;
        SessionChanges (*act)(GameSession &);
    } rows[] = {
        {"check", Switch::Search, [](GameSession &s) { return s.check(); }},
        {"grid", Switch::PatternChoice,
         [](GameSession &s) { return s.makePattern(Pattern::LargeGrid); }},
        {"random lines", Switch::PatternChoice,
         [](GameSession &s) { return s.makePattern(Pattern::RandomLines); }},
        {"swatch", Switch::ColorChange, [](GameSession &s) { return s.stepColor(Side::Right); }},
        {"picture", Switch::FileOpen,
         [](GameSession &s) { return s.placePicture(Raster(20, 10, Palette::Black)); }},
    };
    for (const auto &row : rows) {
        CAPTURE(row.name);
        GameSession session = loadedSession();
        CHECK(session.setSwitch(row.control, false).controls);
        const Raster board = session.board().image();
        const Raster strip = session.strip().image();
        const GameSettings settings = session.settings();
        CHECK_FALSE(row.act(session).any());
        CHECK(session.board().image() == board);
        CHECK(session.strip().image() == strip);
        CHECK(session.settings().CurrentColor == settings.CurrentColor);

        session.setSwitch(row.control, true);
        CHECK(row.act(session).any());
    }
}

TEST_CASE("the triangles and the built-in picture stay with the pattern choice off")
{
    GameSession session = loadedSession();
    session.setSwitch(Switch::PatternChoice, false);
    CHECK(session.makePattern(Pattern::Triangles).newBoard);
    CHECK(session.showOriginalPicture().newBoard);
}

TEST_CASE("a press floors the point, paints the side's colour and says where")
{
    const struct
    {
        Side side;
        double x;
        double y;
        Rect painted; // empty: nothing painted
    } rows[] = {
        {Side::Left, 10.9, 10.2, {0, 0, 80, 80}},
        {Side::Right, 79.99, 0.0, {0, 0, 80, 80}},
        {Side::Left, 80.0, 5.0, {}},   // on the line
        {Side::Left, -0.5, 5.0, {}},   // beside the board
        {Side::Right, 5.0, 480.0, {}}, // below it
        {Side::Left, 639.5, 479.5, {561, 401, 79, 79}},
    };
    for (const auto &row : rows) {
        CAPTURE(row.x);
        CAPTURE(row.y);
        GameSession session = loadedSession();
        session.makePattern(Pattern::LargeGrid);
        const SessionChanges changes = session.press(row.side, row.x, row.y);
        CHECK(changes.board == row.painted);
        if (!row.painted.isEmpty()) {
            CHECK(session.board().image().pixel(row.painted.x + 1, row.painted.y + 1) ==
                  session.sideColor(row.side));
        }
    }
}

TEST_CASE("the check counts by the current colours and shows the squares only when asked")
{
    for (const bool squares : {false, true}) {
        CAPTURE(squares);
        GameSession session = loadedSession();
        session.setSwitch(Switch::ShowSquares, squares);
        session.makePattern(Pattern::LargeGrid);
        session.stepColor(Side::Left); // 9 steps to 10 before any painting
        session.press(Side::Left, 5, 5);
        session.press(Side::Right, 85, 5);

        const SessionChanges changes = session.check();
        CHECK(changes.strip);
        CHECK(changes.squares == squares);
        REQUIRE(session.squares().has_value() == squares);
        const Raster &strip = session.strip().image();
        CHECK(strip.pixel(0, 5) == Palette::color(10));
        CHECK(strip.pixel(639, 5) == Palette::color(12));
        if (squares) {
            CHECK(session.squares()->result.left.halves == 8); // one 80-pixel square: 4 units
            CHECK(session.squares()->result.right.halves == 8);
            CHECK(session.squares()->leftColor == Palette::color(10));
        }
    }
}

TEST_CASE("the squares go with the next change of the board, and only then")
{
    const struct
    {
        std::string_view name;
        SessionChanges (*act)(GameSession &);
        bool hides;
    } rows[] = {
        {"press", [](GameSession &s) { return s.press(Side::Left, 5, 5); }, true},
        {"press on a line", [](GameSession &s) { return s.press(Side::Left, 80, 5); }, true},
        {"pattern", [](GameSession &s) { return s.makePattern(Pattern::FineGrid); }, true},
        {"built-in picture", [](GameSession &s) { return s.showOriginalPicture(); }, true},
        {"picture", [](GameSession &s) { return s.placePicture(Raster(4, 4, Palette::White)); },
         true},
        {"swatch", [](GameSession &s) { return s.stepColor(Side::Left); }, false},
        {"switch off", [](GameSession &s) { return s.setSwitch(Switch::ShowSquares, false); },
         false},
    };
    for (const auto &row : rows) {
        CAPTURE(row.name);
        GameSession session = loadedSession();
        session.setSwitch(Switch::ShowSquares, true);
        session.makePattern(Pattern::LargeGrid);
        session.check();
        REQUIRE(session.squares());
        CHECK(row.act(session).squares == row.hides);
        CHECK(session.squares().has_value() == !row.hides);
    }
}

TEST_CASE("a picture replaces the board from the top left and keeps the graph")
{
    GameSession session = loadedSession();
    session.makePattern(Pattern::LargeGrid);
    session.press(Side::Left, 5, 5);
    session.check();
    const Raster graph = session.strip().image();

    Raster picture(700, 2, Palette::color(2));
    picture.setPixel(0, 0, 0x00123456); // its alpha is not the board's business
    const SessionChanges changes = session.placePicture(picture);
    CHECK(changes.board == session.board().image().rect());
    CHECK_FALSE(changes.newBoard);
    CHECK(session.strip().image() == graph);
    CHECK(session.board().image().pixel(0, 0) == 0xff123456);
    CHECK(session.board().image().pixel(639, 1) == Palette::color(2));
    CHECK(session.board().image().pixel(5, 2) == Palette::White);
}

TEST_CASE("the print bar grows over the emptied strip and stops at its end")
{
    GameSession session = loadedSession();
    session.check();
    CHECK(session.clearStrip().strip);
    CHECK(session.strip().image() == Raster(640, 11, Palette::LightGrey));
    CHECK(session.growPrintBar(636).strip);
    CHECK(session.strip().image().pixel(638, 10) == Palette::color(8));
    CHECK(session.strip().image().pixel(635, 0) == Palette::LightGrey);
    CHECK_FALSE(session.growPrintBar(640).any());
}

TEST_CASE("the teacher's default colours step as the swatches do, apart from the sides' colours")
{
    GameSession session = loadedSession();
    CHECK(session.stepDefaultColor(Side::Right).defaultColors);
    CHECK(session.stepDefaultColor(Side::Left).defaultColors);
    CHECK(session.settings().PaintColor[1] == 10);
    CHECK(session.settings().PaintColor[2] == 13);
    CHECK(session.sideColor(Side::Left) == Palette::color(9));
    CHECK(session.recordToSave().PaintColor == session.settings().PaintColor);
}
