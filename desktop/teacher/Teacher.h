#pragma once

#include "desktop/teacher/SessionView.h"
#include "desktop/teacher/TeacherControls.h"

#include <QDialog>

class GamePrinter;
class GameSession;

// The teacher's settings dialog. It lives for the whole run, hidden between uses. Its check boxes
// show the session's switches, and every change acts at once on the session, whose changes
// `view` shows; only the save button writes the settings store. Leaving (the return button, Esc
// or the frame's close button) hides the dialog and then emits returned(); a minimise is undone
// at once.
class Teacher : public QDialog
{
    Q_OBJECT

public:
    // 6750 x 5460 twips: the form's 4050, a row for the game's size and one for the squares' box.
    static constexpr QSize ClientSize{450, 364};

    // Shows the session's switches and values, which must have been loaded from the store
    // already.
    Teacher(GameSession &session, GamePrinter &printer, SessionView &view,
            QWidget *parent = nullptr);

    const TeacherControls &controls() const { return m_ui; }

    // Setting a box to another state runs its reaction, as a click would; setting the state it
    // has runs nothing.
    void setCheck(Switch box, bool ticked);
    bool isChecked(Switch box) const;

    // Selecting an option runs its reaction, as a click would. See PrinterOptions for the indices.
    void selectPaperOption(int option);
    void selectOrientationOption(int option);

signals:
    void returned();

public slots:
    void Check_Click(Switch box);
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
    void showDefaultColors();

    GameSession &m_session;
    GamePrinter &m_printer;
    SessionView &m_view;
    TeacherControls m_ui;
};
