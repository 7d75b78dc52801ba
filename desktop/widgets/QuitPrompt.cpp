#include "desktop/widgets/QuitPrompt.h"

#include "desktop/widgets/DisplayText.h"
#include "desktop/widgets/MinimiseGuard.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace QuitPrompt {

QString title()
{
    return QStringLiteral("終わりのたしかめ");
}

QString prompt()
{
    return QStringLiteral("「はい」のボタンで終わります。") + QChar(u'\r') +
           QStringLiteral("「いいえ」のボタンでもどります。") + QChar(u'\r') +
           QStringLiteral("終わってもいいですか？");
}

bool confirm(QWidget *parent)
{
    QMessageBox box(QMessageBox::Question, title(), DisplayText::lines(prompt()),
                    QMessageBox::Yes | QMessageBox::No, parent);
    // The prompt names the buttons 「はい」 and 「いいえ」; Qt's translation adds mnemonics.
    box.button(QMessageBox::Yes)->setText(QStringLiteral("はい"));
    box.button(QMessageBox::No)->setText(QStringLiteral("いいえ"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    // Minimised, the question would leave the main window waiting behind it with no answer.
    new MinimiseGuard(box);
    return box.exec() == QMessageBox::Yes;
}

} // namespace QuitPrompt
