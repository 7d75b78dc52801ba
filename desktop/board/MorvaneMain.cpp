#include "desktop/board/MorvaneMain.h"

#include "core/settings/PrinterOptions.h"

#include "core/board/Palette.h"
#include "desktop/board/widgets/ColorSwatch.h"
#include "desktop/board/widgets/HotSpot.h"
#include "desktop/board/widgets/SurfaceView.h"
#include "desktop/help/HelpDialog.h"
#include "desktop/settings/SettingsStore.h"
#include "desktop/teacher/Teacher.h"
#include "desktop/widgets/DisplayText.h"
#include "desktop/widgets/EnterKeyClicks.h"
#include "desktop/widgets/FingerClicks.h"
#include "desktop/widgets/Layout.h"
#include "desktop/widgets/MinimiseGuard.h"
#include "desktop/widgets/QuitPrompt.h"
#include "desktop/widgets/RasterImage.h"
#include "desktop/widgets/WindowCentring.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

MorvaneMain::MorvaneMain(const GameSettings &start, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_ui(buildMorvaneMainControls(*this, m_session.board(), m_session.strip()))
{
    setObjectName(QStringLiteral("MorvaneMain"));
    setFont(Layout::gameFont(Layout::GothicFace, 9.75, false));
    setWindowTitle(QStringLiteral("4年生算数科  もるばねゲーム  - Morvane project"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));
    setFixedSize(ClientSize);
    new MinimiseGuard(*this);
    new EnterKeyClicks(*this);
    // Fingers and pens: the board follows its own, any finger clicks the other controls.
    m_ui.picClient->acceptFingersAndPens();
    new FingerClicks(*this);
    connectControls();
    Form_Load(start);
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

void MorvaneMain::Form_Load(const GameSettings &start)
{
    LoadSettings(start);
    showChanges(m_session.clearStrip());
    centreOnScreen(*this);
    m_ui.TitleLabel->setText(DisplayText::lines(QStringLiteral("もるばね") + QChar(u'\r') +
                                                QStringLiteral("   ゲーム")));
}

void MorvaneMain::Form_Activate()
{
    setSwatchPointers(m_session.canChangeColor());
}

void MorvaneMain::refreshBoard()
{
    m_ui.picClient->refresh();
}

void MorvaneMain::refreshStrip()
{
    m_ui.PicMenseki->refresh();
}

QImage MorvaneMain::boardImage() const
{
    return imageOf(m_session.board().image()).copy();
}

QImage MorvaneMain::stripImage() const
{
    return imageOf(m_session.strip().image()).copy();
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

// Reads the stored settings into the session and shows them on this window and on the teacher
// dialog, which is made here, hidden.
void MorvaneMain::LoadSettings(GameSettings settings)
{
    SettingsStore::read(settings);
    // The paper and orientation start as the default printer's.
    settings.PaperSize = static_cast<std::int16_t>(m_printer.PaperSize());
    settings.Orientation = static_cast<std::int16_t>(m_printer.Orientation());
    const SessionChanges loaded = m_session.load(settings);
    m_teacher = new Teacher(m_session, m_printer, *this, this);
    connect(m_teacher, &Teacher::returned, this, &MorvaneMain::showAfterDialog);
    showChanges(loaded);
    setSwatchPointers(m_session.canChangeColor());
    // Selecting an option runs its reaction, which keeps the code at one the game knows.
    m_teacher->selectPaperOption(PrinterOptions::paperOption(settings.PaperSize));
    m_teacher->selectOrientationOption(PrinterOptions::orientationOption(settings.Orientation));
}

void MorvaneMain::showChanges(const SessionChanges &changes)
{
    if (changes.squares && !m_session.squares())
        m_ui.picClient->hideSquares();
    if (changes.newBoard)
        m_ui.picClient->cancelFingers();
    if (changes.board == m_session.board().image().rect())
        refreshBoard();
    else if (!changes.board.isEmpty())
        m_ui.picClient->refresh(qRectOf(changes.board));
    if (changes.strip)
        refreshStrip();
    if (changes.swatches)
        showSwatches();
    if (changes.controls)
        showEnabledControls();
    if (changes.screenMode)
        setMaximized(m_session.settings().ScreenModeFlag);
    if (changes.squares && m_session.squares()) {
        const SquaresShown &shown = *m_session.squares();
        m_ui.picClient->showSquares(shown.result, shown.leftColor, shown.rightColor);
    }
}

// ColCheck, the five pattern buttons Makerandom, MakeNaname, MakeGrid, MakeGridSmall and
// Makesennuki, and cmdFileOpen; MakeTriangle and OriginalImage are always usable.
void MorvaneMain::showEnabledControls()
{
    m_ui.ColCheck->setEnabled(m_session.canCheck());
    for (QPushButton *pattern :
         {m_ui.Makerandom, m_ui.MakeNaname, m_ui.MakeGrid, m_ui.MakeGridSmall, m_ui.Makesennuki})
        pattern->setEnabled(m_session.canChoosePattern());
    m_ui.cmdFileOpen->setEnabled(m_session.canOpenFile());
}

void MorvaneMain::showSwatches()
{
    for (const Side side : {Side::Left, Side::Right})
        m_ui.PicIndicate[static_cast<size_t>(side)]->setBackColor(m_session.sideColor(side));
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
