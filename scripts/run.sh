#!/usr/bin/env bash
# Builds the viewer and starts it on the bundled (synthetic) sample data set.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build/data
exec ../drelmiks
