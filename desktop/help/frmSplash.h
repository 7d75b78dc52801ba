#pragma once

#include <QPixmap>
#include <QWidget>

#include <array>

class QLabel;

// The title window: the title picture, the date and version of the game and the credits line,
// inside a 3-pixel border and without a title bar. A click anywhere on it hides it (it stays
// alive), except while start-up holds it on the screen.
class frmSplash : public QWidget
{
    Q_OBJECT

public:
    static constexpr int BorderWidth = 3;

    explicit frmSplash(QWidget *parent = nullptr);

    // While off, clicks and close requests leave the window on the screen.
    void setRespondsToUser(bool on) { m_respondsToUser = on; }
    bool respondsToUser() const { return m_respondsToUser; }

    // Label1(0) to Label1(3).
    QLabel *Label1(int index) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QPixmap m_picture;
    std::array<QLabel *, 4> m_labels{};
    bool m_respondsToUser = true;
};
