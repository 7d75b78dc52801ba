#include "board/MorvaneMain.h"

#include "app/core/DisplayText.h"
#include "app/settings/PrinterOptions.h"
#include "app/settings/SettingsStore.h"
#include "app/widgets/EnterKeyClicks.h"
#include "app/widgets/FingerClicks.h"
#include "app/widgets/Layout.h"
#include "app/widgets/MinimiseGuard.h"
#include "app/widgets/QuitPrompt.h"
#include "app/widgets/WindowCentring.h"
#include "board/raster/Palette.h"
#include "board/widgets/ColorSwatch.h"
#include "board/widgets/HotSpot.h"
#include "board/widgets/SurfaceView.h"
#include "help/HelpDialog.h"
#include "patterns/OriginalPicture.h"
#include "teacher/Teacher.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr int BoardWidth = 640;
constexpr int BoardHeight = 480;
constexpr int StripHeight = 11;

} // namespace

MorvaneMain::MorvaneMain(GameSettings &settings, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_settings(settings)
    , m_board(BoardWidth, BoardHeight, Palette::White)
    , m_strip(BoardWidth, StripHeight, Palette::LightGrey)
    , m_PicOrignal(BoardWidth, BoardHeight, Palette::White)
    , m_ui(buildMorvaneMainControls(*this, m_board, m_strip))
{
    setObjectName(QStringLiteral("MorvaneMain"));
    setFont(Layout::gameFont(Layout::GothicFace, 9.75, false));
    setWindowTitle(QStringLiteral("4年生算数科  もるばねゲーム  - Morvane project"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));
    setFixedSize(ClientSize);
    new MinimiseGuard(*this);
    new EnterKeyClicks(*this);
    m_PicOrignal.setPicture(originalPicture());
    // Fingers and pens: the board follows its own, any finger clicks the other controls.
    m_ui.picClient->acceptFingersAndPens();
    new FingerClicks(*this);
    connectControls();
    Form_Load();
}

void MorvaneMain::connectControls()
{
    connect(m_ui.picClient, &SurfaceView::pressed, this, &MorvaneMain::picClient_MouseDown);
    for (int index : {1, 2}) {
        ColorSwatch *swatch = m_ui.PicIndicate[static_cast<size_t>(index)];
        connect(swatch, &ColorSwatch::pressed, this,
                [this, index] { PicIndicate_MouseDown(index); });
        connect(swatch, &ColorSwatch::doubleClicked, this,
                [this, index] { PicIndicate_DblClick(index); });
    }
    connect(m_ui.ColCheck, &QToolButton::clicked, this, &MorvaneMain::ColCheck_Click);
    connect(m_ui.cmdEnd, &QToolButton::clicked, this, &MorvaneMain::cmdEnd_Click);
    connect(m_ui.cmdHelp, &QPushButton::clicked, this, &MorvaneMain::cmdHelp_Click);

    connect(m_ui.Makerandom, &QPushButton::clicked, this, &MorvaneMain::MakeRandom_Click);
    connect(m_ui.MakeGrid, &QPushButton::clicked, this, &MorvaneMain::MakeGrid_Click);
    connect(m_ui.MakeGridSmall, &QPushButton::clicked, this, &MorvaneMain::MakeGridSmall_Click);
    connect(m_ui.MakeNaname, &QPushButton::clicked, this, &MorvaneMain::MakeNaname_Click);
    connect(m_ui.Makesennuki, &QPushButton::clicked, this, &MorvaneMain::Makesennuki_Click);
    connect(m_ui.MakeTriangle, &QPushButton::clicked, this, &MorvaneMain::MakeTriangle_Click);

    connect(m_ui.OriginalImage, &QPushButton::clicked, this, &MorvaneMain::OriginalImage_Click);
    connect(m_ui.cmdFileOpen, &QPushButton::clicked, this, &MorvaneMain::cmdFileOpen_Click);
    connect(m_ui.Image1, &HotSpot::doubleClicked, this, &MorvaneMain::Image1_DblClick);

    connect(m_ui.cmdRedraw, &QPushButton::clicked, this, &MorvaneMain::cmdRedraw_Click);
}

void MorvaneMain::Form_Load()
{
    // The board is in pixel units with its origin at the inner top-left corner, as Surface is.
    m_board.setFillStyle(Surface::FillStyle::Solid);
    LoadSettings();
    m_strip.clearPicture();
    refreshStrip();
    centreOnScreen(*this);
    m_ui.TitleLabel->setText(DisplayText::lines(QStringLiteral("もるばね") + QChar(u'\r') +
                                                QStringLiteral("   ゲーム")));
}

void MorvaneMain::Form_Activate()
{
    setSwatchPointers(colorChangeAllowed());
}

void MorvaneMain::refreshBoard()
{
    m_ui.picClient->refresh();
}

void MorvaneMain::refreshStrip()
{
    m_ui.PicMenseki->refresh();
}

bool MorvaneMain::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    // Under a modal dialog the board does not see its fingers lift: none of them may paint later.
    if (event->type() == QEvent::WindowBlocked)
        m_ui.picClient->cancelFingers();
    return QWidget::event(event);
}

void MorvaneMain::changeEvent(QEvent *event)
{
    // The window manager may maximise, restore or fill the screen with its own buttons and keys;
    // the teacher's screen setting decides the window's size all the same. Answered once the
    // change has been handled to its end. A minimised window is brought back by its guard.
    if (event->type() == QEvent::WindowStateChange && !m_screenModePending && !isMinimized()) {
        m_screenModePending = true;
        QTimer::singleShot(0, this, [this] {
            m_screenModePending = false;
            if (!isMinimized())
                followScreenMode();
        });
    }
    QWidget::changeEvent(event);
}

void MorvaneMain::applySizeLimits()
{
    // A window of fixed size cannot be maximized by most window managers: the limits are lifted
    // while the screen setting asks for it. The controls keep their places either way.
    if (m_screenMode) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        setFixedSize(ClientSize);
    }
}

void MorvaneMain::followScreenMode()
{
    const Qt::WindowStates sizeStates = Qt::WindowMaximized | Qt::WindowFullScreen;
    const Qt::WindowStates wanted = m_screenMode ? Qt::WindowMaximized : Qt::WindowNoState;
    if ((windowState() & sizeStates) != wanted)
        setWindowState((windowState() & ~sizeStates) | wanted);
}

void MorvaneMain::setMaximized(bool maximized)
{
    m_screenMode = maximized;
    // Limits lifted before the window grows, and set again once it is back to its own size.
    if (maximized)
        applySizeLimits();
    followScreenMode();
    if (!maximized)
        applySizeLimits();
}

// Reads the stored settings and applies them to this window and to the teacher dialog, which is
// made here, hidden. Ticking its boxes and selecting its options runs their reactions, which keep
// LineWidth at 1 or 2 and PaperSize and Orientation at codes the game knows.
void MorvaneMain::LoadSettings()
{
    SettingsStore::read(m_settings);

    m_ui.ColCheck->setEnabled(m_settings.CanSearchButton);
    m_teacher = new Teacher(m_settings, m_printer, *this, this);
    connect(m_teacher, &Teacher::returned, this, &MorvaneMain::showAfterDialog);
    m_teacher->setCheck(Switch::Search, m_settings.CanSearchButton);

    setPatternChoiceEnabled(m_settings.CanSelectButton);
    m_teacher->setCheck(Switch::PatternChoice, m_settings.CanSelectButton);

    m_teacher->setCheck(Switch::ColorChange, m_settings.CanColorChange);
    setSwatchPointers(m_settings.CanColorChange);

    m_ui.cmdFileOpen->setEnabled(m_settings.CanOpenFile);
    m_teacher->setCheck(Switch::FileOpen, m_settings.CanOpenFile);

    m_teacher->setCheck(Switch::ColourPrint, m_settings.PrintModeFlag);

    setMaximized(m_settings.ScreenModeFlag);
    m_teacher->setCheck(Switch::FullScreen, m_settings.ScreenModeFlag);

    m_teacher->setCheck(Switch::ThickLines, m_settings.LineWidth != 1);
    m_teacher->setCheck(Switch::ShowSquares, m_settings.ShowSquares);

    for (size_t side : {1U, 2U}) {
        m_ui.PicIndicate[side]->setBackColor(Palette::color(m_settings.PaintColor[side]));
        m_settings.CurrentColor[side] = m_settings.PaintColor[side];
    }

    m_settings.PaperSize = static_cast<qint16>(m_printer.PaperSize());
    m_settings.Orientation = static_cast<qint16>(m_printer.Orientation());
    m_teacher->selectPaperOption(PrinterOptions::paperOption(m_settings.PaperSize));
    m_teacher->selectOrientationOption(PrinterOptions::orientationOption(m_settings.Orientation));
}

void MorvaneMain::switchChanged(Switch which, bool on)
{
    switch (which) {
    case Switch::Search:
        m_ui.ColCheck->setEnabled(on);
        break;
    case Switch::PatternChoice:
        setPatternChoiceEnabled(on);
        break;
    case Switch::FileOpen:
        m_ui.cmdFileOpen->setEnabled(on);
        break;
    case Switch::FullScreen:
        setMaximized(on);
        break;
    default: // the others act on the settings record or are read when needed
        break;
    }
}

// Makerandom, MakeNaname, MakeGrid, MakeGridSmall and Makesennuki, in that order; MakeTriangle
// and OriginalImage are always usable.
void MorvaneMain::setPatternChoiceEnabled(bool enabled)
{
    for (QPushButton *pattern :
         {m_ui.Makerandom, m_ui.MakeNaname, m_ui.MakeGrid, m_ui.MakeGridSmall, m_ui.Makesennuki})
        pattern->setEnabled(enabled);
}

void MorvaneMain::cmdHelp_Click()
{
    if (m_help == nullptr) {
        m_help = new HelpDialog(this);
        connect(m_help, &HelpDialog::returned, this, &MorvaneMain::showAfterDialog);
        connect(m_help, &HelpDialog::teacherRequested, this, &MorvaneMain::showTeacherDialog);
    }
    hide();
    centreOnScreen(*m_help);
    m_help->exec();
}

// The hidden way into the teacher settings: a double-click left of the help button.
void MorvaneMain::Image1_DblClick()
{
    hide();
    showTeacherDialog();
}

// Modal until its return button (or Esc, or the frame's close) hides it and shows this window.
void MorvaneMain::showTeacherDialog()
{
    centreOnScreen(*m_teacher);
    m_teacher->exec();
}

// Back from a dialog: shown, and made the active window again (which runs Form_Activate), also
// where no window manager hands the focus over to a window that appears.
void MorvaneMain::showAfterDialog()
{
    show();
    activateWindow();
}

// Yes ends the game at once: the event loop stops and nothing is saved.
void MorvaneMain::cmdEnd_Click()
{
    if (QuitPrompt::confirm(this))
        QCoreApplication::exit(0);
}

// The window has no close button, but a window manager can still ask it to close (Alt+F4): that
// asks the quit question too, and the window stays unless the answer is Yes.
void MorvaneMain::closeEvent(QCloseEvent *event)
{
    event->ignore();
    cmdEnd_Click();
}
