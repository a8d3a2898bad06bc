#!/usr/bin/env bash
# Starts the desktop program; without a display it says so and shows the status of the same
# program folder on the command line instead.
set -euo pipefail
build_dir=${1:-build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Keine grafische Anzeige vorhanden (DISPLAY ist nicht gesetzt): zeige den Status auf der Kommandozeile."
  exec "$build_dir/bin/orvosal-cli" status
fi
exec "$build_dir/bin/orvosal"
