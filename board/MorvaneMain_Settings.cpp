#include "board/MorvaneMain.h"

#include "app/SettingsStore.h"
#include "board/ColorSwatch.h"
#include "board/Palette.h"

#include <QPushButton>
#include <QToolButton>

void MorvaneMain::LoadSettings()
{
    SettingsStore::read(m_settings);

    m_ui.ColCheck->setEnabled(m_settings.CanSearchButton);

    for (QPushButton *pattern :
         {m_ui.Makerandom, m_ui.MakeNaname, m_ui.MakeGrid, m_ui.MakeGridSmall, m_ui.Makesennuki})
        pattern->setEnabled(m_settings.CanSelectButton);

    setSwatchPointers(m_settings.CanColorChange);

    m_ui.cmdFileOpen->setEnabled(m_settings.CanOpenFile);

    setMaximized(m_settings.ScreenModeFlag);

    for (size_t side : {1u, 2u}) {
        m_ui.PicIndicate[side]->setBackColor(Palette::color(m_settings.PaintColor[side]));
        m_settings.CurrentColor[side] = m_settings.PaintColor[side];
    }

    m_settings.PaperSize = static_cast<qint16>(m_printer.PaperSize());
    m_settings.Orientation = static_cast<qint16>(m_printer.Orientation());

    loadTeacherDialogSettings();
}
