#pragma once

#include "app/settings/GameSettings.h"
#include "board/MorvaneMainControls.h"
#include "board/print/GamePrinter.h"
#include "board/raster/Surface.h"
#include "patterns/RandomSequence.h"
#include "teacher/SwitchTarget.h"

#include <QPointF>
#include <QWidget>

class HelpDialog;
class Teacher;

// The game's one main window: the play board, the graph strip under it and the column of
// controls. It loads the settings as it is made (Form_Load) and lives until the game ends.
class MorvaneMain : public QWidget, public SwitchTarget
{
    Q_OBJECT

public:
    static constexpr QSize ClientSize{731, 506}; // 10965 x 7590 twips

    explicit MorvaneMain(GameSettings &settings, QWidget *parent = nullptr);

    GameSettings &settings() { return m_settings; }
    Surface &boardSurface() { return m_board; }
    Surface &stripSurface() { return m_strip; }
    GamePrinter &printer() { return m_printer; }
    RandomSequence &randomSequence() { return m_random; }
    const MorvaneMainControls &controls() const { return m_ui; }
    // The teacher settings dialog, made hidden while the settings load; the help dialog, made
    // the first time it is asked for (null until then).
    Teacher *teacherDialog() const { return m_teacher; }
    HelpDialog *helpDialog() const { return m_help; }

    // Shows on the screen what was drawn into the board or the strip.
    void refreshBoard();
    void refreshStrip();

    // Whether the children may change the paint colours with the swatches now.
    bool colorChangeAllowed() const;

    // The teacher dialog's boxes that act on this window: the measurement, pattern and
    // picture-file buttons, and the window's size.
    void switchChanged(Switch which, bool on) override;

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
    void Form_Load();
    void Form_Activate();
    void LoadSettings();
    void setPatternChoiceEnabled(bool enabled);
    void showTeacherDialog();
    void showAfterDialog();
    void setSwatchPointers(bool colorChangeAllowed);
    // The teacher's screen setting: maximized or the window's own size.
    void setMaximized(bool maximized);
    void applySizeLimits();
    void followScreenMode();
    void stepColor(int index);
    void showNewBoard();
    void showSquaresIfAsked();

    GameSettings &m_settings;
    Surface m_board;
    Surface m_strip;
    Surface m_PicOrignal; // holds the built-in picture; never shown
    RandomSequence m_random;
    GamePrinter m_printer;
    MorvaneMainControls m_ui;
    Teacher *m_teacher = nullptr;
    HelpDialog *m_help = nullptr;
    bool m_screenMode = false;
    bool m_screenModePending = false;
};
