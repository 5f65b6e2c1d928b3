#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's private prefix, with the
# environment the tests rely on; used as CMAKE_CROSSCOMPILING_EMULATOR.
#
#   wine-run.sh <program.exe> [args...]   run it; its exit code is passed through
#   wine-run.sh --prepare                 only create the prefix if missing
#   wine-run.sh --start                   also start a persistent wineserver + services
#   wine-run.sh --stop                    stop the wineserver and all its processes
set -euo pipefail

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$repo_root/build/wineprefix}"
# Overridable so a failing start can be diagnosed (e.g. WINEDEBUG=err+module).
export WINEDEBUG="${WINEDEBUG:--all}"
# The ANSI code page comes from LC_ALL: this gives GetACP() == 936 (GBK).
export LC_ALL=zh_CN.UTF-8
# No Mono/Gecko download prompts when the prefix is created.
export WINEDLLOVERRIDES="mscoree,mshtml="

lock_file="${WINEPREFIX%/}.lock"
ready_marker="$WINEPREFIX/.vantrel-prefix-ready"

# Every Wine child below gets 9>&- so a long-lived wineserver or service does
# not inherit the lock and hold it forever, and gets no pipes from our caller
# (ctest waits for every holder of its output pipe to exit).
detached() { "$@" </dev/null >/dev/null 2>&1 9>&-; }

prepare_prefix() {
  # The marker is written last, so an interrupted creation is simply redone.
  [[ -f "$ready_marker" ]] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec 9>"$lock_file"
  flock 9
  if [[ ! -f "$ready_marker" ]]; then
    echo "wine-run: creating Wine prefix $WINEPREFIX" >&2
    detached wineboot --init || true
    detached wineserver -w || true
    # X when DISPLAY works, otherwise the null driver: one prefix for both.
    detached wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d x11,null /f
    # A crashing test must fail, not wait on a crash dialog until its timeout.
    detached wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
    detached wineserver -w || true
    touch "$ready_marker"
  fi
  exec 9>&-
}

# Starts wineserver and the services with no pipes attached, unless a server
# for this prefix already runs (wineserver -p exits with 2 then).
# $1: persistence in seconds; empty keeps the server until --stop.
start_server() {
  exec 9>"$lock_file"
  flock 9
  local rc=0
  detached wineserver "-p$1" || rc=$?
  if [[ $rc -eq 0 ]]; then
    detached wine cmd /c exit || true
  fi
  exec 9>&-
}

case "${1:-}" in
  "")
    echo "usage: $0 <program.exe> [args...] | --prepare | --start | --stop" >&2
    exit 2 ;;
  --prepare)
    prepare_prefix ;;
  --start)
    prepare_prefix
    start_server "" ;;
  --stop)
    detached wineserver -k || true ;;
  *)
    prepare_prefix
    # When not started by dev.sh (plain `ctest`), keep a server alive briefly
    # between tests so services never start under ctest's output pipe.
    start_server 30
    exec wine "$@" ;;
esac
