#pragma once

#include "desktop/desktopnotification.h"
#include "desktop/startup.h"
#include "desktop/tray.h"
#include "execution/shutdown.h"
#include "execution/sound.h"
#include "schedule/schedulelist.h"

#include <QImage>
#include <QStringList>
#include <vector>

// A notification area that keeps what the program shows in it.
class FakeTray final : public Tray {
public:
    bool isAvailable() const override { return available; }
    void AddTrayIcon(const QIcon& icon) override { image = icon.pixmap(16).toImage(); }
    void RemoveTrayIcon() override { image = {}; }
    void setToolTip(const QString& text) override { toolTip = text; }
    void setMenu(QMenu* newMenu) override { menu = newMenu; }
    void showMessage(const QString& title, const QString& text) override { messages << title + '|' + text; }
    bool visible() const { return !image.isNull(); }
    QImage image; // of the icon shown; null while none is
    QString toolTip;
    QMenu* menu = nullptr;
    QStringList messages;
    bool available = true;
};

class FakeStartup final : public StartupRegistration {
public:
    QString SetStartupEntry() override { return calls << "set", failure; }
    QString ClearStartupEntry() override { return calls << "clear", failure; }
    QStringList calls;
    QString failure;
};

class FakePower final : public PowerActions {
public:
    QString RequestExitWindows(int flags) override { return requests.push_back(flags), refusal; }
    bool canCarryOut(const QString& event) const override { return !cannot.contains(event); }
    std::vector<int> requests;
    QString refusal;
    QStringList cannot;
};

class FakeSound final : public WarningSound {
public:
    void PlayWarningSound(bool enabled) override { plays += enabled ? 1 : 0; }
    int plays = 0;
};

// A notification service that keeps what the program shows in it.
class FakeNotification final : public DesktopNotification {
public:
    void show(const Notice& notice) override
    {
        shown = notice.summary + '|' + notice.body;
        for (const Notice::Action& action : notice.actions)
            shown += '|' + action.caption;
        critical = notice.critical;
    }
    void close() override { shown.clear(); }
    QString shown; // "summary|body|action captions...", empty while none is shown
    bool critical = false;
};
