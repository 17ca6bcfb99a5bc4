#!/usr/bin/env bash
# Installs lunar-javascript, the reference Chinese calendar, into
# tools/node_modules (git-ignored), for the fixture writer and the calendar
# benchmark. Never run by the build or the tests.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
version="${LUNAR_JAVASCRIPT_VERSION:-1.7.7}"
npm install --prefix "$root/tools" --no-save --no-audit --no-fund "lunar-javascript@$version" >&2
