#pragma once

class QString;

// What the colour copy shows while it runs, which blocks the event loop: so every call shows its
// change on the screen at once, not later.
class PrintProgress
{
public:
    virtual void showStatus(const QString &text) = 0;
    virtual void hideStatus() = 0;
    // Empties the bar's place; then the bar grows column by column.
    virtual void clearBar() = 0;
    virtual void growBar(int column) = 0;

protected:
    ~PrintProgress() = default;
};
