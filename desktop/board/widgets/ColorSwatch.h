#pragma once

#include <QRgb>
#include <QWidget>

// A side's colour swatch: a small sunken panel in that side's paint colour. Every press, with any
// button, and every double-click event asks for one colour step; a release asks for nothing. A
// real double-click (press, release, double-click, release) therefore asks twice.
class ColorSwatch : public QWidget
{
    Q_OBJECT

public:
    explicit ColorSwatch(QWidget *parent = nullptr);

    // Light grey until the game colours it.
    QRgb BackColor() const { return m_backColor; }
    void setBackColor(QRgb color);

signals:
    void pressed();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    // Overridden so that the base class does not turn the double-click into a second press.
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QRgb m_backColor = qRgb(192, 192, 192);
};
