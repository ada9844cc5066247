#pragma once

#include "controller.h"

#include <QDBusContext>
#include <QObject>

// The object behind the D-Bus interface: each method is the controller's command of that name,
// a refusal becomes a D-Bus error with the message. The interface's adaptor is generated from
// its XML description and calls these methods.
class DBusService : public QObject, protected QDBusContext {
    Q_OBJECT
    // The tooltip's line.
    Q_PROPERTY(QString Next READ status NOTIFY NextChanged)

public:
    explicit DBusService(Controller& controller, QObject* parent = nullptr);

    QString status() const;

    QStringList List();
    QString Next();
    QString Add(const QString& entry);
    QString AddIn(uint minutes, const QString& event);
    void Delete(uint entry);
    void Enable(uint entry);
    void Disable(uint entry);
    void Postpone(uint minutes);
    void SkipNext();
    void Start();
    void Stop();
    void Show();
    void Quit();

signals:
    void NextChanged(const QString& next);

private:
    // The command's output; a refusal is sent as the call's error.
    QStringList run(Command command, const QVariantList& arguments = {});
    void onStatusChanged(const QString& status);

    Controller& m_controller;
};
