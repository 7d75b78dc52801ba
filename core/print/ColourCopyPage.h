#pragma once

#include "core/board/Raster.h"

class Surface;

// The page of the colour copy: 1280 x 960 page units, one raster pixel each, on which the board is
// plotted cell by cell. The cells lie on the grid X = 0, 2, ..., 1280 and Y = 0, 2, ..., 960; each
// is plotted as the 2 x 2 block from (X, Y) to (X + 1, Y + 1) in the colour of board pixel
// (X / 2, Y / 2), so every board pixel becomes one block and the board spreads over the whole page.
// A cell whose pixel lies outside the board is plotted white. The plots of the grid's last column
// and last row fall off the page.
//
// The page is plotted one column of cells at a time, left to right, so that the caller can show
// its progress between columns.
class ColourCopyPage
{
public:
    static constexpr int Width = 1280;
    static constexpr int Height = 960;
    static constexpr int CellStep = 2;
    static constexpr int Columns = Width / CellStep + 1;
    static constexpr int Rows = Height / CellStep + 1;

    // The board must outlive the page and stay unchanged while the page is plotted.
    explicit ColourCopyPage(const Surface &board);

    bool isComplete() const { return m_nextX > Width; }
    // Plots the next column of cells, top to bottom, and returns its X. Precondition:
    // !isComplete().
    int plotColumn();

    // Units not plotted yet are white, as the paper is.
    const Raster &image() const { return m_page; }

private:
    void plot(int x, int y, Rgb color);

    const Surface &m_board;
    Raster m_page;
    int m_nextX = 0;
};
