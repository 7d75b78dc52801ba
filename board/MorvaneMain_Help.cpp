#include "board/MorvaneMain.h"

#include "app/widgets/WindowCentring.h"
#include "help/HelpDialog.h"
#include "teacher/Teacher.h"

void MorvaneMain::cmdHelp_Click()
{
    if (m_help == nullptr) {
        m_help = new HelpDialog(this);
        connect(m_help, &HelpDialog::returned, this, &MorvaneMain::showAfterDialog);
        connect(m_help, &HelpDialog::teacherRequested, this, &MorvaneMain::showTeacherDialog);
    }
    hide();
    centreOnScreen(*m_help);
    m_help->exec();
}

// The hidden way into the teacher settings: a double-click left of the help button.
void MorvaneMain::Image1_DblClick()
{
    hide();
    showTeacherDialog();
}

// Modal until its return button (or Esc, or the frame's close) hides it and shows this window.
void MorvaneMain::showTeacherDialog()
{
    centreOnScreen(*m_teacher);
    m_teacher->exec();
}

// Back from a dialog: shown, and made the active window again (which runs Form_Activate), also
// where no window manager hands the focus over to a window that appears.
void MorvaneMain::showAfterDialog()
{
    show();
    activateWindow();
}
