#pragma once

#include "core/board/Geometry.h"
#include "core/board/Raster.h"
#include "core/board/SquareCount.h"
#include "core/board/Surface.h"
#include "core/patterns/RandomSequence.h"
#include "core/session/Switch.h"
#include "core/settings/GameSettings.h"

#include <cstdint>
#include <optional>

// Which side acts: the left mouse button's (a finger's tap, a pen's tip) or the other's.
enum class Side { Left = 1, Right = 2 };

// The six pattern buttons.
enum class Pattern { RandomLines, LargeGrid, FineGrid, DiagonalLines, LineRemoval, Triangles };

// What a call on the session changed, for a front-end to show.
struct SessionChanges
{
    Rect board;            // board pixels to show again; empty when the board is unchanged
    bool newBoard = false; // the board was replaced: a finger on it paints nothing more
    bool strip = false;    // the graph strip
    bool swatches = false; // a side's current colour
    bool defaultColors = false;
    bool controls = false;   // which controls the children may use
    bool squares = false;    // the squares were shown or hidden
    bool screenMode = false; // whether the game fills the screen

    SessionChanges &operator|=(const SessionChanges &other);
    bool any() const;
};

// The unit squares and the sides' counts that the check shows over the board, until the board
// changes or the next check.
struct SquaresShown
{
    SquareCount::Result result;
    Rgb leftColor;
    Rgb rightColor;
};

// One game: the board, the graph strip, the two sides' colours, the teacher's switches and the
// settings record, and the squares shown. Each thing a child or a teacher does is one call, which
// says what changed. It draws no window: a front-end shows the session and turns input into calls.
// A call on a control that is not enabled does nothing, as a disabled button does.
class GameSession
{
public:
    static constexpr int BoardWidth = 640;
    static constexpr int BoardHeight = 480;
    static constexpr int StripHeight = 11;

    explicit GameSession(RandomSequence::SeedClock clock = systemClockSeed);

    // Starts from a record read from the store: the switches as it sets them, lines 1 or 2 pixels
    // wide, and both sides painting with the teacher's default colours. The board keeps what it
    // shows.
    SessionChanges load(const GameSettings &settings);

    const Surface &board() const { return m_board; }
    const Surface &strip() const { return m_strip; }
    const GameSettings &settings() const { return m_settings; }
    RandomSequence &randomSequence() { return m_random; }

    // The colour a side paints with now, and the teacher's default colour for it.
    Rgb sideColor(Side side) const;
    Rgb defaultColor(Side side) const;
    const std::optional<SquaresShown> &squares() const { return m_squares; }

    bool isOn(Switch which) const;
    bool canCheck() const { return m_settings.CanSearchButton; }
    // The five patterns other than the triangles; the triangles and the built-in picture are
    // always there.
    bool canChoosePattern() const { return m_settings.CanSelectButton; }
    bool canOpenFile() const { return m_settings.CanOpenFile; }
    bool canChangeColor() const { return m_settings.CanColorChange; }
    bool isPatternEnabled(Pattern pattern) const;

    // A press on the board at (x, y) in board pixels, which may be fractional: the pixel whose
    // square holds the point is flood-filled with the side's colour up to the black lines.
    SessionChanges press(Side side, double x, double y);
    // A press on a side's swatch: its colour steps on, when the teacher allows it.
    SessionChanges stepColor(Side side);
    SessionChanges makePattern(Pattern pattern);
    SessionChanges showOriginalPicture();
    // A decoded picture, its pixels taken as opaque, replaces the board at its own size from the
    // top left; the graph strip keeps its graph. Nothing changes for a picture beyond the limits.
    SessionChanges placePicture(const Raster &picture);
    // Samples the board and draws who took how much in the graph strip; with the squares switch
    // on, also counts the unit squares to show over the board.
    SessionChanges check();

    // The teacher dialog.
    SessionChanges setSwitch(Switch which, bool on);
    SessionChanges stepDefaultColor(Side side);
    void setRate(int direction, float rate);
    void setPaperSize(std::int16_t code) { m_settings.PaperSize = code; }
    void setOrientation(std::int16_t code) { m_settings.Orientation = code; }
    void setZoom(std::int16_t percent) { m_settings.Zoom = percent; }
    void setZoomInEffect(std::int16_t percent) { m_settings.ZoomInEffect = percent; }
    // The colour copy's progress along the graph strip, which is emptied before and after: a grey
    // bar three columns wide after `column`, grown column by column while the page is plotted.
    SessionChanges clearStrip();
    SessionChanges growPrintBar(int column);

    // The record as the save button writes it.
    const GameSettings &recordToSave() const { return m_settings; }

private:
    SessionChanges newBoard();
    SessionChanges hideSquares();

    GameSettings m_settings;
    Surface m_board;
    Surface m_strip;
    RandomSequence m_random;
    Raster m_originalPicture;
    std::optional<SquaresShown> m_squares;
};
