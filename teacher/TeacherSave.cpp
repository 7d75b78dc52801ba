#include "teacher/Teacher.h"

#include "app/settings/SettingsStore.h"

#include <QMessageBox>

void Teacher::cmdSaveSetting_Click()
{
    // The switches are saved as their boxes show them; the rest as the record holds it.
    GameSettings values = m_settings;
    values.CanSearchButton = isChecked(Switch::Search);
    values.CanSelectButton = isChecked(Switch::PatternChoice);
    values.CanColorChange = isChecked(Switch::ColorChange);
    values.CanOpenFile = isChecked(Switch::FileOpen);
    values.PrintModeFlag = isChecked(Switch::ColourPrint);
    values.ScreenModeFlag = isChecked(Switch::FullScreen);
    values.LineWidth = isChecked(Switch::ThickLines) ? 2 : 1;
    if (SettingsStore::write(values))
        return;
    // The game goes on with the settings as they are; only the next start is affected.
    QMessageBox::warning(this, QStringLiteral("設定保存"),
                         QStringLiteral("設定を保存できませんでした。\n"
                                        "次にゲームを始めたときは、前に保存した設定になります。\n"
                                        "いまの設定は、ゲームを終わるまでこのまま使えます。"));
}
