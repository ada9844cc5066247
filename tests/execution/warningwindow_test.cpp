#include "execution/warningwindow.h"
#include "support/fakes.h"
#include "support/tempenvironment.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

// The caption counts down to 0 from the count (not a number or negative: 10); the sound plays on even
// seconds left; the tick showing 0 asks for the event. Until then only Abort, if allowed, closes the
// window. In a dark theme at a large font the texts fit and stand out from the window's light background.
TEST(WarningWindow, CountdownTable)
{
    struct CountingSound final : WarningSound { // every play, whatever the sound option says
        void PlayWarningSound(bool) override { ++plays; }
        int plays = 0;
    } sound;
    TempEnvironment env;
    FakeWarningHost host;
    FakePower power;
    FakeNotification notification;
    const auto open = [&](const char* count, bool abort) {
        host.count = QLatin1String(count);
        host.abort = abort;
        auto w = std::make_unique<WarningWindow>(host, DueEvent{"07:30:00 PM", "Reboot", "Daily", "0"}, power,
                                                 sound, notification);
        w->show();
        return w;
    };
    QPalette dark(QColor(53, 53, 53), QColor(30, 30, 30));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(90, 90, 90));
    QApplication::setPalette(dark);
    QApplication::setFont(QFont(QApplication::font().family(), 28));
    const auto grey = [](const QColor& colour) { return qGray(colour.rgb()); };
    const struct {
        const char* count;
        bool abort;
        std::vector<int> captions;
        std::vector<int> playsAfterTick;
    } rows[] = {
        {"5", true, {4, 3, 2, 1, 0}, {0, 1, 1, 2, 2}},
        {"0", false, {0}, {0}},
        {"1", true, {1, 0}, {1, 1}},
        {"2", false, {1, 0}, {1, 1}},
        {"abc", true, {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}, {1, 1, 2, 2, 3, 3, 4, 4, 5, 5}},
        {"-3", false, {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}, {1, 1, 2, 2, 3, 3, 4, 4, 5, 5}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.count);
        sound.plays = 0;
        const auto w = open(row.count, row.abort);
        const auto* label = w->findChild<QLabel*>("Label1");
        const auto* button = w->findChild<QPushButton*>("btnAbort");
        std::vector<int> captions, plays;
        while (w->isVisible() && captions.size() < 20) {
            EXPECT_FALSE(w->close());
            EXPECT_EQ(button->isEnabled(), row.abort);
            if (!row.abort)
                QTest::keyClick(w.get(), Qt::Key_Escape);
            EXPECT_TRUE(w->isVisible());
            w->countDown();
            captions.push_back(button->text().section('(', 1).chopped(1).toInt());
            plays.push_back(sound.plays);
            // Text at least half the grey scale darker than its background.
            const QPalette &text = label->palette(), &caption = button->palette();
            EXPECT_GE(grey(text.window().color()) - grey(text.windowText().color()), 128);
            EXPECT_GE(grey(caption.color(QPalette::Disabled, QPalette::Button)) -
                          grey(caption.color(QPalette::Disabled, QPalette::ButtonText)),
                      128);
            EXPECT_TRUE(label->width() >= label->sizeHint().width() &&
                        button->width() >= button->sizeHint().width());
            EXPECT_TRUE(w->rect().contains(label->geometry()) && w->rect().contains(button->geometry()));
        }
        EXPECT_EQ(captions, row.captions);
        EXPECT_EQ(plays, row.playsAfterTick);
    }
    EXPECT_EQ(power.requests, std::vector<int>(std::size(rows), 6));

    const auto w = open("5", true);
    QTest::keyClick(w.get(), Qt::Key_Escape); // aborts, as Abort is allowed
    EXPECT_TRUE(!w->isVisible() && host.checking && host.trayAdds == 1 &&
                power.requests.size() == std::size(rows));
}
