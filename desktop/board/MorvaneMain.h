#pragma once

#include "core/session/GameSession.h"
#include "core/settings/GameSettings.h"
#include "desktop/board/MorvaneMainControls.h"
#include "desktop/print/GamePrinter.h"
#include "desktop/teacher/SessionView.h"

#include <QPointF>
#include <QWidget>

class HelpDialog;
class Teacher;

// The game's one main window: the play board, the graph strip under it and the column of
// controls. It holds the game's session, shows it and turns the children's input into its calls.
// It loads the settings as it is made (Form_Load) and lives until the game ends.
class MorvaneMain : public QWidget, public SessionView
{
    Q_OBJECT

public:
    static constexpr QSize ClientSize{731, 506}; // 10965 x 7590 twips

    // `start` holds what the start-up knows before the store is read (the size in effect).
    explicit MorvaneMain(const GameSettings &start, QWidget *parent = nullptr);

    GameSession &session() { return m_session; }
    const GameSettings &settings() const { return m_session.settings(); }
    const Surface &boardSurface() const { return m_session.board(); }
    const Surface &stripSurface() const { return m_session.strip(); }
    // Copies of what the board and the strip show now.
    QImage boardImage() const;
    QImage stripImage() const;
    GamePrinter &printer() { return m_printer; }
    RandomSequence &randomSequence() { return m_session.randomSequence(); }
    const MorvaneMainControls &controls() const { return m_ui; }
    // The teacher settings dialog, made hidden while the settings load; the help dialog, made
    // the first time it is asked for (null until then).
    Teacher *teacherDialog() const { return m_teacher; }
    HelpDialog *helpDialog() const { return m_help; }

    // Shows on the screen what was drawn into the board or the strip.
    void refreshBoard();
    void refreshStrip();

    // Shows what a call on the session changed: the board's rectangle, the strip, the swatches,
    // the controls that may be used, the squares and the window's size.
    void showChanges(const SessionChanges &changes) override;

public slots:
    void picClient_MouseDown(Qt::MouseButton button, QPointF position);
    void PicIndicate_MouseDown(int index);
    void PicIndicate_DblClick(int index);
    void ColCheck_Click();
    void cmdEnd_Click();
    void cmdHelp_Click();

    void MakeRandom_Click();
    void MakeGrid_Click();
    void MakeGridSmall_Click();
    void MakeNaname_Click();
    void Makesennuki_Click();
    void MakeTriangle_Click();

    void OriginalImage_Click();
    void cmdFileOpen_Click();
    void Image1_DblClick();

    void cmdRedraw_Click();

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void connectControls();
    void Form_Load(const GameSettings &start);
    void Form_Activate();
    void LoadSettings(GameSettings settings);
    void showEnabledControls();
    void showTeacherDialog();
    void showAfterDialog();
    void setSwatchPointers(bool allowed);
    // The teacher's screen setting: maximized or the window's own size.
    void setMaximized(bool maximized);
    void applySizeLimits();
    void followScreenMode();
    void showSwatches();
    void makePattern(Pattern pattern);

    GameSession m_session;
    GamePrinter m_printer;
    MorvaneMainControls m_ui;
    Teacher *m_teacher = nullptr;
    HelpDialog *m_help = nullptr;
    bool m_screenMode = false;
    bool m_screenModePending = false;
};
