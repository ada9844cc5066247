#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <gtest/gtest.h>

// What every window owes its users, checked over all its visible controls: each caption and
// each selector's longest item fits in the font the desktop gives; each button and check box
// has a caption, each text box and selector a label that names it (its buddy) or a name of
// its own for screen readers; no control sticks out of its parent, and no two controls of one
// parent overlap.
inline void expectEveryControlFitsAndIsNamed(const QWidget* window)
{
    QList<const QWidget*> named;
    for (const QLabel* label : window->findChildren<QLabel*>())
        named << label->buddy();
    const QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (const QWidget* widget : widgets) {
        if (!widget->isVisibleTo(window) || widget->objectName().startsWith(u"qt_"))
            continue;
        SCOPED_TRACE(widget->objectName().toStdString() + " (" + widget->metaObject()->className() + ')');
        const auto* label = qobject_cast<const QLabel*>(widget);
        if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
            // A push button's size hint has a minimum width of its own: the text is what counts.
            EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 8, button->width())
                << "cut off";
            EXPECT_LE(button->fontMetrics().height() + 4, button->height()) << "cut off";
        } else if (qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QComboBox*>(widget) ||
                   (label && !label->wordWrap() && label->pixmap().isNull())) {
            EXPECT_LE(widget->sizeHint().width(), widget->width()) << "cut off";
            EXPECT_LE(widget->fontMetrics().height(), widget->height()) << "cut off";
        }
        if (widget->parentWidget() != nullptr && widget != window) {
            EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry())) << "sticks out";
        }
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            EXPECT_FALSE(button->text().isEmpty() && button->accessibleName().isEmpty()) << "no caption";
        }
        if (qobject_cast<const QComboBox*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
            qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget)) {
            EXPECT_TRUE(named.contains(widget) || !widget->accessibleName().isEmpty()) << "no name";
        }
        for (const QWidget* other : widgets) {
            if (other < widget && other->parentWidget() == widget->parentWidget() &&
                other->isVisibleTo(window) && !other->objectName().startsWith(u"qt_")) {
                EXPECT_FALSE(widget->geometry().intersects(other->geometry()))
                    << "overlaps " << other->objectName().toStdString();
            }
        }
    }
}
