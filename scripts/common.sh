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

# Starts a private Xvfb display (1024 x 768, 24 bits) and waits until it accepts clients: sets
# virtual_display (":N") and virtual_display_server (its process id), or fails with a message.
# The caller stops the server (kill "$virtual_display_server").
start_virtual_display() {
  local number_file
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" 2>/dev/null &
  virtual_display_server=$!
  # The server writes its display number once it accepts clients.
  for _ in $(seq 100); do
    [[ -s $number_file ]] && break
    kill -0 "$virtual_display_server" 2>/dev/null || { rm -f "$number_file"; echo "Xvfb did not start." >&2; return 1; }
    sleep 0.1
  done
  [[ -s $number_file ]] || { rm -f "$number_file"; echo "Xvfb did not start in time." >&2; return 1; }
  virtual_display=":$(head -n1 "$number_file")"
  rm -f "$number_file"
}
