#!/bin/sh
# Runs a command on a Wayland compositor of its own: weston's headless backend, in a private
# runtime folder, ended when the command ends. KYMORA_OUTPUT_SIZE (such as 1920x1080) sets the
# size of its output.
set -u
size=${KYMORA_OUTPUT_SIZE:-}
output=${size:+--width=${size%x*} --height=${size#*x}}
runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=kymora-test
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=$socket --idle-time=0 $output \
    >"$runtime/weston.log" 2>&1 &
weston=$!
tries=0
while [ ! -S "$runtime/$socket" ] && [ $tries -lt 100 ]; do
    sleep 0.1
    tries=$((tries + 1))
done
if [ ! -S "$runtime/$socket" ]; then
    echo "run-on-weston: weston did not start" >&2
    cat "$runtime/weston.log" >&2
    kill $weston 2>/dev/null
    rm -rf "$runtime"
    exit 1
fi
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$@"
status=$?
kill $weston 2>/dev/null
wait $weston 2>/dev/null
rm -rf "$runtime"
exit $status
