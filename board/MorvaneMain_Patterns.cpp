#include "board/MorvaneMain.h"

#include "patterns/DiagonalLines.h"
#include "patterns/Grids.h"
#include "patterns/LineRemoval.h"
#include "patterns/RandomLines.h"
#include "patterns/Triangles.h"

// Each pattern button empties the board and the graph strip and draws its lines anew.

void MorvaneMain::MakeRandom_Click()
{
    MakeRandom(m_board, m_strip, m_settings, m_random);
    refreshBoard();
    refreshStrip();
}

void MorvaneMain::MakeGrid_Click()
{
    MakeGrid(m_board, m_strip, m_settings);
    refreshBoard();
    refreshStrip();
}

void MorvaneMain::MakeGridSmall_Click()
{
    MakeGridSmall(m_board, m_strip, m_settings);
    refreshBoard();
    refreshStrip();
}

void MorvaneMain::MakeNaname_Click()
{
    MakeNaname(m_board, m_strip, m_settings);
    refreshBoard();
    refreshStrip();
}

void MorvaneMain::Makesennuki_Click()
{
    Makesennuki(m_board, m_strip, m_settings, m_random);
    refreshBoard();
    refreshStrip();
}

void MorvaneMain::MakeTriangle_Click()
{
    MakeTriangle(m_board, m_strip, m_settings);
    refreshBoard();
    refreshStrip();
}
