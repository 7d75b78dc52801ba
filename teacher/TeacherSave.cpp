#include "teacher/Teacher.h"

#include "app/settings/SettingsStore.h"

#include <QMessageBox>

void Teacher::cmdSaveSetting_Click()
{
    // The switches are saved as their boxes show them; the rest as the record holds it.
    GameSettings values = m_settings;
    values.CanSearchButton = isChecked(1);
    values.CanSelectButton = isChecked(2);
    values.CanColorChange = isChecked(3);
    values.CanOpenFile = isChecked(4);
    values.PrintModeFlag = isChecked(5);
    values.ScreenModeFlag = isChecked(6);
    values.LineWidth = isChecked(7) ? 2 : 1;
    if (SettingsStore::write(values))
        return;
    // The game goes on with the settings as they are; only the next start is affected.
    QMessageBox::warning(this, QStringLiteral("設定保存"),
                         QStringLiteral("設定を保存できませんでした。\n"
                                        "次にゲームを始めたときは、前に保存した設定になります。\n"
                                        "いまの設定は、ゲームを終わるまでこのまま使えます。"));
}
