#include "board/MorvaneMain.h"

#include "app/core/DisplayText.h"
#include "app/widgets/EnterKeyClicks.h"
#include "app/widgets/MinimiseGuard.h"
#include "app/widgets/WindowCentring.h"
#include "board/raster/Palette.h"
#include "board/widgets/ColorSwatch.h"
#include "board/widgets/HotSpot.h"
#include "board/widgets/SurfaceView.h"
#include "patterns/OriginalPicture.h"

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

QFont windowFont()
{
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPointSizeF(9.75);
    return font;
}

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
    setFont(windowFont());
    setWindowTitle(QStringLiteral("4年生算数科  もるばねゲーム  - Morvane project"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));
    setFixedSize(ClientSize);
    new MinimiseGuard(*this);
    new EnterKeyClicks(*this);
    m_PicOrignal.setPicture(originalPicture());
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
