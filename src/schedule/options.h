#pragma once

#include <QString>

// The program's options, each with its default, and their bounds, in one place. Check boxes
// hold 0 (off) or 1 (on); a store may also hold 2, which shows half checked and counts as
// off. The countdown is kept as the text of its box, as typed or stored.
struct Options {
    int EventSound = 0;                       // "Enable Sound on Event"
    int AbortBtn = 1;                         // "Enable Abort Button"
    QString CountTimer = QStringLiteral("5"); // "Count Down Timer", in seconds
    int Startup = 1;                          // start at login
    int LogFile = 1;                          // "Log File"
    int StartMin = 0;                         // "Minimize on Startup"
    int NoticeMinutes = 5;                    // "Notify before an event", 0 for never

    // The largest value a check box holds.
    static constexpr int MaxCheckValue = 2;
    // The characters the countdown box takes when typed (a longer stored text is kept).
    static constexpr int CountdownTypedLength = 3;
    // What a countdown counts that is no whole number of seconds from 0 to 32767.
    static constexpr int FallbackSeconds = 10;
    // The longest notice before an event: a day.
    static constexpr int MaxNoticeMinutes = 24 * 60;

    static bool isOn(int checkValue) { return checkValue == 1; }
    // The countdown's length in seconds; a fraction rounds half to even.
    int countdownSeconds() const;
    // What the countdown box shows once the user leaves it: "10" for a text that is no
    // number or a negative one, anything else as typed.
    static QString correctedCountdown(const QString& typed);

    friend bool operator==(const Options&, const Options&) = default;
};
