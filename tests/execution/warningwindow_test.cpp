#include "desktop/twips.h"
#include "execution/warningwindow.h"
#include "support/fakes.h"
#include "support/tempenvironment.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// WCAG contrast ratio of two colours.
double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF()) + 0.05;
    };
    return std::max(luminance(a), luminance(b)) / std::min(luminance(a), luminance(b));
}

// Counts every play, whatever the sound option says.
class CountingSound final : public WarningSound {
public:
    void PlayWarningSound(bool) override { ++plays; }
    int plays = 0;
};

class WarningWindowTest : public ::testing::Test {
protected:
    std::unique_ptr<WarningWindow> open(const char* count, bool abort)
    {
        host.count = QLatin1String(count);
        host.abort = abort;
        const DueEvent due{"07:30:00 PM", "Reboot", "Daily", "0"};
        auto window = std::make_unique<WarningWindow>(host, due, power, sound, notification);
        window->show();
        return window;
    }
    QPushButton* abortButton(WarningWindow& w) { return w.findChild<QPushButton*>("btnAbort"); }

    TempEnvironment env;
    FakeWarningHost host;
    FakePower power;
    CountingSound sound;
    FakeNotification notification;
};

} // namespace

// The caption counts down to 0 from the count (one that is not a number, or negative, counts 10);
// the sound plays on the even seconds left; the tick that shows 0 asks for the event. Until then
// nothing closes the window but Abort, when the option allows it.
TEST_F(WarningWindowTest, CountdownTable)
{
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
        std::vector<int> captions, plays;
        while (w->isVisible() && captions.size() < 20) {
            EXPECT_FALSE(w->close());
            EXPECT_EQ(abortButton(*w)->isEnabled(), row.abort);
            if (!row.abort)
                QTest::keyClick(w.get(), Qt::Key_Escape);
            EXPECT_TRUE(w->isVisible());
            w->countDown();
            captions.push_back(abortButton(*w)->text().section('(', 1).chopped(1).toInt());
            plays.push_back(sound.plays);
        }
        EXPECT_EQ(captions, row.captions);
        EXPECT_EQ(plays, row.playsAfterTick);
    }
    EXPECT_EQ(power.requests, std::vector<int>(std::size(rows), 6));

    const auto w = open("5", true);
    QTest::keyClick(w.get(), Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible()) << "Esc aborts when Abort is allowed";
    EXPECT_TRUE(host.checking && host.trayAdds == 1 && host.mainShown == 1);
    EXPECT_EQ(power.requests.size(), std::size(rows));
}

// Black and dark red on the window's own light background, in a light and a dark theme, at any
// font size; with Abort off the caption that counts down is as readable as the label.
TEST_F(WarningWindowTest, TextsFitAndStayReadableInAnyThemeAtAnyFontSize)
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette dark(QColor(53, 53, 53), QColor(30, 30, 30));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(90, 90, 90));
    for (const int points : {8, 28}) {
        for (const bool isDark : {false, true}) {
            SCOPED_TRACE(testing::Message() << points << (isDark ? " dark" : " light"));
            QFont font = QApplication::font();
            font.setPointSize(points);
            QApplication::setFont(font);
            QApplication::setPalette(isDark ? dark : QApplication::style()->standardPalette());
            const auto w = open("999", false);
            const QLabel* label = w->findChild<QLabel*>("Label1");
            QPushButton* button = abortButton(*w);
            for (int tick = 0; tick < 2; ++tick) {
                w->countDown();
                EXPECT_GE(contrast(label->palette().color(QPalette::WindowText),
                                   w->palette().color(QPalette::Window)),
                          4.5);
            }
            const QPalette caption = button->palette();
            EXPECT_GE(contrast(caption.color(QPalette::Disabled, QPalette::ButtonText),
                               caption.color(QPalette::Disabled, QPalette::Button)),
                      4.5);
            EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
            EXPECT_GE(button->width(), button->sizeHint().width());
            EXPECT_TRUE(w->rect().contains(label->geometry()) && w->rect().contains(button->geometry()));
            EXPECT_TRUE(w->width() >= px(3645) && w->height() >= px(1455));
        }
    }
}
