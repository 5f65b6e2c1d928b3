#!/usr/bin/env bash
# vantrel-find against GNU grep, ripgrep and ugrep on seeded corpora, with a warm page cache.
#
#   bench/run.sh [LABEL]   writes bench/results/YYYY-MM-DD-LABEL.md (LABEL: [A-Za-z0-9._-],
#                          default $VANTREL_BENCH_LABEL or "latest") and prints it
#
# Every run of every tool must list exactly the files the generator put the needle in;
# otherwise the script stops with a diff and exit status 1.
#
# Environment:
#   VANTREL_BENCH_RUNS=5          timed runs per tool and corpus, taken in interleaved rounds
#   VANTREL_BENCH_BUDGET=60       seconds one tool may take per corpus: a slower tool gets
#                                 fewer runs (budget / first run, at least 1)
#   VANTREL_BENCH_CORPORA=small,large,mixed
#   VANTREL_BENCH_WINE=auto       1: the Windows build under Wine is required; 0: skipped;
#                                 auto: timed when MinGW-w64 and Wine are installed
#   VANTREL_BENCH_REV=<git rev>   measure that commit's vantrel-find (exported with git archive)
#                                 instead of the working tree
#   VANTREL_BENCH_IDLE_WAIT=120   seconds to wait, before each corpus, for other programs to leave
#                                 the CPUs under 20% busy (the share seen is in the report)
#   VANTREL_BENCH_CORPUS_DIR=build/bench-corpus
#   VANTREL_BENCH_CORPUS_ARGS=""  extra make_corpus.py options, e.g. "--small-files 5000"
#                                 with another CORPUS_DIR for a quick try
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"

LABEL="${1:-${VANTREL_BENCH_LABEL:-latest}}"
[[ "$LABEL" =~ ^[A-Za-z0-9._-]+$ ]] || { echo "run.sh: label '$LABEL': use letters, digits, . _ -" >&2; exit 2; }
RUNS="${VANTREL_BENCH_RUNS:-5}"
BUDGET_US=$(( ${VANTREL_BENCH_BUDGET:-60} * 1000000 ))
IFS=', ' read -r -a CORPORA <<< "${VANTREL_BENCH_CORPORA:-small,large,mixed}"
WINE_MODE="${VANTREL_BENCH_WINE:-auto}"
CORPUS_DIR="$(realpath -m "${VANTREL_BENCH_CORPUS_DIR:-build/bench-corpus}")"
read -r -a CORPUS_ARGS <<< "${VANTREL_BENCH_CORPUS_ARGS:-}"
NEEDLE="vantrel_Qz79"
TOOLS=(vantrel rg grep ugrep)

# A private Wine prefix: stopping our wineserver must not kill a test suite running at the same
# time against build/wineprefix.
export WINEPREFIX="$ROOT/build/wineprefix-bench"
WINE_RUN="$ROOT/cmake/wine-run.sh"

OUT="$ROOT/build/bench-out"
mkdir -p "$OUT" "$CORPUS_DIR" "$ROOT/bench/results"

say() { printf '==> %s\n' "$*" >&2; }
die() { printf 'run.sh: %s\n' "$*" >&2; exit 1; }

for tool in rg grep ugrep python3 cmake ninja /usr/bin/time; do
  command -v "$tool" >/dev/null || die "'$tool' is missing: run ./dev.sh bench as root once to install it"
done

# ------------------------------------------------------------------ build ----

# The working tree, or a clean export of VANTREL_BENCH_REV, which keeps a baseline measurable
# while the engine is being changed in the working tree.
if [[ -n "${VANTREL_BENCH_REV:-}" ]]; then
  SHA="$(git rev-parse --verify "${VANTREL_BENCH_REV}^{commit}")"
  BUILD_ROOT="$ROOT/build/bench-src/${SHA:0:12}"
  SRC="$BUILD_ROOT/src"
  if [[ ! -f "$BUILD_ROOT/.exported" ]]; then
    rm -rf "$BUILD_ROOT"
    mkdir -p "$SRC"
    git archive "$SHA" | tar -x -C "$SRC"
    touch "$BUILD_ROOT/.exported"
  fi
  SOURCE_DESC="commit ${SHA:0:12} (\"$(git log -1 --format=%s "$SHA")\")"
else
  BUILD_ROOT="$ROOT/build"
  SRC="$ROOT"
  SOURCE_DESC="working tree at $(git rev-parse --short=12 HEAD)"
  if [[ -n "$(git status --porcelain -- engine cli cmake CMakeLists.txt)" ]]; then
    SOURCE_DESC+=" with uncommitted changes"
  fi
fi

say "building vantrel-find (Release) from $SOURCE_DESC"
cmake -S "$SRC" -B "$BUILD_ROOT/release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$BUILD_ROOT/release" --target vantrel-find >/dev/null
VFIND="$BUILD_ROOT/release/cli/vantrel-find"

USE_WINE=0
if [[ "$WINE_MODE" != 0 ]]; then
  if command -v x86_64-w64-mingw32-g++-posix >/dev/null && command -v wine >/dev/null; then
    USE_WINE=1
  elif [[ "$WINE_MODE" == 1 ]]; then
    die "MinGW-w64 or Wine is missing: run ./dev.sh bench as root once"
  else
    say "no MinGW-w64 or Wine: the Windows build is not timed"
  fi
fi
if (( USE_WINE )); then
  say "building vantrel-find.exe (Release, MinGW-w64)"
  cmake -S "$SRC" -B "$BUILD_ROOT/win-release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$SRC/cmake/mingw-w64-x86_64.cmake" >/dev/null
  cmake --build "$BUILD_ROOT/win-release" --target vantrel-find >/dev/null
  WEXE="$BUILD_ROOT/win-release/cli/vantrel-find.exe"
  say "starting a wineserver for $WINEPREFIX"
  "$WINE_RUN" --start
  trap '"$WINE_RUN" --stop' EXIT
fi

# --------------------------------------------------------------- corpora ----

say "corpora in $CORPUS_DIR"
python3 "$ROOT/bench/make_corpus.py" --needle "$NEEDLE" --only "$(IFS=,; echo "${CORPORA[*]}")" \
  "${CORPUS_ARGS[@]}" "$CORPUS_DIR" >&2
mkdir -p "$CORPUS_DIR/empty"

stat_of() {  # stat_of CORPUS KEY: a number from the generator's stamp
  python3 -c 'import json, sys; print(json.load(open(sys.argv[1]))["stats"][sys.argv[2]])' \
    "$CORPUS_DIR/$1.stamp" "$2"
}

# ----------------------------------------------------------------- tools ----

# Each command prints the files holding the needle under DIR, one per line (see timed).
# --hidden: ugrep skips dot files by default; -a: as rg -a (ugrep searches binary files either
# way). LC_ALL=C: grep then compares bytes and need not decode UTF-8.
run_wine() { "$WINE_RUN" "$WEXE" --subfolders "$NEEDLE" "Z:${1//\//\\}"; }

declare -A NAME=([vantrel]="vantrel-find" [rg]="rg" [grep]="grep" [ugrep]="ugrep" [wine]="vantrel-find.exe (Wine)")

# The listed files relative to $2, '/'-separated, sorted: every tool's output in one form.
normalise() {
  tr -d '\r' < "$1" | tr '\\' '/' | sed -e "s|^$2/||" -e 's|^\./||' | LC_ALL=C sort
}

# timed TOOL DIR [RSS_FILE]: runs once; sets ELAPSED_US; the output is in $OUT/TOOL.{out,err}.
timed() {
  local tool="$1" dir="$2" rss="${3:-}" rc t0 t1
  local -a wrap=()
  [[ -n "$rss" ]] && wrap=(/usr/bin/time -f %M -o "$rss")
  t0="${EPOCHREALTIME//[!0-9]/}"
  set +e
  if [[ "$tool" == wine ]]; then
    run_wine "$dir" >"$OUT/$tool.out" 2>"$OUT/$tool.err"
  else
    # stdout goes to a regular file, never /dev/null: GNU grep stops at the first match
    # when it sees /dev/null.
    case "$tool" in
      vantrel) "${wrap[@]}" "$VFIND" --subfolders "$NEEDLE" "$dir" ;;
      rg)      "${wrap[@]}" rg -lF -uuu -a -- "$NEEDLE" "$dir" ;;
      grep)    LC_ALL=C "${wrap[@]}" grep -rlF -- "$NEEDLE" "$dir" ;;
      ugrep)   "${wrap[@]}" ugrep -rlF --hidden -a -- "$NEEDLE" "$dir" ;;
    esac >"$OUT/$tool.out" 2>"$OUT/$tool.err"
  fi
  rc=$?
  set -e
  t1="${EPOCHREALTIME//[!0-9]/}"
  ELAPSED_US=$(( t1 - t0 ))
  if (( rc > 1 )); then
    cat "$OUT/$tool.err" >&2
    die "${NAME[$tool]} failed with exit status $rc on $dir"
  fi
}

# check TOOL CORPUS: the last run listed exactly the expected files.
check() {
  local tool="$1" corpus="$2"
  normalise "$OUT/$tool.out" "$CORPUS_DIR/$corpus" > "$OUT/$tool.sorted"
  if ! cmp -s "$OUT/$tool.sorted" "$CORPUS_DIR/$corpus.expected"; then
    {
      echo "run.sh: ${NAME[$tool]} does not list the expected files in corpus '$corpus'"
      echo "  (< expected only, > listed by ${NAME[$tool]} only; raw output in $OUT/$tool.out)"
      diff "$CORPUS_DIR/$corpus.expected" "$OUT/$tool.sorted" | grep '^[<>]' | head -20
    } >&2
    exit 1
  fi
}

# CPU busy share (all CPUs, percent) over the next $1 seconds, from /proc/stat.
busy_percent() {
  local before after
  before="$(head -1 /proc/stat)"
  sleep "$1"
  after="$(head -1 /proc/stat)"
  awk -v a="$before" -v b="$after" 'BEGIN {
    split(a, x); split(b, y); total = 0
    for (i = 2; i <= 9; i++) total += y[i] - x[i]
    idle = (y[5] - x[5]) + (y[6] - x[6])
    printf "%d", (total > 0 ? 100 * (total - idle) / total : 0) }'
}

# Sets BUSY to the busy share once it is under 20%, or to the last one seen after the wait.
wait_for_quiet() {
  local deadline=$(( SECONDS + ${VANTREL_BENCH_IDLE_WAIT:-120} ))
  while :; do
    BUSY="$(busy_percent 3)"
    (( BUSY < 20 || SECONDS >= deadline )) && return 0
    say "other programs keep the CPUs ${BUSY}% busy: waiting (VANTREL_BENCH_IDLE_WAIT)"
  done
}

median() { tr ' ' '\n' | grep . | sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : int((a[NR/2]+a[NR/2+1])/2))}'; }
secs()   { awk -v u="$1" 'BEGIN {printf (u >= 10000000 ? "%.1f s" : "%.3f s"), u/1e6}'; }
ratio()  { awk -v a="$1" -v b="$2" 'BEGIN {r=a/b; printf (r >= 10 ? "%.0f×" : "%.2f×"), r}'; }

# --------------------------------------------------------------- measure ----

declare -A TIMES RSS_KB MEDIAN QUIET
bench_start=$SECONDS

if (( USE_WINE )); then
  say "Wine start-up: vantrel-find.exe on an empty folder"
  timed wine "$CORPUS_DIR/empty"  # the first start also loads the prefix's DLLs
  for ((r = 0; r < RUNS; r++)); do
    timed wine "$CORPUS_DIR/empty"
    TIMES[wine,empty]+=" $ELAPSED_US"
  done
  MEDIAN[wine,empty]="$(median <<< "${TIMES[wine,empty]}")"
fi

for corpus in "${CORPORA[@]}"; do
  dir="$CORPUS_DIR/$corpus"
  say "$corpus: warming the page cache"
  find "$dir" -type f -print0 | xargs -0 cat > /dev/null
  # Nothing of ours runs now: what keeps the CPUs busy is someone else.
  wait_for_quiet
  QUIET[$corpus]="$BUSY"

  tools=("${TOOLS[@]}")
  (( USE_WINE )) && tools+=(wine)
  declare -A runs=()
  for tool in "${tools[@]}"; do
    # The first run checks the list, gives the peak memory, and sizes the number of runs.
    rss="$OUT/$tool.rss"
    [[ "$tool" == wine ]] && rss=""
    timed "$tool" "$dir" "$rss"
    check "$tool" "$corpus"
    [[ -n "$rss" ]] && RSS_KB[$tool,$corpus]="$(tail -1 "$rss")"
    n=$(( BUDGET_US / (ELAPSED_US > 0 ? ELAPSED_US : 1) ))
    (( n > RUNS )) && n=$RUNS
    (( n < 1 )) && n=1
    runs[$tool]=$n
    say "$corpus: ${NAME[$tool]} lists the $(stat_of "$corpus" matches) expected files in $(secs $ELAPSED_US); $n timed runs"
  done

  # Interleaved rounds, each starting with the next tool, so that no tool always runs just
  # after the same other one.
  for ((r = 0; r < RUNS; r++)); do
    for ((i = 0; i < ${#tools[@]}; i++)); do
      tool="${tools[(i + r) % ${#tools[@]}]}"
      (( r < ${runs[$tool]} )) || continue
      timed "$tool" "$dir"
      check "$tool" "$corpus"
      TIMES[$tool,$corpus]+=" $ELAPSED_US"
    done
    say "$corpus: round $((r + 1)) of $RUNS done"
  done
  for tool in "${tools[@]}"; do
    MEDIAN[$tool,$corpus]="$(median <<< "${TIMES[$tool,$corpus]}")"
  done
  unset runs
done

# ---------------------------------------------------------------- report ----

first_line() { "$@" 2>&1 | head -1; }
DATE="$(date +%F)"
RESULT="$ROOT/bench/results/$DATE-$LABEL.md"
count_of() { wc -w <<< "${TIMES[$1,$2]}" | tr -d ' '; }
mib() { awk -v b="$1" 'BEGIN {printf "%.0f MiB", b/1048576}'; }

{
  echo "# Benchmark \"$LABEL\", $DATE"
  echo
  echo "- Machine: $(sed -n 's/^model name[[:space:]]*: *//p' /proc/cpuinfo | head -1), $(nproc) CPUs," \
       "$(awk '/MemTotal/ {printf "%.1f GiB", $2/1048576}' /proc/meminfo) memory, Linux $(uname -r)"
  busy=""
  for corpus in "${CORPORA[@]}"; do busy+="${busy:+, }$corpus ${QUIET[$corpus]}%"; done
  echo "- Other programs: CPUs busy just before each corpus, while nothing of the benchmark ran: $busy"
  echo "- vantrel-find: $SOURCE_DESC, CMake Release, $(first_line g++ --version)"
  if (( USE_WINE )); then
    echo "- vantrel-find.exe: the same source, CMake Release, $(first_line x86_64-w64-mingw32-g++-posix --version), run under $(first_line wine --version)"
  fi
  echo "- Peers: $(first_line rg --version), $(first_line grep --version), $(first_line ugrep --version | cut -d' ' -f1-2)"
  echo "- Method: warm page cache. Each tool's first run is checked against the generator's list of"
  echo "  files holding the needle (every later run too) and gives its peak memory; then up to"
  echo "  $RUNS timed runs in interleaved rounds (fewer when the first run took over $((BUDGET_US / 1000000 / RUNS)) s; the"
  echo "  count is in brackets). Wall-time medians; the ratio is to rg's median in the same run."
  echo "  Whole benchmark: $(( SECONDS - bench_start )) s."
  echo
  echo "| corpus | files | size | holding the needle | vantrel-find | rg | grep | ugrep |"
  echo "|---|---:|---:|---:|---:|---:|---:|---:|"
  for corpus in "${CORPORA[@]}"; do
    row="| $corpus | $(stat_of "$corpus" files) | $(mib "$(stat_of "$corpus" bytes)") | $(stat_of "$corpus" matches)"
    for tool in "${TOOLS[@]}"; do
      row+=" | $(secs "${MEDIAN[$tool,$corpus]}") ($(count_of "$tool" "$corpus")) $(ratio "${MEDIAN[$tool,$corpus]}" "${MEDIAN[rg,$corpus]}")"
    done
    echo "$row |"
  done
  echo
  echo "Peak memory (maximum resident set size of the first run):"
  echo
  echo "| corpus | vantrel-find | rg | grep | ugrep |"
  echo "|---|---:|---:|---:|---:|"
  for corpus in "${CORPORA[@]}"; do
    row="| $corpus"
    for tool in "${TOOLS[@]}"; do
      row+=" | $(awk -v k="${RSS_KB[$tool,$corpus]}" 'BEGIN {printf "%.1f MiB", k/1024}')"
    done
    echo "$row |"
  done
  if (( USE_WINE )); then
    startup="${MEDIAN[wine,empty]}"
    echo
    echo "Windows build under Wine (through cmake/wine-run.sh, wineserver kept running); start-up"
    echo "on an empty folder: $(secs "$startup") (median of $RUNS), taken off for the last column:"
    echo
    echo "| corpus | native | Wine | Wine / native | Wine per file | Wine per file after start-up |"
    echo "|---|---:|---:|---:|---:|---:|"
    for corpus in "${CORPORA[@]}"; do
      files="$(stat_of "$corpus" files)"
      w="${MEDIAN[wine,$corpus]}"
      echo "| $corpus | $(secs "${MEDIAN[vantrel,$corpus]}") | $(secs "$w") ($(count_of wine "$corpus")) | $(ratio "$w" "${MEDIAN[vantrel,$corpus]}")" \
           "| $(awk -v u="$w" -v f="$files" 'BEGIN {printf "%.0f µs", u/f}')" \
           "| $(awk -v u="$w" -v s="$startup" -v f="$files" 'BEGIN {if (u > s) printf "%.0f µs", (u-s)/f; else printf "n/a"}') |"
    done
  fi
  echo
  echo "Commands (DIR is the corpus folder):"
  echo
  echo '```'
  echo "vantrel-find --subfolders $NEEDLE DIR"
  echo "rg -lF -uuu -a -- $NEEDLE DIR"
  echo "LC_ALL=C grep -rlF -- $NEEDLE DIR"
  echo "ugrep -rlF --hidden -a -- $NEEDLE DIR"
  (( USE_WINE )) && echo "cmake/wine-run.sh vantrel-find.exe --subfolders $NEEDLE Z:\\DIR"
  echo '```'
} > "$RESULT"

cat "$RESULT"
say "written to ${RESULT#"$ROOT/"}"
