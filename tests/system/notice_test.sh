#!/usr/bin/env bash
# Before an entry runs, seen from outside: the notice and its actions at the notification service, the
# warning's Postpone under a window manager, and the tray's menu as the notification area gets it. Each
# row starts the program on a clock set a little before one PowerOff entry at 07:25:00 PM; no row may
# lead to a power request.  with-xvfb.sh fake-logind.sh run fakeservice.py trayhost+notifications run THIS PROGRAM
set -euo pipefail
source "$(dirname "$0")/../support/scripttest.sh"
program=$1
notifier=(session org.freedesktop.Notifications /org/freedesktop/Notifications)
logind=(system org.freedesktop.login1 /org/freedesktop/login1)
watcher=(session org.kde.StatusNotifierWatcher /StatusNotifierWatcher)
call() { gdbus call --"$1" -d "$2" -o "$3" -m "$4" -- "${@:5}"; } # BUS NAME PATH METHOD ARGS...
mock() { call "${@:1:3}" org.freedesktop.DBus.Mock."$4" "${@:5}"; }
noticed() { # the notice of the entry, with $left to go
    [[ $(mock "${notifier[@]}" GetCalls) == *"<'PowerOff at 07:25:00 PM'>, <'Next: PowerOff today at 07:25:00 PM ("$left")'>, \
<['postpone', 'Postpone 10 min', 'skip', 'Skip this time']>, <{'desktop-entry': <'lullwick'>, 'urgency': <byte 0x01>}>"* ]]
}
warning() { xdotool search --onlyvisible --name '^Warning\.\.\.\.$' 2>/dev/null; }
mock "${notifier[@]}" AddMethod org.freedesktop.Notifications Notify 'susssasa{sv}i' u 'ret = args[1] or 7' >/dev/null
HOME=$work openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
xmessage -name other other 2>/dev/null &
pids+=($!)
wait_for 20 eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "#" && other=$(xdotool search --name "^other\$")' ||
    fail "no window manager or no other window"

answer() { # KEY: chooses an action of the notice; a skipped run does not count down
    mock "${notifier[@]}" EmitSignal org.freedesktop.Notifications ActionInvoked us "[<uint32 7>, <'$1'>]" >/dev/null
    [[ $1 != skip ]] || ! wait_for 7 warning >/dev/null || fail "a countdown after Skip"
}
press_postpone() { # in the warning, once it came back to the front from another window
    wait_for 15 warning >/dev/null || fail "no warning"
    local w && w=$(warning) && wait_for 5 eval '[[ $(xdotool getactivewindow) == "$w" ]]' || fail "the warning is not active"
    read -r flags functions decorations _ < <(xprop -id "$w" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g') &&
        ((flags & 3 && !(functions & 0x18) && !(decorations & 0x60))) || fail "the warning can be minimised or maximised"
    stdbuf -oL xprop -root -spy _NET_ACTIVE_WINDOW >"$work/active" &
    pids+=($!)
    wait_for 5 test -s "$work/active" && xdotool windowactivate "$other" &&
        wait_for 10 eval 'sed -n "/$(printf %#x "$other")\$/,\$p" "$work/active" | grep -q "$(printf %#x "$w")\$"' ||
        fail "the warning did not come back to the front: $(cat "$work/active")"
    local notices && notices=$(mock "${notifier[@]}" GetCalls)
    [[ $notices == *"<['abort', 'Abort', 'postpone', 'Postpone']>, <{'desktop-entry': <'lullwick'>, 'urgency': <byte 0x02>}>"* &&
        $notices != *"byte 0x01"* ]] || fail "not the countdown's notification alone: $notices"
    xdotool key alt+p && wait_for 10 eval '! warning >/dev/null' || fail "Postpone did not end the countdown"
}
use_tray_menu() { # a left click shows the window; the menu's items, each clicked, change the tooltip
    item() { mock "${watcher[@]}" GetCalls | grep -o "':[0-9.]*'" | tail -n1 | tr -d "'"; }
    sni() { call session "$(item)" /StatusNotifierItem "$@"; }
    menu() { call session "$(item)" "$(sni org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierItem Menu |
        grep -o "'/[^']*'" | tr -d "'")" com.canonical.dbusmenu."$1" "${@:2}"; }
    click() { menu Event "$(menu GetLayout 0 -1 '[]' | grep -oP "<\(\K[0-9]+(?=, \{[^}]*'label': <'$1'>)")" clicked '<0>' 0; }
    sni org.kde.StatusNotifierItem.Activate 0 0 >/dev/null
    wait_for 10 eval '[[ -n $(xdotool search --onlyvisible --name "^Lullwick\$" 2>/dev/null) ]]' || fail "no window on a click"
    local rest && rest=$(menu GetLayout 0 -1 '[]') || fail "the tray's item has no menu"
    for label in "'_Show Lullwick'" "<false>, 'label': <'Next: PowerOff today at 07:25:00 PM (in 5 min)'>" \
        "'_Postpone Next by 10 Minutes'" "'S_kip Next'" "'_Disable'" "'E_xit'"; do
        [[ $rest == *"$label"* ]] || fail "the tray's menu lacks $label, in its place: $(menu GetLayout 0 -1 '[]')"
        rest=${rest#*"$label"}
    done
    for step in "S_kip Next|Next: PowerOff tomorrow at" "_Disable|Scheduler stopped" "Sta_rt|Next: PowerOff tomorrow at"; do
        IFS='|' read -r label tip <<<"$step"
        wait_for 10 click "$label" >/dev/null &&
            wait_for 10 eval '[[ $(sni org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierItem ToolTip) == *"$tip"* ]]' ||
            fail "\"$label\" in the tray's menu did not lead to \"$tip\""
    done
}
saved() { # the entry with $status and, after a postponement, a "Once" entry at the time logged
    until=$(grep -oP 'until \K[^"]*' "$log" || true) && stored=$(tr '\n' ' ' <"$store")
    [[ $stored == "[1] SetTime=12/14/2026 07:25:00 PM Status=$status Frequency=$frequency Event=PowerOff $options"* &&
        (-z $until || $stored == *"[2] SetTime=12/14/2026 $until Status=Enabled Frequency=Once Event=PowerOff $options"*) ]]
}

# starts at | frequency | NoticeMinutes | the notice's time left | what the user does | the log's line | status after
rows=(
    "19:23:58|Once|1|in [1l]*|answer postpone|postponed at 7:25:00 PM on 12/14/2026: until 07:34:0[0-9] PM|Disabled"
    "19:24:56|Daily|1|in less than a minute|answer skip|skipped at 7:25:00 PM on 12/14/2026\"|Enabled"
    "19:24:58|Once|0||press_postpone|postponed at 7:25:0[0-9] PM on 12/14/2026: until 07:35:0[0-9] PM|Disabled"
    "19:20:00|Daily|5|in 5 min|use_tray_menu|skipped at 7:25:00 PM on 12/14/2026\"|Enabled"
)
for row in "${rows[@]}"; do
    IFS='|' read -r start frequency minutes left act logged status <<<"$row"
    home=$work/$start && store=$home/config/Lullwick/Lullwick.ini log=$home/data/Lullwick/LogFile.log
    mkdir -p "$home/config/Lullwick" "$home/data" && mkdir -m 700 "$home/run"
    options="Sound=0 AbortBtn=1 CountTimer=30 Startup=0 LogFile=1 StartMin=1 NoticeMinutes=$minutes"
    printf '[1]\nSetTime=12/14/2026 07:25:00 PM\nStatus=Enabled\nFrequency=%s\nEvent=PowerOff\n%s\n' "$frequency" \
        "${options// /$'\n'}" >"$store"
    for fake in "${notifier[*]}" "${logind[*]}" "${watcher[*]}"; do mock $fake ClearCalls >/dev/null; done
    HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/run QT_QPA_PLATFORM=xcb \
        LC_ALL=C.UTF-8 LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 FAKETIME="@2026-12-14 $start" \
        "$program" >>"$work/app.log" 2>&1 &
    app=$! && pids+=("$app")
    [[ -z $left ]] || wait_for 10 noticed || fail "$row: no notice, $left ahead: $(mock "${notifier[@]}" GetCalls)"
    $act
    wait_for 5 eval 'grep -qs "^\"PowerOff $logged" "$log"' || fail "$row: not logged: $(cat "$log")"
    wait_for 5 saved || fail "$row: stored $stored"
    [[ $(mock "${logind[@]}" GetCalls | grep -oE "'[A-Z][a-zA-Z]*'" | grep -v "'Can") == "" ]] ||
        fail "$row: a power request: $(mock "${logind[@]}" GetCalls)"
    kill "$app" && wait "$app" || true
done
