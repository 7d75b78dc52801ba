#pragma once

#include <array>

class ColorSwatch;
class HotSpot;
class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;
class QWidget;
class Surface;
class SurfaceView;

// The controls of the main window, each named (objectName) as its field; members of a control
// array are named with their index after an underscore: "PicIndicate_1", "Label1_0".
struct MorvaneMainControls
{
    SurfaceView *picClient = nullptr;  // the play board
    SurfaceView *PicMenseki = nullptr; // the graph strip under it

    QGroupBox *Frame1 = nullptr;                // "色"
    std::array<ColorSwatch *, 3> PicIndicate{}; // 1 left, 2 right; 0 unused
    std::array<QLabel *, 2> Label1{};           // "左", "右"

    QGroupBox *Frame2 = nullptr; // "種類"
    QPushButton *OriginalImage = nullptr;
    QPushButton *Makerandom = nullptr;
    QPushButton *MakeGrid = nullptr;
    QPushButton *MakeGridSmall = nullptr;
    QPushButton *MakeNaname = nullptr;
    QPushButton *Makesennuki = nullptr;
    QPushButton *MakeTriangle = nullptr;

    QPushButton *cmdRedraw = nullptr;
    QPushButton *cmdFileOpen = nullptr;
    QToolButton *ColCheck = nullptr;
    QToolButton *cmdEnd = nullptr;
    HotSpot *Image1 = nullptr;
    QPushButton *cmdHelp = nullptr;
    QLabel *TitleLabel = nullptr;
    QLabel *PrintLabel = nullptr; // below the normal client area, empty until printing
};

// Creates every control on `window` in its place, with its texts, fonts, icons, pointers and tab
// order. Connects nothing.
MorvaneMainControls buildMorvaneMainControls(QWidget &window, const Surface &board,
                                             const Surface &strip);
