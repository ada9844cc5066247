#pragma once

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <gtest/gtest.h>

// The letter after the single "&" of a caption, or nothing.
inline QChar mnemonic(const QString& caption)
{
    const qsizetype at = caption.indexOf(QLatin1Char('&'));
    const bool one = at >= 0 && at + 1 < caption.size() && caption.indexOf(QLatin1Char('&'), at + 1) < 0;
    return one && caption[at + 1].isLetter() ? caption[at + 1].toLower() : QChar();
}

// What every window owes its users. Over its visible controls: each caption and each
// selector's longest item fits in the font the desktop gives, no control sticks out of its
// parent and no two controls of one parent overlap. Over all its controls: every tab, button,
// check box and label of a control has a mnemonic of its own in the window; screen readers
// name every selector and text box by its label's caption (a text without a label by a name
// of its own).
inline void expectEveryControlFitsAndIsNamed(const QWidget* window)
{
    const QList<QWidget*> widgets = window->findChildren<QWidget*>();
    const auto shown = [&](const QWidget* w) {
        return w->isVisibleTo(window) && !w->objectName().startsWith(u"qt_");
    };
    for (const QWidget* widget : widgets) {
        if (!shown(widget))
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
        EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry())) << "sticks out";
        for (const QWidget* other : widgets) {
            if (other < widget && other->parentWidget() == widget->parentWidget() && shown(other)) {
                EXPECT_FALSE(widget->geometry().intersects(other->geometry()))
                    << "overlaps " << other->objectName().toStdString();
            }
        }
    }

    QStringList captions;
    for (const QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        for (int i = 0; i < tabs->count(); ++i)
            captions << tabs->tabText(i);
    }
    for (const QWidget* widget : widgets) {
        const auto* label = qobject_cast<const QLabel*>(widget);
        if (qobject_cast<const QPushButton*>(widget) || qobject_cast<const QCheckBox*>(widget))
            captions << qobject_cast<const QAbstractButton*>(widget)->text();
        else if (label && label->buddy())
            captions << label->text();
    }
    QMap<QChar, QString> taken;
    for (const QString& caption : captions) {
        const QChar letter = mnemonic(caption);
        EXPECT_FALSE(letter.isNull()) << "no mnemonic in " << caption.toStdString();
        EXPECT_FALSE(!letter.isNull() && taken.contains(letter))
            << caption.toStdString() << " and " << taken.value(letter).toStdString();
        taken.insert(letter, caption);
    }

    for (QWidget* field : widgets) {
        const bool text = qobject_cast<QTextEdit*>(field) || qobject_cast<QPlainTextEdit*>(field);
        if (!text && !qobject_cast<QComboBox*>(field) &&
            !(qobject_cast<QLineEdit*>(field) && !qobject_cast<QComboBox*>(field->parentWidget())))
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(field);
        ASSERT_NE(accessible, nullptr);
        QAccessibleInterface* caption = nullptr; // a frame's title is a further label of what it holds
        for (const auto& [labelling, relation] : accessible->relations(QAccessible::Label)) {
            if (qobject_cast<QLabel*>(labelling->object()))
                caption = labelling;
        }
        EXPECT_FALSE(!caption && !(text && !field->accessibleName().isEmpty()))
            << field->objectName().toStdString() << " has no name for screen readers";
        if (caption) {
            EXPECT_EQ(caption->text(QAccessible::Name),
                      qobject_cast<QLabel*>(caption->object())->text().remove(u'&'))
                << field->objectName().toStdString();
        }
    }
}
