#!/bin/sh
# Reads the running demo program as a screen reader does: a display of its own (Xvfb), a session bus
# with the desktop's accessibility bus, the program with Qt's accessibility on, then
# lecteur_ecran.py walks it through AT-SPI. Usage: lecteur_ecran.sh VIMRA DATA_FOLDER
set -eu
VIMRA=$1
DONNEES=$2
ICI=$(dirname "$0")
for outil in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$outil" >/dev/null 2>&1 || { echo "SKIPPED: $outil is not installed"; exit 0; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIPPED: python3-pyatspi is not installed"; exit 0; }

# The program in a folder of its own, with what it is delivered with: nothing of the build folder's
# settings or journals is touched.
DOSSIER=$(mktemp -d)
XVFB=
trap 'kill $XVFB 2>/dev/null; rm -rf "$DOSSIER"' EXIT
trap 'exit 1' INT TERM # a time-out still takes the display and the folder away
cp "$VIMRA" "$DOSSIER/vimra"
cp -r "$DONNEES"/. "$DOSSIER/"

exec 3>"$DOSSIER/ecran"
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
XVFB=$!
for _ in $(seq 50); do [ -s "$DOSSIER/ecran" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$DOSSIER/ecran")"
export HOME="$DOSSIER" XDG_RUNTIME_DIR="$DOSSIER" XDG_CONFIG_HOME="$DOSSIER/.config"

dbus-run-session -- sh -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    sleep 1
    cd "$1" && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb ./vimra --demo >/dev/null 2>&1 &
    PROGRAMME=$!
    /usr/bin/python3 "$2/lecteur_ecran.py"
    statut=$?
    kill $PROGRAMME 2>/dev/null
    exit $statut
' lecteur "$DOSSIER" "$ICI"
