#!/usr/bin/env bash
# Sets up and builds (scripts/setup.sh: only the packages the main job needs),
# then runs the main job: with a display it opens the add-port wizard; without
# one it runs the tour, which adds, configures and deletes ports through the
# real windows and saves a picture of each window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh build
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "Opening the add-port wizard (the port goes to ${XDG_DATA_HOME:-$HOME/.local/share}/netport/ports.db)."
    build/bin/netport add
    build/bin/netport list
else
    build/bin/netport tour --screenshots tour-pictures
    echo "The pictures of every window are in $(pwd)/tour-pictures"
fi
