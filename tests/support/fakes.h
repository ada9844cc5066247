#pragma once

#include "desktop/desktopnotification.h"
#include "desktop/startup.h"
#include "desktop/tray.h"
#include "execution/shutdown.h"
#include "execution/sound.h"
#include "execution/warningwindow.h"
#include "schedule/schedulelist.h"

#include <QImage>
#include <QStringList>
#include <vector>

// A notification area that records what the program shows in it.
class FakeTray final : public Tray {
public:
    bool isAvailable() const override { return available; }
    void AddTrayIcon(const QIcon& icon) override
    {
        visible = true;
        image = icon.pixmap(16).toImage();
        calls << QStringLiteral("add");
    }
    void RemoveTrayIcon() override
    {
        visible = false;
        calls << QStringLiteral("remove");
    }
    void setToolTip(const QString& text) override { toolTip = text; }
    void click() { emit showWindowRequested(); }

    bool available = true;
    bool visible = false;
    QImage image;
    QStringList calls;
    QString toolTip;
};

// Start-at-login that records the calls and fails when told to.
class FakeStartup final : public StartupRegistration {
public:
    QString SetStartupEntry() override
    {
        calls << QStringLiteral("set");
        return failure;
    }
    QString ClearStartupEntry() override
    {
        calls << QStringLiteral("clear");
        return failure;
    }

    QStringList calls;
    QString failure;
};

// Power actions that record each request and answer with `refusal` (empty: accepted).
class FakePower final : public PowerActions {
public:
    QString RequestExitWindows(int flags) override
    {
        requests.push_back(flags);
        return refusal;
    }

    std::vector<int> requests;
    QString refusal;
};

// A player that counts the clips it played.
class FakeSound final : public WarningSound {
public:
    void PlayWarningSound(bool enabled) override { plays += enabled ? 1 : 0; }

    int plays = 0;
};

// A desktop without a notification service.
class FakeNotification final : public DesktopNotification {
public:
    void show(const QString&, const QString&, bool) override {}
    void close() override {}
};

// The main window's part in a countdown, recorded.
class FakeWarningHost final : public WarningHost {
public:
    void setScheduleCheck(bool running) override { checking = running; }
    void showMainWindow() override { ++mainShown; }
    void AddTrayIcon() override { ++trayAdds; }
    QString countTimerText() const override { return count; }
    bool abortEnabled() const override { return abort; }
    bool soundEnabled() const override { return false; }
    bool logEnabled() const override { return false; }
    ScheduleList& schedule() override { return list; }
    QString saveQuietly() override { return {}; }

    QString count = QStringLiteral("10");
    bool abort = true;
    bool checking = true;
    int mainShown = 0;
    int trayAdds = 0;
    ScheduleList list;
};
