#include "desktop/help/HelpDialog.h"

#include "desktop/help/frmSplash.h"
#include "desktop/widgets/EnterKeyClicks.h"
#include "desktop/widgets/Layout.h"
#include "desktop/widgets/MinimiseGuard.h"
#include "desktop/widgets/WindowCentring.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>

namespace {

using Layout::captionedButton;
using Layout::emptyIcon;
using Layout::gameFont;
using Layout::GothicFace;
using Layout::MinchoFace;
using Layout::place;

struct HelpText
{
    const char *name;
    const char *text;
    QRect twips;
    QFont font;
    QColor color;
};

QLabel *helpLabel(const HelpText &text, QFrame &box)
{
    auto *label = place(new QLabel(QString::fromUtf8(text.text), &box), text.name, text.twips);
    // Inside a picture box, places count from the inner edge of its border.
    label->move(label->pos() + box.contentsRect().topLeft());
    label->setFont(text.font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, text.color);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

// Ends `loop` when `window` is hidden by code, as a click on the version window hides it.
class HideWatcher : public QObject
{
public:
    HideWatcher(QWidget &window, QEventLoop &loop)
        : m_loop(loop)
    {
        window.installEventFilter(this);
        connect(&window, &QObject::destroyed, &loop, &QEventLoop::quit);
    }

protected:
    bool eventFilter(QObject * /*watched*/, QEvent *event) override
    {
        if (event->type() == QEvent::Hide && !event->spontaneous())
            m_loop.quit();
        return false;
    }

private:
    QEventLoop &m_loop;
};

// Shows `window` modally and returns once it is hidden again.
void showModalUntilHidden(QWidget &window)
{
    window.setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    HideWatcher watcher(window, loop);
    window.show();
    if (window.isVisible())
        loop.exec(QEventLoop::DialogExec);
}

} // namespace

HelpDialog::HelpDialog(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("HelpDialog"));
    setWindowTitle(QStringLiteral("もるばねについて"));
    setWindowIcon(emptyIcon());
    setFixedSize(ClientSize);

    m_picture = place(new QFrame(this), "Picture1", QRect(105, 105, 5235, 2985));
    m_picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_picture->setLineWidth(2);
    const QFont mincho = gameFont(MinchoFace, 14.25, false);
    // The three sentences wrap onto two lines each. Their boxes reach down to the next one (the
    // last to the bottom of the picture box), so that a font with a taller line than the one
    // the layout was drawn with still shows the second line whole.
    const std::array<HelpText, 4> texts{{
        {"Label1", "もるばねゲーム", QRect(0, 60, 4185, 540), gameFont(GothicFace, 24, true),
         QColor(0, 0, 255)},
        {"Label2", "マウスの右ボタンと左ボタンを使って色をぬっていきます。",
         QRect(150, 630, 4920, 750), mincho, QColor(128, 0, 0)},
        {"Label3", "調べるボタンをおすと、どれだけじん地をとったか、下にグラフがでてきます。",
         QRect(150, 1380, 4890, 735), mincho, QColor(0, 64, 64)},
        {"Label4", "右上の色の箱をクリックすると、ぬるいろがえらべます。",
         QRect(195, 2115, 4815, 810), mincho, QColor(0, 0, 192)},
    }};
    for (size_t i = 0; i < texts.size(); ++i)
        m_labels[i] = helpLabel(texts[i], *m_picture);

    m_cmdRet = captionedButton(this, "cmdRet", QRect(105, 3195, 1635, 975),
                               QStringLiteral("もどる"), QStringLiteral(":/icons/help_ret.svg"),
                               QSize(32, 32), gameFont(GothicFace, 14.25, true));
    m_command1 = place(new QPushButton(QStringLiteral("バージョン情報"), this), "Command1",
                       QRect(2025, 3660, 1680, 510));
    QFont plain = QApplication::font();
    plain.setPointSizeF(9);
    m_command1->setFont(plain);
    // Enter clicks the focused button once per press (EnterKeyClicks); as the dialog's default it
    // would also click on every auto-repeat of a held key.
    m_command1->setAutoDefault(false);
    m_cmdTeacher = captionedButton(
        this, "cmdTeacher", QRect(3930, 3195, 1395, 975), QStringLiteral("先生用"),
        QStringLiteral(":/icons/help_teacher.svg"), QSize(32, 32), gameFont(GothicFace, 12, true));

    // The picture box takes the focus in its place of the tab order, and when clicked, as the
    // buttons do.
    m_picture->setFocusPolicy(Qt::StrongFocus);
    QWidget::setTabOrder(m_cmdRet, m_picture);
    QWidget::setTabOrder(m_picture, m_cmdTeacher);
    QWidget::setTabOrder(m_cmdTeacher, m_command1);
    new EnterKeyClicks(*this);
    new MinimiseGuard(*this);

    connect(m_cmdRet, &QToolButton::clicked, this, &HelpDialog::cmdRet_Click);
    connect(m_cmdTeacher, &QToolButton::clicked, this, &HelpDialog::cmdTeacher_Click);
    connect(m_command1, &QPushButton::clicked, this, &HelpDialog::Command1_Click);
}

QLabel *HelpDialog::Label(int index) const
{
    return m_labels.at(static_cast<size_t>(index - 1));
}

frmSplash *HelpDialog::versionWindow() const
{
    return m_splash;
}

void HelpDialog::cmdRet_Click()
{
    hide();
    emit returned();
}

void HelpDialog::cmdTeacher_Click()
{
    hide();
    emit teacherRequested();
}

void HelpDialog::Command1_Click()
{
    if (!m_splash)
        m_splash = new frmSplash(this);
    centreOnScreen(*m_splash);
    showModalUntilHidden(*m_splash);
}

void HelpDialog::reject()
{
    cmdRet_Click();
}
