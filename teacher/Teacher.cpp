#include "teacher/Teacher.h"

#include "app/core/DisplayText.h"
#include "app/settings/SettingsText.h"
#include "app/widgets/EnterKeyClicks.h"
#include "app/widgets/MinimiseGuard.h"
#include "board/raster/ColorStep.h"
#include "board/raster/Palette.h"
#include "board/widgets/ColorSwatch.h"
#include "teacher/PressableLabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {

const QChar CarriageReturn(u'\r');

// A window icon that shows nothing, so that no application icon stands in for the missing one.
QIcon emptyIcon()
{
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

} // namespace

Teacher::Teacher(GameSettings &settings, GamePrinter &printer, QWidget *parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_printer(printer)
    , m_ui(buildTeacherControls(*this))
{
    setObjectName(QStringLiteral("Teacher"));
    setWindowTitle(QStringLiteral("先生用の設定画面"));
    setWindowIcon(emptyIcon());
    resize(ClientSize);
    // Enter typed into a rate box must not press a button; on a focused button it clicks that one,
    // once per press.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);
    new EnterKeyClicks(*this);
    new MinimiseGuard(*this);
    connectControls();
    Form_Load();
}

void Teacher::connectControls()
{
    for (int box = 1; box <= CheckCount; ++box) {
        connect(m_ui.Check[static_cast<size_t>(box)], &QCheckBox::stateChanged, this,
                [this, box] { Check_Click(box); });
    }
    for (int side : {1, 2}) {
        const auto i = static_cast<size_t>(side);
        const auto step = [this, side] { IndicateSet_Click(side); };
        connect(m_ui.IndicateSet[i], &ColorSwatch::pressed, this, step);
        connect(m_ui.IndicateSet[i], &ColorSwatch::doubleClicked, this, step);
        connect(m_ui.Label1[i], &PressableLabel::pressed, this, step);
        connect(m_ui.Label1[i], &PressableLabel::doubleClicked, this, step);
    }
    for (int index : {0, 1}) {
        connect(m_ui.RateCombo[static_cast<size_t>(index)], &QComboBox::editTextChanged, this,
                [this, index] { RateCombo_Change(index); });
    }
    // toggled answers a selection by code; clicked also answers a click on the option that is
    // already selected, which sets the paper again after a printer setup changed it.
    for (int option = 0; option < static_cast<int>(m_ui.optPaperSize.size()); ++option) {
        QRadioButton *button = m_ui.optPaperSize[static_cast<size_t>(option)];
        const auto select = [this, option](bool selected) {
            if (selected)
                optPaperSize_Click(option);
        };
        connect(button, &QRadioButton::toggled, this, select);
        connect(button, &QRadioButton::clicked, this, select);
    }
    for (int option = 0; option < static_cast<int>(m_ui.OptOrientated.size()); ++option) {
        QRadioButton *button = m_ui.OptOrientated[static_cast<size_t>(option)];
        const auto select = [this, option](bool selected) {
            if (selected)
                OptOrientated_Click(option);
        };
        connect(button, &QRadioButton::toggled, this, select);
        connect(button, &QRadioButton::clicked, this, select);
    }
    connect(m_ui.cmdSaveSetting, &QToolButton::clicked, this, &Teacher::cmdSaveSetting_Click);
    connect(m_ui.cmdPrinterSetting, &QToolButton::clicked, this, &Teacher::cmdPrinterSetting_Click);
    connect(m_ui.cmdRet, &QToolButton::clicked, this, &Teacher::cmdRet_Click);
}

void Teacher::Form_Load()
{
    // Setting the text runs the box's change reaction, which reads the rate back from it.
    for (size_t i : {0u, 1u})
        m_ui.RateCombo[i]->setEditText(SettingsText::generalNumber(m_settings.Rate[i]));
    for (size_t side : {1u, 2u})
        m_ui.IndicateSet[side]->setBackColor(Palette::color(m_settings.PaintColor[side]));
    m_ui.Label2->setText(DisplayText::lines(QStringLiteral("もるばねゲーム  Version 1.5") +
                                            CarriageReturn +
                                            QStringLiteral("4年生算数科  広さの学習に")));
    m_ui.Label3->setText(DisplayText::lines(QStringLiteral("Morvane project") + CarriageReturn +
                                            QStringLiteral("設定は使う人ごとに保存されます。")));
}

void Teacher::setCheck(int box, bool ticked)
{
    m_ui.Check.at(static_cast<size_t>(box))->setChecked(ticked);
}

bool Teacher::isChecked(int box) const
{
    return m_ui.Check.at(static_cast<size_t>(box))->isChecked();
}

void Teacher::Check_Click(int box)
{
    const bool ticked = isChecked(box);
    switch (box) {
    case 1:
        emit searchAllowedChanged(ticked);
        break;
    case 2:
        emit patternChoiceAllowedChanged(ticked);
        break;
    case 4:
        emit fileOpenAllowedChanged(ticked);
        break;
    case 5:
        m_settings.PrintModeFlag = ticked;
        break;
    case 6:
        emit screenModeChanged(ticked);
        break;
    case 7:
        m_settings.LineWidth = ticked ? 2 : 1;
        break;
    default: // Check3: the main window reads the box itself.
        break;
    }
}

void Teacher::IndicateSet_Click(int index)
{
    const auto side = static_cast<size_t>(index);
    auto &colors = m_settings.PaintColor;
    colors[side] = colorStep(colors[side], colors[3 - side]);
    m_ui.IndicateSet[side]->setBackColor(Palette::color(colors[side]));
}

void Teacher::RateCombo_Change(int index)
{
    const auto i = static_cast<size_t>(index);
    m_settings.Rate[i] = SettingsText::readTypedNumber(m_ui.RateCombo[i]->currentText());
}

void Teacher::cmdRet_Click()
{
    hide();
    emit returned();
}

void Teacher::reject()
{
    cmdRet_Click();
}
