#include "desktop/twips.h"
#include "execution/warningwindow.h"
#include "support/fakes.h"
#include "support/tempenvironment.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// WCAG contrast ratio of two colours.
double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette darkPalette()
{
    QPalette dark(QColor(53, 53, 53), QColor(30, 30, 30));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(90, 90, 90));
    return dark;
}

class WarningWindowTest : public ::testing::Test {
protected:
    std::unique_ptr<WarningWindow> open(const QString& kind)
    {
        auto window = std::make_unique<WarningWindow>(
            host, DueEvent{QStringLiteral("07:30:00 PM"), kind, QStringLiteral("Daily"), QStringLiteral("0")},
            power, sound, notification);
        window->show();
        return window;
    }
    static QLabel* label(const WarningWindow& w) { return w.findChild<QLabel*>(QStringLiteral("Label1")); }
    static QPushButton* button(const WarningWindow& w)
    {
        return w.findChild<QPushButton*>(QStringLiteral("btnAbort"));
    }

    TempEnvironment env;
    FakeWarningHost host;
    FakePower power;
    FakeSound sound;
    FakeNotification notification;
};

} // namespace

// Every text is shown whole, whatever the font size, and the window never gets smaller than
// its designed size.
TEST_F(WarningWindowTest, GrowsToFitItsTextsAtAnyFontSize)
{
    host.count = QStringLiteral("999");
    for (const int points : {8, 11, 14, 18, 28}) {
        QFont font = QApplication::font();
        font.setPointSize(points);
        QApplication::setFont(font);
        for (const QString kind : {"Shutdown", "PowerOff", "Logoff", "Reboot"}) {
            host.abort = kind != QLatin1String("Reboot"); // with Abort off the button counts down
            const auto w = open(kind);
            w->countDown();
            SCOPED_TRACE(testing::Message() << points << " " << kind.toStdString());
            const QLabel* text = label(*w);
            EXPECT_GE(text->width(), text->fontMetrics().horizontalAdvance(text->text()));
            EXPECT_GE(text->height(), text->fontMetrics().height());
            EXPECT_GE(button(*w)->width(), button(*w)->sizeHint().width())
                << button(*w)->text().toStdString();
            EXPECT_TRUE(w->rect().contains(text->geometry()) && w->rect().contains(button(*w)->geometry()));
            EXPECT_TRUE(w->width() >= px(3645) && w->height() >= px(1455));
        }
    }
}

// Black and dark red on the window's own light background, in a light and a dark theme; with
// Abort off the caption that counts down is as readable as the label.
TEST_F(WarningWindowTest, TextsKeepTheirContrastInADarkTheme)
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    for (const bool dark : {false, true}) {
        QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
        host.abort = false;
        const auto w = open(QStringLiteral("Reboot"));
        const QColor background = w->palette().color(QPalette::Window);
        for (int tick = 0; tick < 2; ++tick) {
            w->countDown();
            EXPECT_GE(contrast(label(*w)->palette().color(QPalette::WindowText), background), 4.5)
                << dark << tick;
        }
        const QPalette caption = button(*w)->palette();
        EXPECT_GE(contrast(caption.color(QPalette::Disabled, QPalette::ButtonText),
                           caption.color(QPalette::Disabled, QPalette::Button)),
                  4.5)
            << dark;
    }
}
