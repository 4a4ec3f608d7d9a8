#!/bin/sh
# Start-up measure: the time from process start to the main window on screen, for the
# configurator and for an empty Qt window of the same size, side by side on one virtual
# display. Prints both medians and their ratio (the target is at most 1.3).
#   bench/startup.sh [build-dir] [runs]
set -eu
build=${1:-build}
runs=${2:-7}
if [ -z "${STARTUP_DISPLAY_READY:-}" ]; then
    STARTUP_DISPLAY_READY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$runs"
fi
unset QT_QPA_PLATFORM
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT

# Milliseconds from the start of the process to its "on-screen" line.
elapsed() {
    start=$(date +%s%N)
    shown=$("$@" | sed -n 's/^on-screen //p')
    [ -n "$shown" ] || { echo "no window reached the screen: $*" >&2; exit 1; }
    echo $(( (shown - start) / 1000000 ))
}

median() { tr ' ' '\n' | sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

# A first run of each fills the file cache; the configurator's makes its folders.
elapsed "$build/bench/empty_window" > /dev/null
elapsed "$build/bench/vantrel_startup" "$folder" > /dev/null
app="" empty=""
i=0
while [ $i -lt "$runs" ]; do
    empty="$empty $(elapsed "$build/bench/empty_window")"
    app="$app $(elapsed "$build/bench/vantrel_startup" "$folder")"
    i=$((i + 1))
done
app_ms=$(echo $app | median)
empty_ms=$(echo $empty | median)
echo "configurator to main window on screen: $app_ms ms (runs:$app)"
echo "empty Qt window on screen:             $empty_ms ms (runs:$empty)"
awk -v a="$app_ms" -v e="$empty_ms" 'BEGIN { printf "ratio: %.2f\n", a / e }'
