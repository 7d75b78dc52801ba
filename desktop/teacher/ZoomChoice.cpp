#include "desktop/teacher/ZoomChoice.h"

#include "desktop/widgets/Layout.h"

#include <QLabel>
#include <QRadioButton>

namespace {

QFont gothic()
{
    return Layout::gameFont(Layout::GothicFace, 9, false);
}

QString percent(qint16 size)
{
    return QStringLiteral("%1%").arg(size);
}

} // namespace

ZoomChoice::ZoomChoice(QWidget *parent)
    : QGroupBox(QStringLiteral("画面の大きさ"), parent)
{
    // Places in twips inside the frame: the options in a row, the note under them.
    constexpr int Left = 120;
    constexpr int OptionStep = 1020;
    for (size_t i = 0; i < m_options.size(); ++i) {
        const qint16 size = ZoomSizes::Sizes[i];
        auto *option = Layout::place(
            new QRadioButton(percent(size), this), QStringLiteral("optZoom_%1").arg(i),
            QRect(Left + static_cast<int>(i) * OptionStep, 315, OptionStep - 60, 270));
        option->setFont(gothic());
        option->setToolTip(QStringLiteral("ゲームの画面を%1の大きさにします").arg(percent(size)));
        connect(option, &QRadioButton::toggled, this, [this, size](bool selected) {
            if (selected)
                emit chosen(size);
        });
        m_options[i] = option;
    }
    m_note = Layout::place(new QLabel(this), "ZoomNote", QRect(Left, 645, 6390, 270));
    m_note->setFont(gothic());
}

void ZoomChoice::setSizes(qint16 chosen, qint16 inEffect)
{
    for (size_t i = 0; i < m_options.size(); ++i) {
        if (ZoomSizes::Sizes[i] == chosen)
            m_options[i]->setChecked(true);
    }
    // A size smaller than the one chosen means the chosen one did not fit this screen.
    const QString now = inEffect < chosen
                            ? QStringLiteral("いまは画面に入る %1 です。").arg(percent(inEffect))
                            : QStringLiteral("いまは %1 です。").arg(percent(inEffect));
    m_note->setText(QStringLiteral("次に起動したときから変わります。") + now);
}
