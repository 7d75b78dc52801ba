#pragma once

#include <QDialog>
#include <QPointer>

#include <array>

class QFrame;
class QLabel;
class QPushButton;
class QToolButton;
class frmSplash;

// The help dialog: three sentences on how to play, the way to the teacher's settings and the
// version window. It asks for no window buttons; its return button, Esc and a close by the window
// manager (which may draw a close button all the same) hide it and then emit returned(), and a
// minimise is undone at once. The teacher button hides it and then emits teacherRequested(), which
// the main window answers by showing the teacher dialog.
class HelpDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr QSize ClientSize{363, 286}; // 5445 x 4290 twips

    explicit HelpDialog(QWidget *parent = nullptr);

    QFrame *Picture1() const { return m_picture; }
    // Label1 to Label4.
    QLabel *Label(int index) const;
    QToolButton *cmdRet() const { return m_cmdRet; }
    QToolButton *cmdTeacher() const { return m_cmdTeacher; }
    QPushButton *Command1() const { return m_command1; }
    // Null until the version window was first asked for.
    frmSplash *versionWindow() const;

signals:
    void returned();
    void teacherRequested();

public slots:
    void cmdRet_Click();
    void cmdTeacher_Click();
    void Command1_Click();

    void reject() override;

private:
    QFrame *m_picture = nullptr;
    std::array<QLabel *, 4> m_labels{};
    QToolButton *m_cmdRet = nullptr;
    QToolButton *m_cmdTeacher = nullptr;
    QPushButton *m_command1 = nullptr;
    QPointer<frmSplash> m_splash;
};
