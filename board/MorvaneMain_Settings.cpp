#include "board/MorvaneMain.h"

#include "app/settings/PrinterOptions.h"
#include "app/settings/SettingsStore.h"
#include "board/raster/Palette.h"
#include "board/widgets/ColorSwatch.h"
#include "teacher/Teacher.h"

#include <QPushButton>
#include <QToolButton>

// Reads the stored settings and applies them to this window and to the teacher dialog, which is
// made here, hidden. Ticking its boxes and selecting its options runs their reactions, which keep
// LineWidth at 1 or 2 and PaperSize and Orientation at codes the game knows.
void MorvaneMain::LoadSettings()
{
    SettingsStore::read(m_settings);

    m_ui.ColCheck->setEnabled(m_settings.CanSearchButton);
    m_teacher = new Teacher(m_settings, m_printer, this);
    connect(m_teacher, &Teacher::searchAllowedChanged, m_ui.ColCheck, &QWidget::setEnabled);
    connect(m_teacher, &Teacher::patternChoiceAllowedChanged, this,
            &MorvaneMain::setPatternChoiceEnabled);
    connect(m_teacher, &Teacher::fileOpenAllowedChanged, m_ui.cmdFileOpen, &QWidget::setEnabled);
    connect(m_teacher, &Teacher::screenModeChanged, this, &MorvaneMain::setMaximized);
    connect(m_teacher, &Teacher::returned, this, &MorvaneMain::showAfterDialog);
    m_teacher->setCheck(1, m_settings.CanSearchButton);

    setPatternChoiceEnabled(m_settings.CanSelectButton);
    m_teacher->setCheck(2, m_settings.CanSelectButton);

    m_teacher->setCheck(3, m_settings.CanColorChange);
    setSwatchPointers(m_settings.CanColorChange);

    m_ui.cmdFileOpen->setEnabled(m_settings.CanOpenFile);
    m_teacher->setCheck(4, m_settings.CanOpenFile);

    m_teacher->setCheck(5, m_settings.PrintModeFlag);

    setMaximized(m_settings.ScreenModeFlag);
    m_teacher->setCheck(6, m_settings.ScreenModeFlag);

    m_teacher->setCheck(7, m_settings.LineWidth != 1);

    for (size_t side : {1U, 2U}) {
        m_ui.PicIndicate[side]->setBackColor(Palette::color(m_settings.PaintColor[side]));
        m_settings.CurrentColor[side] = m_settings.PaintColor[side];
    }

    m_settings.PaperSize = static_cast<qint16>(m_printer.PaperSize());
    m_settings.Orientation = static_cast<qint16>(m_printer.Orientation());
    m_teacher->selectPaperOption(PrinterOptions::paperOption(m_settings.PaperSize));
    m_teacher->selectOrientationOption(PrinterOptions::orientationOption(m_settings.Orientation));
}

// Makerandom, MakeNaname, MakeGrid, MakeGridSmall and Makesennuki, in that order; MakeTriangle
// and OriginalImage are always usable.
void MorvaneMain::setPatternChoiceEnabled(bool enabled)
{
    for (QPushButton *pattern :
         {m_ui.Makerandom, m_ui.MakeNaname, m_ui.MakeGrid, m_ui.MakeGridSmall, m_ui.Makesennuki})
        pattern->setEnabled(enabled);
}
