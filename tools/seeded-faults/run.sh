#!/usr/bin/env bash
# Measures how many seeded faults the test suite catches. Not part of CI.
#
# Usage: tools/seeded-faults/run.sh [PATCH...]
#   With no argument it tries every tools/seeded-faults/NNN-*.patch (about an hour on 2 cores);
#   otherwise only the patches named, each as a path, a file name or its number ("007" or "7").
#
# Each fault is applied with `git apply` to a clean checkout of the current commit (a git
# worktree of HEAD in a folder of its own, kept from fault to fault, with its own build folder
# so that rebuilds are incremental), built (`cmake --build -j2`; a fault that does not compile
# counts as caught by the build), and tested with `ctest -j2 --stop-on-failure`, plus
# tools/test-windows.sh when the patch touches a Windows-only file (src/*/win32/ or
# src/desktop/registry/). The checkout is then reset (`git checkout -- . && git clean -fdq`).
# It prints one line per fault, "NNN caught (tests|build|windows) | missed | does not apply",
# with the fault's description (the patch's lines before its first "diff --git"), then the total.
#
# Environment:
#   SEEDED_FAULTS_DIR  keep the checkout and its build folders in this folder between runs
#                      (later runs then rebuild only what changed); by default a temporary
#                      folder is made and removed at the end, with the worktree unregistered.
#   SEEDED_FAULTS_JOBS  tests run at once (default 2; the slowest tests mostly wait, so more
#                      than the cores shortens a run)
#   SEEDED_FAULTS_TEST_TIMEOUT  seconds one test may take (default 600), so a fault that hangs a
#                      test is reported as caught instead of stalling the run.
# The repository this script lives in is left as it was. The build and test output of each
# fault is kept in the work folder's logs/ while it exists.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
repo=$(git -C "$here" rev-parse --show-toplevel) || exit 2
head=$(git -C "$repo" rev-parse HEAD) || exit 2
timeout=${SEEDED_FAULTS_TEST_TIMEOUT:-600}
jobs=${SEEDED_FAULTS_JOBS:-2}

keep=0
if [ -n "${SEEDED_FAULTS_DIR:-}" ]; then
    work=$SEEDED_FAULTS_DIR
    keep=1
    mkdir -p "$work" || exit 2
else
    work=$(mktemp -d "${TMPDIR:-/tmp}/lullwick-faults.XXXXXX") || exit 2
fi
src=$work/src
build=$work/build
winbuild=$work/build-windows
logs=$work/logs
mkdir -p "$logs"

cleanup() {
    if [ -d "$src" ]; then
        git -C "$src" checkout -q -- . 2>/dev/null
        git -C "$src" clean -fdq 2>/dev/null
    fi
    if [ "$keep" = 0 ]; then
        git -C "$repo" worktree remove --force "$src" >/dev/null 2>&1
        rm -rf "$work"
        git -C "$repo" worktree prune >/dev/null 2>&1
    fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The patches to try.
patches=()
if [ $# -eq 0 ]; then
    for p in "$here"/[0-9][0-9][0-9]-*.patch; do
        [ -e "$p" ] && patches+=("$p")
    done
else
    for name in "$@"; do
        found=
        if [ -f "$name" ]; then
            found=$(cd "$(dirname "$name")" && pwd)/$(basename "$name")
        elif [ -f "$here/$name" ]; then
            found=$here/$name
        elif [[ "$name" =~ ^[0-9]+$ ]]; then
            for p in "$here"/$(printf '%03d' "$((10#$name))")-*.patch; do
                [ -e "$p" ] && found=$p
            done
        fi
        if [ -z "$found" ]; then
            echo "no such fault: $name" >&2
            exit 2
        fi
        patches+=("$found")
    done
fi

# The checkout of the current commit: made once, moved to HEAD when kept from an earlier run.
if [ -e "$src/.git" ]; then
    git -C "$src" checkout -q -- . && git -C "$src" clean -fdq &&
        git -C "$src" checkout -q --detach "$head" || exit 2
else
    git -C "$repo" worktree add -q --detach "$src" "$head" || exit 2
fi

describe() {
    sed -n '/^diff --git /q;p' "$1" | sed -e 's/^Fault: *//' | tr '\n' ' ' | sed -e 's/  */ /g' -e 's/ $//'
}

# The build folder, configured once as tools/run-tests.sh configures it.
if [ ! -f "$build/CMakeCache.txt" ]; then
    echo "Configuring $build" >&2
    cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLULLWICK_WERROR=ON \
        >"$logs/configure.log" 2>&1 || { echo "configure failed, see $logs/configure.log" >&2; exit 2; }
fi
echo "Building the unchanged commit in $build" >&2
if ! cmake --build "$build" -j2 >"$logs/base-build.log" 2>&1; then
    echo "the unchanged commit does not build, see $logs/base-build.log" >&2
    exit 2
fi

total=0
caught=0
missed=0
unapplied=0
for patch in "${patches[@]}"; do
    base=$(basename "$patch" .patch)
    number=${base%%-*}
    description=$(describe "$patch")
    log=$logs/$base.log
    : >"$log"
    if ! git -C "$src" apply --check "$patch" >>"$log" 2>&1; then
        echo "$number does not apply: $description"
        unapplied=$((unapplied + 1))
        continue
    fi
    total=$((total + 1))
    git -C "$src" apply "$patch"
    result=missed
    if ! cmake --build "$build" -j2 >>"$log" 2>&1; then
        result="caught (build)"
    elif ! ctest --test-dir "$build" -j"$jobs" --stop-on-failure --timeout "$timeout" >>"$log" 2>&1; then
        result="caught (tests)"
    elif git -C "$src" diff --name-only | grep -Eq '^src/[^/]+/win32/|^src/desktop/registry/'; then
        if ! "$src/tools/test-windows.sh" "$winbuild" >>"$log" 2>&1; then
            result="caught (windows)"
        fi
    fi
    git -C "$src" checkout -q -- . && git -C "$src" clean -fdq
    case $result in
    caught*) caught=$((caught + 1)) ;;
    *) missed=$((missed + 1)) ;;
    esac
    echo "$number $result: $description"
done

# Leave the build folder matching the unchanged commit for the next run.
[ "$keep" = 1 ] && cmake --build "$build" -j2 >/dev/null 2>&1

echo "caught $caught of $total ($missed missed)$([ "$unapplied" -gt 0 ] && echo ", $unapplied did not apply")"
