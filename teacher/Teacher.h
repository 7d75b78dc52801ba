#pragma once

#include "app/settings/GameSettings.h"
#include "teacher/TeacherControls.h"

#include <QDialog>

class GamePrinter;

// The teacher's settings dialog. It lives for the whole run, hidden between uses, and its check
// boxes hold the live state of the switches: the main window follows them through the signals
// below and asks isColorChangeAllowed() itself. Every change acts at once on `settings`; only the
// save button writes the settings store. Leaving (the return button, Esc or the frame's close
// button) hides the dialog and then emits returned(); a minimise is undone at once.
class Teacher : public QDialog
{
    Q_OBJECT

public:
    static constexpr int CheckCount = 7;
    static constexpr QSize ClientSize{450, 270}; // 6750 x 4050 twips

    // Fills the rate boxes and the default-colour swatches from `settings`, which must have been
    // read from the store already.
    Teacher(GameSettings &settings, GamePrinter &printer, QWidget *parent = nullptr);

    const TeacherControls &controls() const { return m_ui; }

    // Check1 to Check7. Setting a box to another state runs its reaction, as a click would;
    // setting the state it has runs nothing.
    void setCheck(int box, bool ticked);
    bool isChecked(int box) const;
    bool isColorChangeAllowed() const { return isChecked(3); }

    // Selecting an option runs its reaction, as a click would. See PrinterOptions for the indices.
    void selectPaperOption(int option);
    void selectOrientationOption(int option);

signals:
    void searchAllowedChanged(bool allowed);        // Check1: ColCheck
    void patternChoiceAllowedChanged(bool allowed); // Check2: the five pattern buttons
    void fileOpenAllowedChanged(bool allowed);      // Check4: cmdFileOpen
    void screenModeChanged(bool maximized);         // Check6: the main window's state
    void returned();

public slots:
    void Check_Click(int box);
    void IndicateSet_Click(int index);
    void RateCombo_Change(int index);
    void optPaperSize_Click(int index);
    void OptOrientated_Click(int index);
    void cmdPrinterSetting_Click();
    void cmdSaveSetting_Click();
    void cmdRet_Click();

    // Esc and the frame's close button leave as the return button does.
    void reject() override;

private:
    void connectControls();
    void Form_Load();

    GameSettings &m_settings;
    GamePrinter &m_printer;
    TeacherControls m_ui;
};
