#include "core/session/GameSession.h"

#include "core/board/ColorStep.h"
#include "core/board/Measurement.h"
#include "core/board/Palette.h"
#include "core/patterns/DiagonalLines.h"
#include "core/patterns/Grids.h"
#include "core/patterns/LineRemoval.h"
#include "core/patterns/OriginalPicture.h"
#include "core/patterns/RandomLines.h"
#include "core/patterns/Triangles.h"
#include "core/pictures/PictureLimits.h"

#include <cmath>
#include <utility>

SessionChanges &SessionChanges::operator|=(const SessionChanges &other)
{
    board = board.united(other.board);
    newBoard |= other.newBoard;
    strip |= other.strip;
    swatches |= other.swatches;
    defaultColors |= other.defaultColors;
    controls |= other.controls;
    squares |= other.squares;
    screenMode |= other.screenMode;
    return *this;
}

bool SessionChanges::any() const
{
    return !board.isEmpty() || newBoard || strip || swatches || defaultColors || controls ||
           squares || screenMode;
}

namespace {

std::size_t indexOf(Side side)
{
    return static_cast<std::size_t>(side);
}

} // namespace

GameSession::GameSession(RandomSequence::SeedClock clock)
    : m_board(BoardWidth, BoardHeight, Palette::White)
    , m_strip(BoardWidth, StripHeight, Palette::LightGrey)
    , m_random(std::move(clock))
    , m_originalPicture(originalPicture())
{
    // The board is painted with a solid brush; the strip is only drawn on.
    m_board.setFillStyle(Surface::FillStyle::Solid);
}

SessionChanges GameSession::load(const GameSettings &settings)
{
    m_settings = settings;
    // The thick-lines switch is on for any stored width but 1, and then draws 2 pixels wide.
    m_settings.LineWidth = m_settings.LineWidth != 1 ? 2 : 1;
    for (const Side side : {Side::Left, Side::Right})
        m_settings.CurrentColor[indexOf(side)] = m_settings.PaintColor[indexOf(side)];
    SessionChanges changes;
    changes.swatches = changes.defaultColors = changes.controls = changes.screenMode = true;
    return changes;
}

Rgb GameSession::sideColor(Side side) const
{
    return Palette::color(m_settings.CurrentColor[indexOf(side)]);
}

Rgb GameSession::defaultColor(Side side) const
{
    return Palette::color(m_settings.PaintColor[indexOf(side)]);
}

bool GameSession::isOn(Switch which) const
{
    switch (which) {
    case Switch::Search:
        return m_settings.CanSearchButton;
    case Switch::PatternChoice:
        return m_settings.CanSelectButton;
    case Switch::ColorChange:
        return m_settings.CanColorChange;
    case Switch::FileOpen:
        return m_settings.CanOpenFile;
    case Switch::ColourPrint:
        return m_settings.PrintModeFlag;
    case Switch::FullScreen:
        return m_settings.ScreenModeFlag;
    case Switch::ThickLines:
        return m_settings.LineWidth != 1;
    case Switch::ShowSquares:
        return m_settings.ShowSquares;
    }
    return false;
}

bool GameSession::isPatternEnabled(Pattern pattern) const
{
    return pattern == Pattern::Triangles || canChoosePattern();
}

SessionChanges GameSession::hideSquares()
{
    SessionChanges changes;
    changes.squares = m_squares.has_value();
    m_squares.reset();
    return changes;
}

// The pixel under the point is the one whose square holds it: flooring, not rounding, is right
// for fractional positions too (HiDPI screens, tablets).
SessionChanges GameSession::press(Side side, double x, double y)
{
    SessionChanges changes = hideSquares();
    if (!std::isfinite(x) || !std::isfinite(y))
        return changes;
    m_board.setFillColor(sideColor(side));
    const double column = std::floor(x);
    const double row = std::floor(y);
    if (column < 0 || row < 0 || column >= m_board.width() || row >= m_board.height())
        return changes;
    changes.board = m_board.floodFill(static_cast<int>(column), static_cast<int>(row)).bounds;
    return changes;
}

SessionChanges GameSession::stepColor(Side side)
{
    if (!canChangeColor())
        return {};
    auto &colors = m_settings.CurrentColor;
    colors[indexOf(side)] = colorStep(colors[indexOf(side)], colors[3 - indexOf(side)]);
    SessionChanges changes;
    changes.swatches = true;
    return changes;
}

// A pattern or the built-in picture replaced the board and emptied the graph strip.
SessionChanges GameSession::newBoard()
{
    SessionChanges changes = hideSquares();
    changes.board = m_board.image().rect();
    changes.newBoard = true;
    changes.strip = true;
    return changes;
}

SessionChanges GameSession::makePattern(Pattern pattern)
{
    if (!isPatternEnabled(pattern))
        return {};
    switch (pattern) {
    case Pattern::RandomLines:
        makeRandomLines(m_board, m_strip, m_settings, m_random);
        break;
    case Pattern::LargeGrid:
        makeLargeGrid(m_board, m_strip, m_settings);
        break;
    case Pattern::FineGrid:
        makeFineGrid(m_board, m_strip, m_settings);
        break;
    case Pattern::DiagonalLines:
        makeDiagonalLines(m_board, m_strip, m_settings);
        break;
    case Pattern::LineRemoval:
        makeLineRemoval(m_board, m_strip, m_settings, m_random);
        break;
    case Pattern::Triangles:
        makeTriangles(m_board, m_strip, m_settings);
        break;
    }
    return newBoard();
}

SessionChanges GameSession::showOriginalPicture()
{
    placeOriginalPicture(m_board, m_strip, m_originalPicture);
    return newBoard();
}

SessionChanges GameSession::placePicture(const Raster &picture)
{
    if (!canOpenFile() || !Pictures::fitsPixelLimit(picture.width(), picture.height()))
        return {};
    m_board.setPicture(picture);
    SessionChanges changes = hideSquares();
    changes.board = m_board.image().rect();
    return changes;
}

// The sides are told apart by their current colours, and the bars drawn in them.
SessionChanges GameSession::check()
{
    if (!canCheck())
        return {};
    const Rgb left = sideColor(Side::Left);
    const Rgb right = sideColor(Side::Right);
    drawTerritoryGraph(m_strip, sampleTerritory(m_board.image(), left, right), left, right);
    SessionChanges changes;
    changes.strip = true;
    if (m_settings.ShowSquares) {
        m_squares = SquaresShown{SquareCount::count(m_board.image(), left, right), left, right};
        changes.squares = true;
    } else {
        changes |= hideSquares();
    }
    return changes;
}

SessionChanges GameSession::setSwitch(Switch which, bool on)
{
    SessionChanges changes;
    switch (which) {
    case Switch::Search:
        m_settings.CanSearchButton = on;
        changes.controls = true;
        break;
    case Switch::PatternChoice:
        m_settings.CanSelectButton = on;
        changes.controls = true;
        break;
    case Switch::ColorChange:
        m_settings.CanColorChange = on;
        changes.controls = true;
        break;
    case Switch::FileOpen:
        m_settings.CanOpenFile = on;
        changes.controls = true;
        break;
    case Switch::ColourPrint:
        m_settings.PrintModeFlag = on;
        break;
    case Switch::FullScreen:
        m_settings.ScreenModeFlag = on;
        changes.screenMode = true;
        break;
    case Switch::ThickLines:
        m_settings.LineWidth = on ? 2 : 1;
        break;
    case Switch::ShowSquares:
        // Read by the next check; squares shown now stay until the board changes.
        m_settings.ShowSquares = on;
        break;
    }
    return changes;
}

SessionChanges GameSession::stepDefaultColor(Side side)
{
    auto &colors = m_settings.PaintColor;
    colors[indexOf(side)] = colorStep(colors[indexOf(side)], colors[3 - indexOf(side)]);
    SessionChanges changes;
    changes.defaultColors = true;
    return changes;
}

void GameSession::setRate(int direction, float rate)
{
    m_settings.Rate.at(static_cast<std::size_t>(direction)) = rate;
}

SessionChanges GameSession::clearStrip()
{
    m_strip.clearPicture();
    SessionChanges changes;
    changes.strip = true;
    return changes;
}

SessionChanges GameSession::growPrintBar(int column)
{
    constexpr int ProgressGrey = 8;
    if (column >= m_strip.width())
        return {};
    m_strip.filledBox(column, 0, column + 2, m_strip.height() - 1, Palette::color(ProgressGrey));
    SessionChanges changes;
    changes.strip = true;
    return changes;
}
