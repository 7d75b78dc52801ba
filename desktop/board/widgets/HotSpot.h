#pragma once

#include <QWidget>

// An invisible place on a window that answers a double-click: the teacher's hidden way in.
class HotSpot : public QWidget
{
    Q_OBJECT

public:
    explicit HotSpot(QWidget *parent = nullptr);

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
