#!/usr/bin/env bash
# Sets up and builds, then runs the main job.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh build
build/bin/netport list
