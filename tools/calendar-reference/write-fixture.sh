#!/usr/bin/env bash
# Rewrites tests/birthchart/CalendarReference.txt from lunar-javascript. Run by
# hand, never by the build or the tests.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
"$root/tools/calendar-reference/install-lunar-javascript.sh"
node "$root/tools/calendar-reference/write_fixture.js" "$root/tests/birthchart/CalendarReference.txt"
