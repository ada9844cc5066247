#include "messagebox.h"

#include "appinfo.h"

#include <QMessageBox>
#include <QPushButton>

namespace {
MessageBoxHook hook;
QuestionHook questionHook;
} // namespace

namespace {

void show(QWidget* parent, const QString& text, QMessageBox::Icon icon)
{
    const QString caption = QString::fromLatin1(AppTitle);
    if (hook) {
        hook(text, caption);
        return;
    }
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

void showMessage(QWidget* parent, const QString& text)
{
    show(parent, text, QMessageBox::NoIcon);
}

void showWarning(QWidget* parent, const QString& text)
{
    show(parent, text, QMessageBox::Warning);
}

void setMessageBoxHook(MessageBoxHook newHook)
{
    hook = std::move(newHook);
}

bool askQuestion(QWidget* parent, const QString& text, const QString& accept, const QString& reject)
{
    const QString caption = QString::fromLatin1(AppTitle);
    if (questionHook)
        return questionHook(text, caption);
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::NoButton, parent);
    QPushButton* acceptButton = box.addButton(accept, QMessageBox::AcceptRole);
    QPushButton* rejectButton = box.addButton(reject, QMessageBox::RejectRole);
    box.setDefaultButton(rejectButton);
    box.setEscapeButton(rejectButton);
    box.exec();
    return box.clickedButton() == acceptButton;
}

void setQuestionHook(QuestionHook newHook)
{
    questionHook = std::move(newHook);
}
