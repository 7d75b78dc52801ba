#include "board/MorvaneMain.h"

void MorvaneMain::cmdRedraw_Click() {}
