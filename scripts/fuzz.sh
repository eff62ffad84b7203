#!/usr/bin/env bash
# Builds the readers' fuzz targets with clang, libFuzzer and the sanitizers, and runs each one for a
# bounded time from a corpus of its seeds. Fails when any target crashes, leaks, times out or runs
# out of memory.
#
#   scripts/fuzz.sh [TARGET...]      all targets, or only the named ones (e.g. bmp_fuzz)
#   PLORVANE_FUZZ_SECONDS=N          seconds per target (default 20)
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

plorvane_fuzz_build="$plorvane_root/build-fuzz"
seconds=${PLORVANE_FUZZ_SECONDS:-20}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

if ! fuzzer_available; then
  echo "fuzz: clang with libFuzzer is missing; scripts/setup.sh installs it" >&2
  exit 1
fi

cmake -S "$plorvane_root" -B "$plorvane_fuzz_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DPLORVANE_FUZZ=ON >/dev/null
# Only what the fuzz targets need, not the whole project.
cmake --build "$plorvane_fuzz_build" --target tests/fuzz/all

targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
  mapfile -t targets < <(find "$plorvane_fuzz_build/tests/fuzz" -maxdepth 1 -type f -executable \
    -name '*_fuzz' -printf '%f\n' | sort)
fi
if [[ ${#targets[@]} -eq 0 ]]; then
  echo "fuzz: no fuzz targets yet"
  exit 0
fi

# The seeds come from the ordinary build of the same targets.
configure_default_build
cmake --build "$plorvane_build" --target "${targets[@]}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$plorvane_fuzz_build/fuzz-logs"

passed=0
failed=0
for target in "${targets[@]}"; do
  corpus="$work/$target"
  artifacts="$plorvane_fuzz_build/fuzz-artifacts/$target"
  log="$plorvane_fuzz_build/fuzz-logs/$target.log"
  rm -rf "$artifacts"
  mkdir -p "$artifacts"
  "$plorvane_build/tests/fuzz/$target" --write-seeds "$corpus"

  if "$plorvane_fuzz_build/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -malloc_limit_mb=1024 -artifact_prefix="$artifacts/" "$corpus" \
    >"$log" 2>&1; then
    echo "$target: $(grep -o 'Done [0-9]* runs' "$log" | tail -n 1 || true), no crash"
    passed=$((passed + 1))
  else
    echo "$target: FAILED; the log's end follows (whole log: $log)"
    tail -n 80 "$log"
    echo "$target: the failing input is in $artifacts/; replay it with"
    echo "  $plorvane_build/tests/fuzz/$target $artifacts/<file>"
    failed=$((failed + 1))
  fi
done

echo "fuzz: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
