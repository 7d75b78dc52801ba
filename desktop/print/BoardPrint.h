#pragma once

class GamePrinter;
class PrintProgress;
class QPainter;
class QRect;
class QWidget;
class Surface;

// Prints the play board in one of the two ways the teacher chooses between: the colour copy, which
// plots the board cell by cell on a page of 1280 x 960 units while the window shows its progress,
// or the window print, an image of the main window. Both set the paper size and orientation first
// (the game's printer codes). A step that fails is answered with one message and the steps after
// it still run, so the window always comes back to its normal state.
class BoardPrint
{
public:
    // `window` is the main window: the window print prints it, and messages are shown over it.
    BoardPrint(GamePrinter &printer, int paperSize, int orientation, QWidget &window);
    virtual ~BoardPrint() = default;
    BoardPrint(const BoardPrint &) = delete;
    BoardPrint &operator=(const BoardPrint &) = delete;

    void colourCopy(const Surface &board, PrintProgress &progress);
    void windowPrint();

protected:
    // Whether the game found a default printer at start; without one every printer step fails.
    virtual bool printerInstalled() const;
    // Tells the user that a step failed. A message box with an OK button over the window; it
    // returns when the box is closed.
    virtual void reportFailure();

private:
    void step(bool succeeded);
    void setPaper();
    bool setColourMode();
    bool openPage(QPainter &painter);
    QRect printableArea() const;
    bool printWindowImage();

    GamePrinter &m_printer;
    int m_paperSize;
    int m_orientation;
    QWidget &m_window;
};
