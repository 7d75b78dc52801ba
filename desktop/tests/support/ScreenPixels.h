#pragma once

#include "core/board/Surface.h"
#include "desktop/board/widgets/SurfaceView.h"

#include <QCoreApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

// What the screen shows inside a surface view's border, read back from its window after the
// pending repaints ran. Unlike QWidget::grab(), which paints the widget afresh, this shows a
// drawing that reached the surface without a refresh of the view as missing.
inline QImage shownOnScreen(SurfaceView *view)
{
    QCoreApplication::processEvents();
    QWidget *window = view->window();
    const QRect inner(view->mapTo(window, view->innerOrigin()),
                      QSize(view->surface().width(), view->surface().height()));
    return window->screen()
        ->grabWindow(window->winId(), inner.x(), inner.y(), inner.width(), inner.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}
