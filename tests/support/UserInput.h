#pragma once

#include <QComboBox>
#include <QLineEdit>
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

} // namespace UserInput
