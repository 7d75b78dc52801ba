#pragma once

#include <QEvent>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>
#include <QWidget>

// Collects what a widget repaints, in the widget's coordinates.
class RepaintRecorder : public QObject
{
public:
    explicit RepaintRecorder(QWidget *widget) { widget->installEventFilter(this); }

    QRegion repainted;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            repainted += static_cast<QPaintEvent *>(event)->region();
        return QObject::eventFilter(watched, event);
    }
};
