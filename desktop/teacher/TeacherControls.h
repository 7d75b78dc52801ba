#pragma once

#include <array>

class ColorSwatch;
class PressableLabel;
class QCheckBox;
class QComboBox;
class QDialog;
class QFrame;
class QGroupBox;
class QLabel;
class QRadioButton;
class QToolButton;
class ZoomChoice;

// The controls of the teacher dialog, each named (objectName) as its field; members of a control
// array are named with their index after an underscore: "Check1" to "Check8" stand apart as the
// form names them, "IndicateSet_1", "RateCombo_0", "optPaperSize_2", "OptOrientated_1".
struct TeacherControls
{
    std::array<QCheckBox *, 9> Check{}; // Check1 to Check8; 0 unused

    QGroupBox *Frame2 = nullptr;                // "色の初期値"
    std::array<ColorSwatch *, 3> IndicateSet{}; // 1 left, 2 right; 0 unused
    std::array<PressableLabel *, 3> Label1{};   // "左", "右" under the swatches; 0 unused

    QGroupBox *Frame1 = nullptr; // "線を抜く割合"
    std::array<QLabel *, 2> wariai{};
    std::array<QComboBox *, 2> RateCombo{}; // 0 horizontal, 1 vertical

    QGroupBox *Frame4 = nullptr; // "用紙"
    std::array<QRadioButton *, 3> optPaperSize{};
    QGroupBox *Frame3 = nullptr; // "印刷方向"
    std::array<QRadioButton *, 2> OptOrientated{};

    QToolButton *cmdSaveSetting = nullptr;
    QToolButton *cmdPrinterSetting = nullptr;
    QToolButton *cmdRet = nullptr;

    QFrame *Picture1 = nullptr; // holds the two credits labels
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Image1 = nullptr; // the title picture

    ZoomChoice *FrameZoom = nullptr; // "画面の大きさ", under the rest
};

// Creates every control on `dialog` in its place, with its texts, fonts, icons and tab order, no
// box ticked and no option selected. Fills no value and connects nothing.
TeacherControls buildTeacherControls(QDialog &dialog);
