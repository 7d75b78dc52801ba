#include "desktop/board/widgets/ClassicBevel.h"

QPalette classicBevelPalette()
{
    QPalette shades;
    shades.setColor(QPalette::Light, QColor(255, 255, 255));
    shades.setColor(QPalette::Midlight, QColor(192, 192, 192));
    shades.setColor(QPalette::Button, QColor(192, 192, 192));
    shades.setColor(QPalette::Dark, QColor(128, 128, 128));
    shades.setColor(QPalette::Shadow, QColor(0, 0, 0));
    return shades;
}
