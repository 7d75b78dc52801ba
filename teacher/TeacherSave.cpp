#include "teacher/Teacher.h"

#include "app/SettingsStore.h"

#include <QMessageBox>

void Teacher::cmdSaveSetting_Click()
{
    SettingsStore::Snapshot values;
    values.CanSearchButton = isChecked(1);
    values.CanSelectButton = isChecked(2);
    values.CanColorChange = isChecked(3);
    values.CanOpenFile = isChecked(4);
    values.PrintModeFlag = isChecked(5);
    values.ScreenModeFlag = isChecked(6);
    values.ThickLines = isChecked(7);
    values.RateYoko = m_settings.Rate[0];
    values.RateTate = m_settings.Rate[1];
    values.PaintColorLeft = m_settings.PaintColor[1];
    values.PaintColorRight = m_settings.PaintColor[2];
    if (SettingsStore::write(values))
        return;
    // The game goes on with the settings as they are; only the next start is affected.
    QMessageBox::warning(this, QStringLiteral("設定保存"),
                         QStringLiteral("設定を保存できませんでした。\n"
                                        "次にゲームを始めたときは、前に保存した設定になります。\n"
                                        "いまの設定は、ゲームを終わるまでこのまま使えます。"));
}
