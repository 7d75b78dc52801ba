#pragma once

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QStringList>
#include <QTest>

// Input as a user makes it, for widget tests.
namespace UserInput {

// What the mouse sends for one double-click: press, release, double-click, release.
// QTest::mouseDClick alone sends only the double-click event. A null `at` is the widget's centre.
inline void doubleClick(QWidget *widget, Qt::MouseButton button = Qt::LeftButton,
                        QPoint at = QPoint())
{
    QTest::mousePress(widget, button, {}, at);
    QTest::mouseRelease(widget, button, {}, at);
    QTest::mouseDClick(widget, button, {}, at);
    QTest::mouseRelease(widget, button, {}, at);
}

// Selects the whole text of an editable combo box and types `text` over it.
inline void replaceText(QComboBox *box, const QString &text)
{
    QLineEdit *edit = box->lineEdit();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// A key held down on `widget` until the keyboard repeats it `repeats` times, then let go, as X11
// reports it: the press, a repeated release and press for each repeat, the release.
inline void holdKey(QWidget *widget, Qt::Key key, int repeats)
{
    const QPointer<QWidget> target = widget;
    const Qt::KeyboardModifiers keypad = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QStringLiteral("\r");
    const auto send = [&](QEvent::Type type, bool repeated) {
        QKeyEvent event(type, key, keypad, text, repeated);
        if (target)
            QApplication::sendEvent(target, &event);
    };
    send(QEvent::KeyPress, false);
    for (int repeat = 0; repeat < repeats; ++repeat) {
        send(QEvent::KeyRelease, true);
        send(QEvent::KeyPress, true);
    }
    send(QEvent::KeyRelease, false);
}

// The object names of the focus widget and of each widget that Tab moves the focus to next.
inline QStringList tabRound(int presses)
{
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int press = 0; press < presses; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    return visited;
}

} // namespace UserInput
