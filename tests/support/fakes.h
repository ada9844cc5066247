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

// A notification area that keeps what the program shows in it.
class FakeTray final : public Tray {
public:
    bool isAvailable() const override { return true; }
    void AddTrayIcon(const QIcon& icon) override { image = icon.pixmap(16).toImage(); }
    void RemoveTrayIcon() override { image = {}; }
    void setToolTip(const QString& text) override { toolTip = text; }
    bool visible() const { return !image.isNull(); }
    QImage image; // of the icon shown; null while none is
    QString toolTip;
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
    std::vector<int> requests;
    QString refusal;
};

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
    QString count = "10";
    bool abort = true;
    bool checking = true;
    int mainShown = 0;
    int trayAdds = 0;
    ScheduleList list;
};
