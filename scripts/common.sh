# shellcheck shell=bash
# Shared by the scripts in this folder; sourced, not run.

plorvane_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
plorvane_build="$plorvane_root/build"

# The ordinary gcc build that the tests, the editor and the fuzz seeds come from.
configure_default_build() {
  cmake -S "$plorvane_root" -B "$plorvane_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
}

# True when clang can link a libFuzzer program with the sanitizers the fuzz build uses.
fuzzer_available() {
  command -v clang++ >/dev/null || return 1
  local probe
  probe=$(mktemp -d)
  printf '%s\n' \
    '#include <cstddef>' \
    '#include <cstdint>' \
    'extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }' \
    >"$probe/probe.cpp"
  local result=0
  clang++ -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" \
    >/dev/null 2>&1 || result=1
  rm -rf "$probe"
  return "$result"
}
