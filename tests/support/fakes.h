#pragma once

#include "desktop/startup.h"
#include "desktop/tray.h"
#include "execution/shutdown.h"
#include "execution/sound.h"

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

// A player that records what it was asked to play.
class FakeSound final : public WarningSound {
public:
    int plays = 0;

protected:
    void play(const QString&) override { ++plays; }
};
