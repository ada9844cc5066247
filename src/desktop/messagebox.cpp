#include "messagebox.h"

#include "appinfo.h"

#include <QMessageBox>

namespace {
MessageBoxHook hook;
}

void showMessage(QWidget* parent, const QString& text)
{
    const QString caption = QString::fromLatin1(AppTitle);
    if (hook) {
        hook(text, caption);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

void setMessageBoxHook(MessageBoxHook newHook)
{
    hook = std::move(newHook);
}
