#pragma once

// The teacher's switches, in the order of the teacher dialog's boxes Check1 to Check8.
enum class Switch {
    Search = 1,    // Check1 "調べる機能を使う": the measurement button
    PatternChoice, // Check2 "模様が選べる": five of the pattern buttons
    ColorChange,   // Check3 "色が変えられる": the swatches
    FileOpen,      // Check4 "ファイルを開くを使用": the picture-file button
    ColourPrint,   // Check5 "印刷をカラーにする"
    FullScreen,    // Check6 "画面をすべて占有する"
    ThickLines,    // Check7 "線を太くする"
    ShowSquares,   // Check8 "ますの数を表示する": read by the check button
};
constexpr int SwitchCount = 8;
