#!/usr/bin/env bash
# Builds the browser game and serves it at http://127.0.0.1:8080/ (PORT=N serves another port)
# until Ctrl+C.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build-web.sh
exec node web/serve.mjs --dir build-web/site --port "${PORT:-8080}"
