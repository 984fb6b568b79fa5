#!/usr/bin/env bash
# One entry point for people and CI:
#   ./run.sh gallery   install what is missing, build, run the gallery (screenshots when there is no display)
#   ./run.sh test      install what is missing, build, run the whole test suite headless
#   ./run.sh sanitize  the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer
#   ./run.sh bench     Release build of the benchmarks, then one table of results
#   ./run.sh test-armhf  cross-build for armhf (the panel's architecture), run the suite under qemu
#   ./run.sh bench-armhf cross-built benchmarks under qemu, memory rows only
#   ./run.sh docs      API reference (HTML) from the public headers with doxygen
#   ./run.sh fuzz [S] [NAME]  clang build of the libFuzzer targets, then each (or NAME) for S seconds (default 10)
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"
ROOT=$(pwd)
JOBS=${JOBS:-2}
# Lets ccache reuse objects between clones of the repository in different folders.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$ROOT}
# Debug builds would otherwise hash the build folder's path into every object.
export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-true}

BASE_PACKAGES=(cmake ninja-build g++ ccache pkg-config qtbase5-dev qtbase5-dev-tools qttools5-dev-tools fonts-dejavu-core fonts-wqy-microhei libbenchmark-dev edid-decode)

ensure_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# configure_and_build <build-dir> [cmake options...]
configure_and_build() {
    local dir=$1
    shift
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S "$ROOT" -B "$dir" -G Ninja "$@"
    else
        cmake "$dir" "$@" >/dev/null
    fi
    cmake --build "$dir" -j"$JOBS"
}

# The armhf cross toolchain, Qt's armhf libraries next to the host's (multiarch) and qemu.
ARMHF_PACKAGES=(crossbuild-essential-armhf qtbase5-dev:armhf libqt5test5:armhf libqt5xml5:armhf
    qemu-user-static fonts-dejavu-core fonts-wqy-microhei)
ensure_armhf() {
    if ! dpkg --print-foreign-architectures | grep -qx armhf; then
        local sudo=""
        [ "$(id -u)" -ne 0 ] && sudo="sudo"
        $sudo dpkg --add-architecture armhf
        $sudo apt-get update -qq
    fi
    ensure_packages "${BASE_PACKAGES[@]}" "${ARMHF_PACKAGES[@]}" "$@"
}

run_suite() {
    local dir=$1
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir" --output-on-failure -j"$JOBS" --timeout 600
}

case "${1:-}" in
gallery)
    ensure_packages "${BASE_PACKAGES[@]}"
    configure_and_build "$ROOT/build" -DCMAKE_BUILD_TYPE=Debug
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        exec "$ROOT/build/gallery/vireo_gallery"
    fi
    out="$ROOT/build/screenshots"
    QT_QPA_PLATFORM=offscreen "$ROOT/build/gallery/vireo_gallery" --screenshots "$out"
    echo "No display: the gallery rendered every page into $out/"
    ls -1 "$out"
    ;;
test)
    # The suite includes the Qt Designer plugin's test, so the plugin is built here.
    ensure_packages "${BASE_PACKAGES[@]}" qttools5-dev
    configure_and_build "$ROOT/build" -DCMAKE_BUILD_TYPE=Debug -DVIREO_BUILD_DESIGNER_PLUGIN=ON
    run_suite "$ROOT/build"
    ;;
sanitize)
    ensure_packages "${BASE_PACKAGES[@]}"
    configure_and_build "$ROOT/build-asan" -DCMAKE_BUILD_TYPE=Debug -DVIREO_SANITIZE=ON -DVIREO_BUILD_BENCHMARKS=OFF
    ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=0" \
    LSAN_OPTIONS="suppressions=$ROOT/.ci/lsan.supp:print_suppressions=0" \
    UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
        run_suite "$ROOT/build-asan"
    ;;
bench)
    ensure_packages "${BASE_PACKAGES[@]}"
    configure_and_build "$ROOT/build-release" -DCMAKE_BUILD_TYPE=Release -DVIREO_BUILD_TESTS=OFF \
        -DVIREO_BUILD_GALLERY=OFF
    QT_QPA_PLATFORM=offscreen "$ROOT/build-release/bench/vireo_bench"
    ;;
test-armhf)
    ensure_armhf
    configure_and_build "$ROOT/build-armhf" -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchains/armhf-debian.cmake" \
        -DVIREO_BUILD_GALLERY=OFF -DVIREO_BUILD_BENCHMARKS=OFF
    # ctest runs every test through the toolchain's emulator (qemu-arm-static), in a PID namespace
    # of its own: under qemu a QProcess cannot follow its child, and killing that "child" kills the
    # whole process group; the tests leave host programs out under emulation, and the namespace
    # keeps any such slip from taking the caller's shell with it.
    if command -v unshare >/dev/null && unshare --pid --fork --mount-proc true 2>/dev/null; then
        ROOT="$ROOT" JOBS="$JOBS" unshare --pid --fork --mount-proc bash -c \
            'QT_QPA_PLATFORM=offscreen ctest --test-dir "$ROOT/build-armhf" --output-on-failure -j"$JOBS" --timeout 600'
    else
        run_suite "$ROOT/build-armhf"
    fi
    ;;
bench-armhf)
    ensure_armhf libbenchmark-dev:armhf
    configure_and_build "$ROOT/build-armhf-release" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchains/armhf-debian.cmake" \
        -DVIREO_BUILD_TESTS=OFF -DVIREO_BUILD_GALLERY=OFF
    # Times under emulation mean nothing; heap bytes per button do.
    QT_QPA_PLATFORM=offscreen qemu-arm-static "$ROOT/build-armhf-release/bench/vireo_bench" \
        --benchmark_filter='Memory'
    ;;
docs)
    ensure_packages doxygen
    mkdir -p "$ROOT/build/docs"
    # Warnings (undocumented classes and members) are shown, never fatal.
    (cd "$ROOT/docs" && doxygen Doxyfile 2>"$ROOT/build/docs/warnings.log")
    grep -E 'Compound .* is not documented' "$ROOT/build/docs/warnings.log" || true
    echo "$(grep -c 'warning:' "$ROOT/build/docs/warnings.log" || true) warnings in all: build/docs/warnings.log"
    echo "API reference: $ROOT/build/docs/html/index.html"
    ;;
fuzz)
    seconds=${2:-10}
    only=${3:-}
    ensure_packages "${BASE_PACKAGES[@]}" clang libclang-rt-14-dev
    CC=clang CXX=clang++ configure_and_build "$ROOT/build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVIREO_BUILD_FUZZERS=ON -DVIREO_BUILD_TESTS=OFF -DVIREO_BUILD_GALLERY=OFF -DVIREO_BUILD_BENCHMARKS=OFF
    status=0
    for target in "$ROOT"/build-fuzz/fuzz/fuzz_*; do
        [ -f "$target" ] && [ -x "$target" ] || continue
        name=$(basename "$target")
        [ -n "$only" ] && [ "$name" != "fuzz_$only" ] && [ "$name" != "$only" ] && continue
        # The seeds stay as committed: new inputs go to a scratch corpus in the build folder.
        work="$ROOT/build-fuzz/corpus/${name#fuzz_}"
        mkdir -p "$work"
        seeds="$ROOT/fuzz/corpus/${name#fuzz_}"
        echo "== $name for ${seconds}s"
        if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS="detect_leaks=0" \
            "$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$ROOT/build-fuzz/$name-" \
            "$work" $([ -d "$seeds" ] && echo "$seeds") 2>"$ROOT/build-fuzz/$name.log"; then
            tail -n 40 "$ROOT/build-fuzz/$name.log"
            echo "FAILED: $name (input saved under build-fuzz/$name-*)"
            status=1
        else
            grep -E "^stat::number_of_executed_units" "$ROOT/build-fuzz/$name.log" || true
        fi
    done
    exit $status
    ;;
*)
    echo "usage: $0 gallery|test|sanitize|bench|docs|fuzz|test-armhf|bench-armhf" >&2
    exit 2
    ;;
esac
