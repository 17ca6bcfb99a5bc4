#!/usr/bin/env bash
# Installs lunar-javascript into tools/node_modules (git-ignored) and rewrites
# tests/birthchart/CalendarReference.txt from it. Run by hand, never by the
# build or the tests.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
version="${LUNAR_JAVASCRIPT_VERSION:-1.7.7}"
npm install --prefix "$root/tools" --no-save --no-audit --no-fund "lunar-javascript@$version" >&2
node "$root/tools/calendar-reference/write_fixture.js" "$root/tests/birthchart/CalendarReference.txt"
