#include "board/MorvaneMain.h"

void MorvaneMain::cmdHelp_Click() {}
