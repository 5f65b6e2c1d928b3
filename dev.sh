#!/usr/bin/env bash
# The one entry point for building and testing Vantrel.
#
#   ./dev.sh test        install missing tools (as root), then build and run
#                        the asan, tsan and win suites; non-zero if any fails
#   ./dev.sh build-win   cross-build the Windows binaries only (build/win)
#   ./dev.sh run         build and start build/win/app/Vantrel.exe under Wine;
#                        without DISPLAY, on Xvfb with a screenshot
#   ./dev.sh bench [LABEL]  also install the benchmark's peers, then run bench/run.sh:
#                        vantrel-find against grep, rg and ugrep, results in bench/results/
#
# VANTREL_SUITES=asan,tsan,win picks the suites `test` runs (default: all).
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$ROOT"

# Same default as cmake/wine-run.sh, so the wineserver we start and stop here
# is the one the tests talk to.
export WINEPREFIX="${WINEPREFIX:-$ROOT/build/wineprefix}"
WINE_RUN="$ROOT/cmake/wine-run.sh"
TOOLCHAIN="$ROOT/cmake/mingw-w64-x86_64.cmake"

PACKAGES=(cmake ninja-build g++ mingw-w64 g++-mingw-w64-x86-64-posix wine wine64
          locales googletest xvfb imagemagick fonts-wqy-microhei)
# Only `bench` needs these, so `test` does not check for them.
BENCH_PACKAGES=(ripgrep ugrep python3 time)

log() { printf '\n==> %s\n' "$*"; }
die() { printf 'dev.sh: %s\n' "$*" >&2; exit 1; }

# ---------------------------------------------------------------- setup ----

have_zh_locale() { locale -a 2>/dev/null | grep -qix 'zh_CN\.utf-\?8'; }

missing_packages() {
  local pkg status
  for pkg in "$@"; do
    status="$(dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null || true)"
    [[ "$status" == installed ]] || printf '%s\n' "$pkg"
  done
}

ensure_tools() {
  local missing=()
  if command -v dpkg-query >/dev/null; then
    mapfile -t missing < <(missing_packages "${PACKAGES[@]}")
  fi
  local need_locale=0
  have_zh_locale || need_locale=1
  # Fast path: nothing to do, and no apt-get at all.
  if [[ ${#missing[@]} -eq 0 && $need_locale -eq 0 ]]; then
    return 0
  fi
  if [[ $EUID -ne 0 ]]; then
    [[ ${#missing[@]} -gt 0 ]] && echo "missing packages: ${missing[*]}" >&2
    [[ $need_locale -eq 1 ]] && echo "missing locale: zh_CN.UTF-8" >&2
    die "run once as root to install them"
  fi
  if [[ ${#missing[@]} -gt 0 ]]; then
    log "installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    # With Recommends: Wine's X11 driver needs the libx* libraries it recommends.
    apt-get install -y "${missing[@]}"
  fi
  if ! have_zh_locale; then
    log "generating the zh_CN.UTF-8 locale"
    # Wine derives the ANSI code page (936) from LC_ALL; without the generated
    # locale it silently falls back and non-ASCII file names break.
    if grep -q '^# *zh_CN.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
      sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    elif ! grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
      echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
    fi
    locale-gen
    have_zh_locale || die "zh_CN.UTF-8 locale still missing after locale-gen"
  fi
}

ensure_bench_tools() {
  local missing=()
  command -v dpkg-query >/dev/null || return 0
  mapfile -t missing < <(missing_packages "${BENCH_PACKAGES[@]}")
  [[ ${#missing[@]} -eq 0 ]] && return 0
  [[ $EUID -eq 0 ]] || die "missing packages: ${missing[*]}; run once as root to install them"
  log "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y "${missing[@]}"
}

# ---------------------------------------------------------------- build ----

# configure <dir> <cmake args...>: runs CMake only for a new folder or changed
# arguments; afterwards Ninja re-runs CMake by itself when a CMakeLists changes.
configure() {
  local dir="$1"; shift
  local stamp="$dir/.vantrel-configure-args"
  # The root CMakeLists adds ui/, app/ and tests/ui/ only if they exist, and
  # Ninja cannot notice a folder appearing: make that part of the stamp.
  local f optional=""
  for f in ui/CMakeLists.txt app/CMakeLists.txt tests/ui/CMakeLists.txt; do
    [[ -f "$ROOT/$f" ]] && optional+=" +$f"
  done
  local args="$*$optional"
  if [[ -f "$dir/build.ninja" && -f "$stamp" && "$(cat "$stamp")" == "$args" ]]; then
    return 0
  fi
  rm -f "$stamp"
  # Explicit returns: callers run this under `||`, where set -e is off.
  cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_EXPORT_COMPILE_COMMANDS=ON "$@" || return 1
  printf '%s' "$args" > "$stamp"
}

configure_win() {
  configure build/win -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DCMAKE_BUILD_TYPE=RelWithDebInfo
}

build() { cmake --build "$1"; }

# ---------------------------------------------------------------- tests ----

CTEST_ARGS=(--output-on-failure --no-tests=error)

test_asan() {
  configure build/asan -DCMAKE_BUILD_TYPE=Debug -DVANTREL_SANITIZE=address,undefined || return 10
  build build/asan || return 20
  # No detect_stack_use_after_return: its fake stacks break gtest's
  # clone()-based threadsafe death tests (the parent dies silently, rc 1).
  ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1:abort_on_error=0" \
  UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    ctest --test-dir build/asan "${CTEST_ARGS[@]}" -j"$(nproc)" || return 30
}

# GCC 12's TSan maps its shadow at fixed addresses and dies with "unexpected
# memory mapping" when vm.mmap_rnd_bits > 28 (measured: fine at 28, fatal at
# 30 and 32). Turning ASLR off for ctest and its children avoids that at any
# entropy; lowering the sysctl is the fallback where personality() is refused.
tsan_launcher() {
  if setarch "$(uname -m)" -R true 2>/dev/null; then
    echo setarch "$(uname -m)" -R
    return 0
  fi
  local bits
  bits="$(cat /proc/sys/vm/mmap_rnd_bits 2>/dev/null || echo 0)"
  if (( bits > 28 )); then
    if [[ $EUID -eq 0 ]] && sysctl -qw vm.mmap_rnd_bits=28 >/dev/null 2>&1; then
      echo "dev.sh: lowered vm.mmap_rnd_bits from $bits to 28 for TSan" >&2
    else
      echo "dev.sh: warning: vm.mmap_rnd_bits=$bits, TSan may fail to start" >&2
    fi
  fi
}

test_tsan() {
  configure build/tsan -DCMAKE_BUILD_TYPE=Debug -DVANTREL_SANITIZE=thread || return 10
  build build/tsan || return 20
  local launcher
  read -r -a launcher <<< "$(tsan_launcher)"
  TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1" \
    "${launcher[@]}" ctest --test-dir build/tsan "${CTEST_ARGS[@]}" -j"$(nproc)" || return 30
}

test_win() {
  configure_win || return 10
  build build/win || return 20
  "$WINE_RUN" --prepare || return 30
  # A persistent wineserver plus services started with no pipes attached:
  # otherwise they inherit ctest's output pipe and ctest waits on them.
  "$WINE_RUN" --start
  local rc=0
  ctest --test-dir build/win "${CTEST_ARGS[@]}" -j2 || rc=30
  "$WINE_RUN" --stop
  return $rc
}

cmd_test() {
  ensure_tools
  # Death tests re-execute the binary instead of fork()ing a threaded process,
  # which both sanitizers handle badly.
  export GTEST_DEATH_TEST_STYLE="${GTEST_DEATH_TEST_STYLE:-threadsafe}"

  local suites suite rc start
  IFS=', ' read -r -a suites <<< "${VANTREL_SUITES:-asan,tsan,win}"
  local -a summary=()
  local failed=0
  for suite in "${suites[@]}"; do
    [[ -n "$suite" ]] || continue
    case "$suite" in asan|tsan|win) ;; *) die "unknown suite '$suite' (asan, tsan, win)";; esac
    log "suite $suite"
    start=$SECONDS
    rc=0
    "test_$suite" || rc=$?
    local what
    case $rc in
      0)  what="PASS" ;;
      10) what="FAIL (configure)" ;;
      20) what="FAIL (build)" ;;
      *)  what="FAIL (tests)" ;;
    esac
    [[ $rc -eq 0 ]] || failed=1
    summary+=("$(printf '%-5s %-17s %4ds' "$suite" "$what" $((SECONDS - start)))")
  done
  log "summary"
  printf '  %s\n' "${summary[@]}"
  return $failed
}

# ------------------------------------------------------------ build/run ----

cmd_build_win() {
  ensure_tools
  configure_win
  build build/win
}

# Files for the headless run's demo search, in the prefix's C: drive (C:\vantrel-demo).
make_demo_folder() {
  local demo="$WINEPREFIX/drive_c/vantrel-demo"
  rm -rf "$demo"
  mkdir -p "$demo/文档/旧版" "$demo/图片"
  printf 'Lumora 项目说明\n' > "$demo/说明.txt"
  printf 'release notes: Lumora 2.1\n' > "$demo/notes.md"
  printf 'nothing to see\n' > "$demo/todo.txt"
  printf '\x89PNG....Lumora' > "$demo/图片/封面.png"
  printf '会议纪要 Lumora\n' > "$demo/文档/会议纪要.txt"
  printf 'Lumora v1\n' > "$demo/文档/旧版/readme.txt"
  printf 'other\n' > "$demo/文档/预算.xls"
}

first_free_display() {
  local n
  for n in $(seq 99 -1 70); do
    [[ -e "/tmp/.X11-unix/X$n" || -e "/tmp/.X$n-lock" ]] || { echo "$n"; return 0; }
  done
  return 1
}

cmd_run() {
  cmd_build_win
  local exe="$ROOT/build/win/app/Vantrel.exe"
  local driver="$ROOT/build/win/tests/ui/vantrel_window_driver.exe"
  "$WINE_RUN" --prepare
  if [[ -n "${DISPLAY:-}" ]]; then
    "$WINE_RUN" "$exe"
    return
  fi

  # No display: a virtual one, a demo search, a screenshot of the window, then close it.
  local shot="$ROOT/build/screenshot.png" n xvfb_pid
  n="$(first_free_display)" || die "no free X display number for Xvfb"
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  xvfb_pid=$!
  # shellcheck disable=SC2064
  trap "kill $xvfb_pid 2>/dev/null || true" EXIT
  while [[ ! -e "/tmp/.X11-unix/X$n" ]]; do
    kill -0 "$xvfb_pid" 2>/dev/null || die "Xvfb did not start"
    sleep 0.1
  done
  export DISPLAY=":$n"
  # Xvfb has no window manager: Wine draws the caption itself while this is set.
  "$WINE_RUN" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
  make_demo_folder

  "$WINE_RUN" "$exe" </dev/null >"$ROOT/build/run.log" 2>&1 &
  local app_pid=$! place
  if [[ "${VANTREL_RUN_DEMO:-1}" == 1 ]]; then
    place="$("$WINE_RUN" "$driver" 'C:\vantrel-demo' Lumora </dev/null 2>>"$ROOT/build/run.log")"
  else
    place="$("$WINE_RUN" "$driver" </dev/null 2>>"$ROOT/build/run.log")"
  fi
  local x y w h
  read -r x y w h <<< "$place"
  [[ -n "${h:-}" ]] || die "the window did not appear (see build/run.log)"
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$shot"
  echo "screenshot: $shot (the window at ${x},${y}, ${w}x${h}; program output: build/run.log)"

  "$WINE_RUN" "$driver" --close </dev/null >/dev/null 2>&1
  local rc=0
  wait "$app_pid" || rc=$?
  echo "Vantrel.exe exited with code $rc"
  "$WINE_RUN" reg delete 'HKCU\Software\Wine\X11 Driver' /v Decorated /f >/dev/null 2>&1 || true
  "$WINE_RUN" --stop
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  trap - EXIT
  return "$rc"
}

# ------------------------------------------------------------ benchmark ----

cmd_bench() {
  # ensure_tools too: the Windows build is timed under Wine, which needs the zh_CN locale.
  ensure_tools
  ensure_bench_tools
  exec "$ROOT/bench/run.sh" "$@"
}

case "${1:-}" in
  test)      cmd_test ;;
  build-win) cmd_build_win ;;
  run)       cmd_run ;;
  bench)     shift; cmd_bench "$@" ;;
  *)
    echo "usage: $0 test | build-win | run | bench [LABEL]" >&2
    exit 2 ;;
esac
