#include "desktop/teacher/TeacherControls.h"

#include "desktop/board/widgets/ColorSwatch.h"
#include "desktop/teacher/PressableLabel.h"
#include "desktop/teacher/ZoomChoice.h"
#include "desktop/widgets/Layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QToolButton>

namespace {

// The size the layout's captions were measured in where no size is given.
constexpr qreal DefaultPoints = 9;

QFont gothic(qreal points = DefaultPoints, bool bold = false)
{
    return Layout::gameFont(Layout::GothicFace, points, bold);
}

QString indexedName(const char *name, size_t index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

// Every control of the dialog is in the gothic face unless it says otherwise.
template <typename Widget, typename Name>
Widget *place(Widget *widget, const Name &name, QRect twips)
{
    Layout::place(widget, name, twips);
    widget->setFont(gothic());
    return widget;
}

QGroupBox *frame(QDialog &dialog, const char *name, const QString &caption, QRect twips)
{
    auto *box = place(new QGroupBox(caption, &dialog), name, twips);
    box->setFont(gothic(11.25, true));
    return box;
}

QToolButton *captionedPictureButton(QDialog &dialog, const char *name, QRect twips,
                                    const QString &caption, const QString &tooltip,
                                    const QString &icon, QSize iconSize)
{
    QToolButton *button =
        Layout::captionedButton(&dialog, name, twips, caption, icon, iconSize, gothic(12));
    button->setToolTip(tooltip);
    return button;
}

void buildCheckBoxes(TeacherControls &ui, QDialog &dialog)
{
    struct Box
    {
        const char *caption;
        const char *tooltip;
        QRect twips;
    };
    const std::array<Box, 7> boxes{{
        {"調べる機能を使う", "色の割合を調べる機能を有効にします。", QRect(225, 150, 1680, 285)},
        {"模様が選べる", "種類を選ぶボタンを有効にします。", QRect(225, 480, 1695, 345)},
        {"色が変えられる", "塗る色の変更を有効にします。", QRect(225, 825, 1620, 345)},
        {"ファイルを開くを使用", "ファイルオープン機能を有効にします。",
         QRect(225, 1185, 2490, 345)},
        {"印刷をカラーにする", "", QRect(225, 1530, 2310, 345)},
        {"画面をすべて占有する", "", QRect(225, 1920, 2385, 285)},
        {"線を太くする", "", QRect(225, 2280, 2115, 270)},
    }};
    for (size_t i = 0; i < boxes.size(); ++i) {
        const QString name = QStringLiteral("Check%1").arg(i + 1);
        auto *box = place(new QCheckBox(QString::fromUtf8(boxes[i].caption), &dialog), name,
                          boxes[i].twips);
        box->setToolTip(QString::fromUtf8(boxes[i].tooltip));
        ui.Check[i + 1] = box;
    }
}

void buildColourFrame(TeacherControls &ui, QDialog &dialog)
{
    ui.Frame2 = frame(dialog, "Frame2", QStringLiteral("色の初期値"), QRect(2400, 30, 1755, 1245));
    ui.IndicateSet[1] =
        place(new ColorSwatch(ui.Frame2), "IndicateSet_1", QRect(120, 345, 570, 510));
    ui.IndicateSet[2] =
        place(new ColorSwatch(ui.Frame2), "IndicateSet_2", QRect(975, 345, 570, 510));
    ui.Label1[1] = place(new PressableLabel(QStringLiteral("左"), ui.Frame2), "Label1_1",
                         QRect(270, 900, 300, 270));
    ui.Label1[2] = place(new PressableLabel(QStringLiteral("右"), ui.Frame2), "Label1_2",
                         QRect(1095, 885, 360, 270));
    for (size_t side : {1u, 2u}) {
        ui.Label1[side]->setFont(gothic(12));
        ui.Label1[side]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
}

void buildRateFrame(TeacherControls &ui, QDialog &dialog)
{
    ui.Frame1 =
        frame(dialog, "Frame1", QStringLiteral("線を抜く割合"), QRect(2400, 1365, 1755, 1275));
    ui.wariai[0] = place(new QLabel(QStringLiteral("横割合"), ui.Frame1), "wariai_0",
                         QRect(120, 330, 675, 270));
    ui.wariai[1] = place(new QLabel(QStringLiteral("縦割合"), ui.Frame1), "wariai_1",
                         QRect(975, 315, 675, 270));
    for (QLabel *label : ui.wariai)
        label->setFont(gothic(11.25));

    const std::array<QRect, 2> boxes{QRect(45, 660, 810, 300), QRect(915, 645, 765, 300)};
    const std::array<QString, 2> tooltips{QStringLiteral("横の線の密度設定割合"),
                                          QStringLiteral("縦の線の密度の設定")};
    QStringList entries;
    for (int hundredths = 50; hundredths <= 95; hundredths += 5)
        entries << QStringLiteral("0.%1").arg(hundredths);
    for (size_t i = 0; i < boxes.size(); ++i) {
        auto *box = place(new QComboBox(ui.Frame1), indexedName("RateCombo", i), boxes[i]);
        box->setEditable(true);
        // Enter in the box keeps the list as it is; the text alone is the rate.
        box->setInsertPolicy(QComboBox::NoInsert);
        // Typed text stays as typed: completing "0" to "0.50" would set a rate nobody asked for.
        box->setCompleter(nullptr);
        box->addItems(entries);
        box->setCurrentIndex(-1);
        box->setToolTip(tooltips[i]);
        ui.RateCombo[i] = box;
    }
}

void buildPrinterFrames(TeacherControls &ui, QDialog &dialog)
{
    ui.Frame4 = frame(dialog, "Frame4", QStringLiteral("用紙"), QRect(4215, 45, 1185, 1245));
    struct Option
    {
        const char *caption;
        const char *tooltip;
        QRect twips;
    };
    const std::array<Option, 3> papers{{
        {"B5", "用紙をB5サイズにします", QRect(120, 285, 645, 255)},
        {"A4", "用紙をA4サイズにします", QRect(120, 585, 615, 255)},
        {"B4", "用紙をB4サイズにします", QRect(120, 870, 615, 255)},
    }};
    for (size_t i = 0; i < papers.size(); ++i) {
        ui.optPaperSize[i] =
            place(new QRadioButton(QString::fromUtf8(papers[i].caption), ui.Frame4),
                  indexedName("optPaperSize", i), papers[i].twips);
        ui.optPaperSize[i]->setToolTip(QString::fromUtf8(papers[i].tooltip));
    }

    ui.Frame3 = frame(dialog, "Frame3", QStringLiteral("印刷方向"), QRect(4215, 1365, 1215, 1230));
    const std::array<Option, 2> orientations{{
        {"縦方向", "印刷の向きを縦にします", QRect(120, 360, 915, 300)},
        {"横方向", "印刷の向きを横にします", QRect(120, 795, 915, 300)},
    }};
    for (size_t i = 0; i < orientations.size(); ++i) {
        ui.OptOrientated[i] =
            place(new QRadioButton(QString::fromUtf8(orientations[i].caption), ui.Frame3),
                  indexedName("OptOrientated", i), orientations[i].twips);
        ui.OptOrientated[i]->setToolTip(QString::fromUtf8(orientations[i].tooltip));
    }
}

void buildButtons(TeacherControls &ui, QDialog &dialog)
{
    ui.cmdSaveSetting = captionedPictureButton(
        dialog, "cmdSaveSetting", QRect(5490, 165, 1215, 750), QStringLiteral("設定保存"),
        QStringLiteral("次回の起動時の設定として保存"), QStringLiteral(":/icons/teacher_save.svg"),
        QSize(32, 32));
    ui.cmdPrinterSetting =
        captionedPictureButton(dialog, "cmdPrinterSetting", QRect(5505, 990, 1200, 750),
                               QStringLiteral("印刷設定"), QStringLiteral("印刷の設定をします"),
                               QStringLiteral(":/icons/teacher_printer.svg"), QSize(24, 23));
    ui.cmdRet = Layout::pictureButton(&dialog, "cmdRet", QRect(5505, 1815, 1200, 750),
                                      QStringLiteral(":/icons/teacher_ret.svg"), QSize(48, 48));
    ui.cmdRet->setToolTip(QStringLiteral("戻ります"));
}

void buildPictures(TeacherControls &ui, QDialog &dialog)
{
    ui.Picture1 = place(new QFrame(&dialog), "Picture1", QRect(90, 2670, 4065, 1275));
    ui.Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ui.Picture1->setLineWidth(2);
    // Inside a picture box, places count from the inner edge of its border.
    const QPoint inside = ui.Picture1->contentsRect().topLeft();
    // Each credits label holds two lines: the height goes down to the next label and to the
    // bottom of the box, which is more than one line's height would need.
    ui.Label2 = place(new QLabel(ui.Picture1), "Label2", QRect(75, 120, 3720, 600));
    ui.Label2->setFont(gothic(11.25));
    ui.Label3 = place(new QLabel(ui.Picture1), "Label3", QRect(60, 720, 3750, 495));
    for (QLabel *label : {ui.Label2, ui.Label3}) {
        label->move(label->pos() + inside);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    ui.Image1 = place(new QLabel(&dialog), "Image1", QRect(4275, 2685, 2445, 1275));
    ui.Image1->setPixmap(QPixmap(QStringLiteral(":/pictures/title.png")));
    ui.Image1->setScaledContents(true);
}

// The game's size, in a row of its own under the rest, as wide as the credits and the title.
void buildZoomFrame(TeacherControls &ui, QDialog &dialog)
{
    ui.FrameZoom = place(new ZoomChoice(&dialog), "FrameZoom", QRect(90, 4020, 6630, 990));
    ui.FrameZoom->setFont(gothic(11.25, true));
    ui.FrameZoom->setFocusPolicy(Qt::NoFocus);
}

// The switch for counting squares, added after the form's seven, in a row of its own at the
// bottom: the column of the seven boxes is full down to the credits.
void buildSquaresBox(TeacherControls &ui, QDialog &dialog)
{
    ui.Check[8] = place(new QCheckBox(QStringLiteral("ますの数を表示する"), &dialog), "Check8",
                        QRect(225, 5100, 6300, 285));
    ui.Check[8]->setToolTip(QStringLiteral(
        "調べるボタンで、ますの目と、それぞれの広さ（ますの数）と陣の数も表示します。"));
}

// The form's tab order. The picture boxes (the credits box and the two swatches) take the focus in
// their places, and when clicked, as the buttons do, so that no key repeats a button afterwards.
void setTabOrder(const TeacherControls &ui)
{
    const std::array<QWidget *, 20> order{
        ui.Check[1],          ui.Check[2],         ui.Check[3],
        ui.Check[4],          ui.Check[5],         ui.Check[6],
        ui.RateCombo[0],      ui.RateCombo[1],     ui.cmdSaveSetting,
        ui.Picture1,          ui.cmdRet,           ui.IndicateSet[1],
        ui.IndicateSet[2],    ui.optPaperSize[0],  ui.optPaperSize[1],
        ui.optPaperSize[2],   ui.OptOrientated[0], ui.OptOrientated[1],
        ui.cmdPrinterSetting, ui.Check[7],
    };
    const std::array<QWidget *, 3> pictureBoxes{ui.Picture1, ui.IndicateSet[1], ui.IndicateSet[2]};
    for (QWidget *box : pictureBoxes)
        box->setFocusPolicy(Qt::StrongFocus);
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    // The sizes and the squares' box, in the rows under the rest, come last.
    QWidget *previous = order.back();
    for (QRadioButton *size : ui.FrameZoom->options()) {
        QWidget::setTabOrder(previous, size);
        previous = size;
    }
    QWidget::setTabOrder(previous, ui.Check[8]);
}

} // namespace

TeacherControls buildTeacherControls(QDialog &dialog)
{
    TeacherControls ui;
    buildCheckBoxes(ui, dialog);
    buildColourFrame(ui, dialog);
    buildRateFrame(ui, dialog);
    buildPrinterFrames(ui, dialog);
    buildButtons(ui, dialog);
    buildPictures(ui, dialog);
    buildZoomFrame(ui, dialog);
    buildSquaresBox(ui, dialog);
    for (QGroupBox *box : {ui.Frame1, ui.Frame2, ui.Frame3, ui.Frame4})
        box->setFocusPolicy(Qt::NoFocus);
    setTabOrder(ui);
    return ui;
}
