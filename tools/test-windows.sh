#!/bin/sh
# Cross-compiles the Windows-only code and its tests with mingw-w64 and runs them under Wine
# in a temporary Wine prefix. Needs the Debian packages cmake, g++-mingw-w64-x86-64-posix,
# wine, wine64 and googletest. Usage: tools/test-windows.sh [build folder]
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build-win"}

WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/lullwick-wine.XXXXXX")
WINEDEBUG=-all
# No .NET or HTML engine: the tests need neither, and Wine would offer to download them.
WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Set the prefix up before any test starts: a first start inside test discovery prints
# set-up messages and makes it fail.
echo "Creating Wine prefix $WINEPREFIX"
# Windows get Wine's null display driver: tests create hidden windows only. It is set before
# the set-up's server ends, so that no process of the run ever starts with another driver.
null_driver() { wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1; }
wineboot --init
null_driver
wineserver -w
# One Wine server and its background services for the whole run, started here (by a first
# program) with their output away from the tests' pipes (a service holding a test's output
# open makes CTest wait for it to end).
wineserver -p </dev/null >/dev/null 2>&1
null_driver

generator=
if command -v ninja >/dev/null 2>&1; then
    generator="-G Ninja"
fi
# shellcheck disable=SC2086 # $generator is one optional word
cmake -S "$root/tests/windows" -B "$build" $generator \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Debug -DLULLWICK_WERROR=ON
cmake --build "$build" -j2
ctest --test-dir "$build" --output-on-failure
