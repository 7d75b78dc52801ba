#include "desktop/help/frmSplash.h"

#include "desktop/board/widgets/ClassicBevel.h"
#include "desktop/widgets/Fonts.h"
#include "desktop/widgets/MinimiseGuard.h"
#include "desktop/widgets/Twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace {

constexpr QSize PictureSize(400, 250);

struct SplashLabel
{
    int index;
    const char *text;
    QRect twips;
    qreal pointSize;
    QColor color;
};

// Label1(0) and Label1(3) are the two halves of the credits line.
const std::array<SplashLabel, 4> &splashLabels()
{
    static const std::array<SplashLabel, 4> labels{{
        {1, "1997/12/3", QRect(4515, 30, 1470, 390), 18.0, QColor(224, 224, 224)},
        {2, "Version 1.5", QRect(150, 2700, 1740, 390), 18.0, QColor(0, 255, 255)},
        {0, "Morvane", QRect(2070, 3015, 1410, 330), 14.25, QColor(0, 255, 0)},
        {3, "for area lessons", QRect(3045, 3330, 2565, 330), 14.25, QColor(0, 255, 0)},
    }};
    return labels;
}

QLabel *makeLabel(const SplashLabel &entry, QWidget *parent)
{
    auto *label = new QLabel(QString::fromUtf8(entry.text), parent);
    label->setObjectName(QStringLiteral("Label1_%1").arg(entry.index));
    const QRect r =
        Twips::rect(entry.twips.x(), entry.twips.y(), entry.twips.width(), entry.twips.height());
    label->setGeometry(r.translated(frmSplash::BorderWidth, frmSplash::BorderWidth));
    QFont font(Fonts::TimesFace);
    font.setPointSizeF(entry.pointSize);
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, entry.color);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

frmSplash::frmSplash(QWidget *parent)
    // A dialog to the window manager, so that shown over the help dialog it is kept above it, as
    // a window that belongs to it; a plain window may be stacked below the help dialog, which it
    // blocks meanwhile.
    : QWidget(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_picture(QStringLiteral(":/pictures/splash.png"))
{
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(PictureSize.width() + 2 * BorderWidth, PictureSize.height() + 2 * BorderWidth);
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (const SplashLabel &entry : splashLabels())
        m_labels[static_cast<size_t>(entry.index)] = makeLabel(entry, this);
    new MinimiseGuard(*this);
}

QLabel *frmSplash::Label1(int index) const
{
    return m_labels.at(static_cast<size_t>(index));
}

void frmSplash::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    const QRect client(BorderWidth, BorderWidth, PictureSize.width(), PictureSize.height());
    const QPalette frame = classicBevelPalette();
    painter.fillRect(rect(), frame.button());
    qDrawWinPanel(&painter, rect(), frame, false);
    if (m_picture.isNull())
        painter.fillRect(client, QColor(96, 64, 160));
    else
        painter.drawPixmap(client, m_picture);
}

void frmSplash::mousePressEvent(QMouseEvent *event)
{
    // Taken here so that the release, which is the click, comes back to this window.
    event->accept();
}

void frmSplash::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (m_respondsToUser && rect().contains(event->position().toPoint()))
        hide();
}

void frmSplash::closeEvent(QCloseEvent *event)
{
    if (m_respondsToUser)
        event->accept();
    else
        event->ignore();
}
