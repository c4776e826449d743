#!/usr/bin/env bash
# A bounded fuzzing run of the reading-file reader from the seed corpus.
set -euo pipefail
fuzzer="$1"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$here"/corpus/* "$work"/
"$fuzzer" -max_total_time="${ZARVO_FUZZ_SECONDS:-60}" -max_len=16384 -rss_limit_mb=2048 \
    -artifact_prefix="$work/" "$work" 2>&1 | tail -n 5
echo "fuzz: no finding"
