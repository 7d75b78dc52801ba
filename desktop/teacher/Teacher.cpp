#include "desktop/teacher/Teacher.h"

#include "core/session/GameSession.h"
#include "core/settings/PrinterOptions.h"
#include "core/settings/SettingsText.h"
#include "desktop/board/widgets/ColorSwatch.h"
#include "desktop/print/GamePrinter.h"
#include "desktop/settings/SettingsStore.h"
#include "desktop/teacher/PressableLabel.h"
#include "desktop/teacher/ZoomChoice.h"
#include "desktop/widgets/DisplayText.h"
#include "desktop/widgets/EnterKeyClicks.h"
#include "desktop/widgets/Layout.h"
#include "desktop/widgets/MinimiseGuard.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {

const QChar CarriageReturn(u'\r');

} // namespace

Teacher::Teacher(GameSession &session, GamePrinter &printer, SessionView &view, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
    , m_printer(printer)
    , m_view(view)
    , m_ui(buildTeacherControls(*this))
{
    setObjectName(QStringLiteral("Teacher"));
    setWindowTitle(QStringLiteral("先生用の設定画面"));
    setWindowIcon(Layout::emptyIcon());
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
    for (int box = 1; box <= SwitchCount; ++box) {
        connect(m_ui.Check[static_cast<size_t>(box)], &QCheckBox::stateChanged, this,
                [this, box] { Check_Click(static_cast<Switch>(box)); });
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
    // idToggled answers a selection by code; idClicked also answers a click on the option that is
    // already selected, which sets the paper again after a printer setup changed it.
    const auto group = [this](const auto &options, void (Teacher::*reaction)(int)) {
        auto *buttons = new QButtonGroup(this);
        for (size_t option = 0; option < options.size(); ++option)
            buttons->addButton(options[option], static_cast<int>(option));
        connect(buttons, &QButtonGroup::idToggled, this, [this, reaction](int option, bool on) {
            if (on)
                (this->*reaction)(option);
        });
        connect(buttons, &QButtonGroup::idClicked, this, reaction);
    };
    group(m_ui.optPaperSize, &Teacher::optPaperSize_Click);
    group(m_ui.OptOrientated, &Teacher::OptOrientated_Click);
    connect(m_ui.FrameZoom, &ZoomChoice::chosen, this,
            [this](std::int16_t size) { m_session.setZoom(size); });
    connect(m_ui.cmdSaveSetting, &QToolButton::clicked, this, &Teacher::cmdSaveSetting_Click);
    connect(m_ui.cmdPrinterSetting, &QToolButton::clicked, this, &Teacher::cmdPrinterSetting_Click);
    connect(m_ui.cmdRet, &QToolButton::clicked, this, &Teacher::cmdRet_Click);
}

// The boxes are ticked as the session's switches are; a box that changes runs its reaction,
// which hands the same value back to the session.
void Teacher::Form_Load()
{
    const GameSettings &settings = m_session.settings();
    for (int box = 1; box <= SwitchCount; ++box)
        setCheck(static_cast<Switch>(box), m_session.isOn(static_cast<Switch>(box)));
    // Setting the text runs the box's change reaction, which reads the rate back from it.
    for (size_t i : {0u, 1u}) {
        m_ui.RateCombo[i]->setEditText(
            QString::fromStdString(SettingsText::generalNumber(settings.Rate[i])));
    }
    showDefaultColors();
    m_ui.FrameZoom->setSizes(settings.Zoom, settings.ZoomInEffect);
    m_ui.Label2->setText(DisplayText::lines(QStringLiteral("もるばねゲーム  Version 1.5") +
                                            CarriageReturn +
                                            QStringLiteral("4年生算数科  広さの学習に")));
    m_ui.Label3->setText(DisplayText::lines(QStringLiteral("Morvane project") + CarriageReturn +
                                            QStringLiteral("設定は使う人ごとに保存されます。")));
}

void Teacher::setCheck(Switch box, bool ticked)
{
    m_ui.Check.at(static_cast<size_t>(box))->setChecked(ticked);
}

bool Teacher::isChecked(Switch box) const
{
    return m_ui.Check.at(static_cast<size_t>(box))->isChecked();
}

void Teacher::Check_Click(Switch box)
{
    m_view.showChanges(m_session.setSwitch(box, isChecked(box)));
}

void Teacher::IndicateSet_Click(int index)
{
    m_session.stepDefaultColor(static_cast<Side>(index));
    showDefaultColors();
}

void Teacher::showDefaultColors()
{
    for (const Side side : {Side::Left, Side::Right})
        m_ui.IndicateSet[static_cast<size_t>(side)]->setBackColor(m_session.defaultColor(side));
}

void Teacher::RateCombo_Change(int index)
{
    const auto i = static_cast<size_t>(index);
    m_session.setRate(
        index, SettingsText::readTypedNumber(m_ui.RateCombo[i]->currentText().toStdString()));
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

void Teacher::selectPaperOption(int option)
{
    m_ui.optPaperSize.at(static_cast<size_t>(option))->setChecked(true);
}

void Teacher::selectOrientationOption(int option)
{
    m_ui.OptOrientated.at(static_cast<size_t>(option))->setChecked(true);
}

void Teacher::optPaperSize_Click(int index)
{
    m_session.setPaperSize(PrinterOptions::paperCode(index));
}

void Teacher::OptOrientated_Click(int index)
{
    m_session.setOrientation(PrinterOptions::orientationCode(index));
}

// The paper and orientation the teacher picks become the game's; the option buttons keep showing
// what they showed. Without a printer, and on Cancel, nothing changes.
void Teacher::cmdPrinterSetting_Click()
{
    if (!m_printer.hasPrinter())
        return;
    QPrintDialog dialog(&m_printer.printer(), this);
    // Printing to a file here would send every later print to that file.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_session.setPaperSize(static_cast<std::int16_t>(m_printer.PaperSize()));
    m_session.setOrientation(static_cast<std::int16_t>(m_printer.Orientation()));
}

void Teacher::cmdSaveSetting_Click()
{
    if (SettingsStore::write(m_session.recordToSave()))
        return;
    // The game goes on with the settings as they are; only the next start is affected.
    QMessageBox::warning(this, QStringLiteral("設定保存"),
                         QStringLiteral("設定を保存できませんでした。\n"
                                        "次にゲームを始めたときは、前に保存した設定になります。\n"
                                        "いまの設定は、ゲームを終わるまでこのまま使えます。"));
}
