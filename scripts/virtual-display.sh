# Sourced by the scripts that show windows without a screen (the window tests, scripts/run.sh):
# when DISPLAY is unset, starts Xvfb on the first free display from :90 and exports DISPLAY.
# Argument: the screen's size, WIDTHxHEIGHTxDEPTH (always given: a script sourced without
# arguments would see its caller's).
# Sets CW_XVFB_PID to the Xvfb process the caller ends when done (empty when a display was there).
CW_XVFB_PID=
if [ -z "${DISPLAY:-}" ]; then
    for n in $(seq 90 150); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 "$1" -nolisten tcp >/dev/null 2>&1 &
        CW_XVFB_PID=$!
        sleep 1
        if kill -0 "$CW_XVFB_PID" 2>/dev/null; then
            export DISPLAY=":$n"
            break
        fi
        CW_XVFB_PID=
    done
    [ -n "$CW_XVFB_PID" ] || { echo "no free X display for Xvfb" >&2; exit 1; }
fi
