#include "desktop/board/MorvaneMainControls.h"

#include "desktop/board/widgets/ColorSwatch.h"
#include "desktop/board/widgets/HotSpot.h"
#include "desktop/board/widgets/SurfaceView.h"
#include "desktop/board/widgets/WrappingButton.h"
#include "desktop/widgets/Layout.h"

#include <QCursor>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>

namespace {

using Layout::captionedButton;
using Layout::gameFont;
using Layout::GothicFace;
using Layout::MinchoFace;
using Layout::place;

QGroupBox *frame(QWidget *parent, const char *name, const QString &caption, QRect twips)
{
    auto *box = place(new QGroupBox(caption, parent), name, twips);
    box->setFont(gameFont(GothicFace, 12, true));
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

QPushButton *iconButton(QWidget *parent, const char *name, QRect twips, const QString &tooltip,
                        const QString &icon, int iconSide)
{
    auto *button = place(new QPushButton(parent), name, twips);
    button->setToolTip(tooltip);
    button->setIcon(QIcon(icon));
    button->setIconSize(QSize(iconSide, iconSide));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

// A button with its picture above its caption, as the measurement and quit buttons are.
QToolButton *captionedIconButton(QWidget *parent, const char *name, QRect twips,
                                 const QString &caption, const QString &tooltip,
                                 const QString &icon)
{
    QToolButton *button = captionedButton(parent, name, twips, caption, icon, QSize(32, 32),
                                          gameFont(GothicFace, 14.25, true));
    button->setToolTip(tooltip);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QLabel *label(QWidget *parent, const char *name, const QString &text, QRect twips)
{
    auto *shown = place(new QLabel(text, parent), name, twips);
    shown->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return shown;
}

QCursor brushCursor()
{
    const QPixmap shape(QStringLiteral(":/cursors/brush.png"));
    if (shape.isNull())
        return QCursor(Qt::CrossCursor);
    return QCursor(shape, 3, 30);
}

void buildColourFrame(MorvaneMainControls &ui, QWidget &window)
{
    ui.Frame1 = frame(&window, "Frame1", QStringLiteral("色"), QRect(9720, 30, 1200, 1125));
    ui.Frame1->setToolTip(QStringLiteral("色をえらびます。"));

    ui.PicIndicate[1] =
        place(new ColorSwatch(ui.Frame1), "PicIndicate_1", QRect(60, 330, 480, 420));
    ui.PicIndicate[1]->setToolTip(QStringLiteral("左ボタンでぬる色"));
    ui.PicIndicate[2] =
        place(new ColorSwatch(ui.Frame1), "PicIndicate_2", QRect(630, 330, 480, 420));
    ui.PicIndicate[2]->setToolTip(QStringLiteral("右ボタンでぬる色"));

    const QFont sideFont = gameFont(MinchoFace, 14.25, true);
    ui.Label1[0] = label(ui.Frame1, "Label1_0", QStringLiteral("左"), QRect(135, 780, 390, 315));
    ui.Label1[1] = label(ui.Frame1, "Label1_1", QStringLiteral("右"), QRect(675, 780, 390, 300));
    for (QLabel *side : ui.Label1)
        side->setFont(sideFont);
}

void buildPatternFrame(MorvaneMainControls &ui, QWidget &window)
{
    ui.Frame2 = frame(&window, "Frame2", QStringLiteral("種類"), QRect(9705, 1245, 1230, 2730));
    QWidget *box = ui.Frame2;

    ui.OriginalImage = place(new WrappingButton(QStringLiteral("元の絵"), box), "OriginalImage",
                             QRect(90, 330, 495, 495));
    ui.OriginalImage->setToolTip(QStringLiteral("はじめの絵にします"));
    ui.OriginalImage->setFont(gameFont(GothicFace, 9, false));
    ui.OriginalImage->setCursor(Qt::PointingHandCursor);

    constexpr int side = 26;
    ui.Makerandom =
        iconButton(box, "Makerandom", QRect(645, 330, 495, 495), QStringLiteral("勝手な線"),
                   QStringLiteral(":/icons/makerandom.svg"), side);
    ui.MakeGrid =
        iconButton(box, "MakeGrid", QRect(90, 930, 495, 495), QStringLiteral("大きなます目"),
                   QStringLiteral(":/icons/makegrid.svg"), side);
    ui.MakeGridSmall =
        iconButton(box, "MakeGridSmall", QRect(645, 930, 495, 495), QStringLiteral("細かいます目"),
                   QStringLiteral(":/icons/makegridsmall.svg"), side);
    ui.MakeNaname =
        iconButton(box, "MakeNaname", QRect(90, 1530, 495, 495), QStringLiteral("ななめの線"),
                   QStringLiteral(":/icons/makenaname.svg"), side);
    ui.Makesennuki = iconButton(box, "Makesennuki", QRect(645, 1530, 480, 495),
                                QStringLiteral("わくをつくります"),
                                QStringLiteral(":/icons/makesennuki.svg"), side);
    ui.MakeTriangle = iconButton(box, "MakeTriangle", QRect(90, 2130, 480, 495), QString(),
                                 QStringLiteral(":/icons/maketriangle.svg"), side);
}

void buildCommandButtons(MorvaneMainControls &ui, QWidget &window)
{
    constexpr int bitmapSide = 24;
    ui.cmdRedraw =
        iconButton(&window, "cmdRedraw", QRect(9780, 4020, 495, 495), QStringLiteral("印刷します"),
                   QStringLiteral(":/icons/cmdredraw.svg"), bitmapSide);
    ui.cmdFileOpen = iconButton(&window, "cmdFileOpen", QRect(10350, 4020, 495, 495),
                                QStringLiteral("絵を変えます"),
                                QStringLiteral(":/icons/cmdfileopen.svg"), bitmapSide);
    ui.ColCheck = captionedIconButton(
        &window, "ColCheck", QRect(9735, 4680, 1200, 870), QStringLiteral("調べる"),
        QStringLiteral("広さのわりあいを調べます。"), QStringLiteral(":/icons/colcheck.svg"));
    ui.cmdEnd = captionedIconButton(&window, "cmdEnd", QRect(9735, 5655, 1185, 855),
                                    QStringLiteral("おわる"), QStringLiteral("おわります"),
                                    QStringLiteral(":/icons/cmdend.svg"));
    ui.Image1 = place(new HotSpot(&window), "Image1", QRect(9750, 6570, 585, 465));
    ui.cmdHelp =
        iconButton(&window, "cmdHelp", QRect(10425, 6555, 495, 495), QStringLiteral("説明"),
                   QStringLiteral(":/icons/cmdhelp.svg"), bitmapSide);
}

void buildLabels(MorvaneMainControls &ui, QWidget &window)
{
    ui.TitleLabel = label(&window, "TitleLabel", QString(), QRect(9750, 7125, 1140, 435));
    ui.PrintLabel = label(&window, "PrintLabel", QString(), QRect(2640, 7650, 3660, 390));
    ui.PrintLabel->setFont(gameFont(GothicFace, 15.75, true));
    ui.PrintLabel->hide();
}

// The laid-out tab order: the swatches, the buttons, then the board and the graph strip. The board,
// the strip and the swatches take the focus as the buttons do, also when they are clicked, so
// that Space or Enter after painting reaches the board and never repeats a button.
void setTabOrder(const MorvaneMainControls &ui)
{
    const std::array<QWidget *, 16> order{
        ui.PicIndicate[1], ui.PicIndicate[2], ui.OriginalImage, ui.Makerandom,
        ui.MakeGrid,       ui.MakeGridSmall,  ui.MakeNaname,    ui.Makesennuki,
        ui.MakeTriangle,   ui.cmdRedraw,      ui.cmdFileOpen,   ui.ColCheck,
        ui.cmdEnd,         ui.cmdHelp,        ui.picClient,     ui.PicMenseki,
    };
    for (QWidget *control : order)
        control->setFocusPolicy(Qt::StrongFocus);
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    // The chain is a circle that starts, for the first focus, with the board made first: the
    // first control of the order takes the focus when the window opens.
    order.front()->setFocus(Qt::OtherFocusReason);
}

} // namespace

MorvaneMainControls buildMorvaneMainControls(QWidget &window, const Surface &board,
                                             const Surface &strip)
{
    MorvaneMainControls ui;
    ui.picClient = place(new SurfaceView(board, SurfaceView::Border::Flat, &window), "picClient",
                         QRect(45, 30, 9630, 7230));
    ui.picClient->setCursor(brushCursor());
    ui.PicMenseki = place(new SurfaceView(strip, SurfaceView::Border::Sunken, &window),
                          "PicMenseki", QRect(0, 7320, 9660, 225));

    buildColourFrame(ui, window);
    buildPatternFrame(ui, window);
    buildCommandButtons(ui, window);
    buildLabels(ui, window);
    for (ColorSwatch *swatch : {ui.PicIndicate[1], ui.PicIndicate[2]})
        swatch->setCursor(Qt::PointingHandCursor);
    setTabOrder(ui);
    return ui;
}
