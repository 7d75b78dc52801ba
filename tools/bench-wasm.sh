#!/usr/bin/env bash
# Times the flood fill on every benchmark board natively and as WebAssembly under node, and prints
# one table: the native plain copy (the one without AVX2: the browser's code is compared with
# that), the WebAssembly build without and with SIMD, and their ratios to native.
#
#   tools/bench-wasm.sh [--rounds N] [--batch-ms M] [board...]
#
# The boards and the points pressed are bench/FillBoards.h's, the same as morvane_bench's BM_Fill.
# The three builds run side by side (wasm_fill_bench --serve) and take turns batch by batch: a
# board is timed in N rounds (default 15) of one batch per build, a batch lasting about M
# milliseconds natively (default 5). A machine that is busy in bursts then slows the builds alike
# within a round. A time is the median over the rounds, a ratio the median of the rounds' ratios.
#
# Both sides are compiled -O2, as the browser build is; NATIVE_OPT=-O3 compiles the native side
# as the desktop's release build does instead. The builds go to $BENCH_WASM_DIR (default
# build-bench-wasm) and are redone when a source changes. Needs g++ (or $CXX), em++, node and
# python3 (which em++ needs anyway). Debian's em++ runs its JavaScript optimiser under node with
# Debian's node modules, hence NODE_PATH.
set -euo pipefail
cd "$(dirname "$0")/.."

rounds=15
batch_ms=5
boards=()
while [ $# -gt 0 ]; do
    case "$1" in
    --rounds) rounds=$2; shift 2 ;;
    --batch-ms) batch_ms=$2; shift 2 ;;
    -h | --help) sed -n '2,18p' "$0"; exit 0 ;;
    -*) echo "usage: $0 [--rounds N] [--batch-ms M] [board...]" >&2; exit 2 ;;
    *) boards+=("$1"); shift ;;
    esac
done

out=${BENCH_WASM_DIR:-build-bench-wasm}
mkdir -p "$out"
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

# The core's board and pattern sources: the fill, and what draws the boards it is timed on.
sources=(bench/wasm_fill_bench.cpp core/board/*.cpp core/patterns/*.cpp)
inputs=("${sources[@]}" bench/*.h core/board/*.h core/patterns/*.h core/patterns/*.inc
        core/settings/*.h "$0")
# -O2 for both, as the browser build has it (the wasm preset); NATIVE_OPT=-O3 times the native
# copy as the desktop's release build compiles it.
common=(-std=c++20 -DNDEBUG -Wall -Wextra -Wpedantic -I. -Ibench)
native_opt=${NATIVE_OPT:--O2}
# -sWASM_ASYNC_COMPILATION=0: node runs the module as soon as it is loaded. -sNODERAWFS=1: stdin
# is node's own file 0, read blocking (emscripten's own terminal gives up on a pipe that is
# momentarily empty). The boards take about 30 MB, more than the default memory.
wasm_link=(-sENVIRONMENT=node -sWASM_ASYNC_COMPILATION=0 -sNODERAWFS=1 -sINITIAL_MEMORY=64MB
           -sALLOW_MEMORY_GROWTH=1)

stale() {
    [ ! -e "$1" ] || [ -n "$(find "${inputs[@]}" -newer "$1" -print -quit)" ]
}

build() {
    local target=$1
    shift
    if stale "$target"; then
        echo "Building $target" >&2
        "$@" -o "$target"
    fi
}

# Two builds at a time, as the machines that build the game have two cores. MORVANE_PLAIN_ONLY
# leaves out the AVX2 copy that target_clones would choose on this CPU.
build "$out/fill_native_plain_${native_opt#-}" "${CXX:-g++}" "$native_opt" "${common[@]}" \
    -DMORVANE_PLAIN_ONLY "${sources[@]}" &
native_job=$!
build "$out/fill_wasm.js" em++ -O2 "${common[@]}" "${sources[@]}" "${wasm_link[@]}" &
wasm_job=$!
wait "$native_job"
build "$out/fill_wasm_simd.js" em++ -O2 -msimd128 "${common[@]}" "${sources[@]}" "${wasm_link[@]}"
wait "$wasm_job"

python3 - "$out" "$native_opt" "$rounds" "$batch_ms" "${boards[@]}" <<'EOF'
import statistics
import subprocess
import sys

out, native_opt = sys.argv[1], sys.argv[2]
rounds, batch_ms, wanted = int(sys.argv[3]), float(sys.argv[4]), sys.argv[5:]
builds = [
    ("native plain", [f"{out}/fill_native_plain_{native_opt.lstrip('-')}", "--serve"]),
    ("wasm", ["node", f"{out}/fill_wasm.js", "--serve"]),
    ("wasm simd128", ["node", f"{out}/fill_wasm_simd.js", "--serve"]),
]


class Build:
    def __init__(self, name, command):
        self.name = name
        self.process = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        text=True, bufsize=1)
        self.boards = {}
        self.order = []
        for line in self.process.stdout:
            if line.strip() == "ready":
                break
            board, pixels, presses, board_hash = line.split()
            self.boards[board] = (pixels, presses, board_hash)
            self.order.append(board)
        else:
            sys.exit(f"{name} stopped before it was ready")

    # Nanoseconds per repetition of the board's presses.
    def time(self, board, repetitions):
        self.process.stdin.write(f"{board} {repetitions}\n")
        answer = self.process.stdout.readline()
        if not answer:
            sys.exit(f"{self.name} stopped")
        return float(answer) / repetitions


running = [Build(name, command) for name, command in builds]
native = running[0]
for build in running[1:]:
    for board, facts in native.boards.items():
        if build.boards.get(board) != facts:
            sys.exit(f"{build.name} painted {board} differently: {build.boards.get(board)}, "
                     f"natively {facts} (pixels, presses, hash)")
unknown = [board for board in wanted if board not in native.boards]
if unknown:
    sys.exit(f"no board {' '.join(unknown)}; the boards: {' '.join(native.order)}")

print(f"{'board':14} {'presses':>7} {'pixels':>7} |" +
      "".join(f" {build.name:>12} {'ratio':>5} |" for build in running))
worst = {build.name: 0.0 for build in running[1:]}
for board in wanted or native.order:
    repetitions = 1
    while native.time(board, repetitions) * repetitions < batch_ms * 1e6 and repetitions < 1 << 20:
        repetitions *= 2
    # The just-in-time compiler's optimised code, and warm caches, before the first round.
    for build in running:
        for _ in range(2):
            build.time(board, repetitions)
    times = {build.name: [] for build in running}
    for round in range(rounds):
        first = round % len(running)
        for build in running[first:] + running[:first]:
            times[build.name].append(build.time(board, repetitions))
    pixels, presses, _ = native.boards[board]
    row = f"{board:14} {presses:>7} {pixels:>7} |"
    for build in running:
        median = statistics.median(times[build.name])
        if build is native:
            row += f" {median / 1e3:9.1f} us {'':>5} |"
            continue
        ratio = statistics.median(
            mine / theirs for mine, theirs in zip(times[build.name], times[native.name]))
        worst[build.name] = max(worst[build.name], ratio)
        row += f" {median / 1e3:9.1f} us {ratio:5.2f} |"
    print(row, flush=True)
for build in running:
    build.process.stdin.close()
    build.process.wait()

print(f"\nNative plain: {native_opt}, no AVX2 copy. WebAssembly: em++ -O2, under node.")
print(f"Times: the median of {rounds} rounds, per repetition of the board's presses. Ratio: the "
      "median of the rounds' WebAssembly time / native plain time.")
for name, ratio in worst.items():
    verdict = "within" if ratio <= 2 else "beyond"
    print(f"{name}: at most {ratio:.2f}x native plain, {verdict} the goal of 2x")
EOF
