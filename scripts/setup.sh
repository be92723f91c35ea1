# Shared by scripts/run and scripts/test: installs what the build needs, then configures and builds.
# Idempotent: packages already present are not touched, and the build is incremental.

# TXCONFIG_QT=5 (the default: Debian 12's Qt 5.15, which the package targets) or TXCONFIG_QT=6 (Qt 6.4
# there). Each Qt has build folders of its own: build/ and build-qt6/, build-fuzz/ and build-fuzz-qt6/.

TXCONFIG_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
TXCONFIG_QT="${TXCONFIG_QT:-5}"
case "$TXCONFIG_QT" in
# Linguist's lupdate and lrelease build the catalogues; Qt's own catalogues translate its buttons and dialogs.
5) TXCONFIG_QT_PACKAGES=(qtbase5-dev libqt5serialport5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n)
   TXCONFIG_SUFFIX="" ;;
6) TXCONFIG_QT_PACKAGES=(qt6-base-dev qt6-serialport-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
   TXCONFIG_SUFFIX="-qt6" ;;
*)
    echo "TXCONFIG_QT is 5 or 6, not '$TXCONFIG_QT'" >&2
    return 1
    ;;
esac
TXCONFIG_BUILD="${TXCONFIG_BUILD:-$TXCONFIG_ROOT/build$TXCONFIG_SUFFIX}"
# Pinned, since a machine with both would otherwise get the newest.
TXCONFIG_CMAKE_QT="-DTXCONFIG_QT_MAJOR=$TXCONFIG_QT"
TXCONFIG_PACKAGES=(cmake make ninja-build ccache g++ "${TXCONFIG_QT_PACKAGES[@]}" libbenchmark-dev fonts-dejavu-core xvfb xauth)
TXCONFIG_PACKAGES+=(desktop-file-utils appstream) # the desktop validators in the tests
TXCONFIG_PACKAGES+=(help2man) # the man pages, from each program's --help
TXCONFIG_PACKAGES+=(fonts-wqy-microhei) # Chinese glyphs, for the test that no translated text is cut short
# CTest's parallel jobs: the tests spend most of their time waiting for frames at the link's pace (the
# whole suite takes about a quarter of one core), so four per core run side by side.
TXCONFIG_TEST_JOBS="${TXCONFIG_TEST_JOBS:-$((4 * $(nproc)))}"
# Only scripts/fuzz needs these (libFuzzer comes with clang's runtime); the normal build does not.
TXCONFIG_FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# Only the memory check (scripts/memcheck) needs this.
TXCONFIG_MEMCHECK_PACKAGES=(valgrind)

# ensure_packages [PACKAGE...]: the given packages, or the build's list.
ensure_packages() {
    local wanted=("$@") missing=()
    [ ${#wanted[@]} -eq 0 ] && wanted=("${TXCONFIG_PACKAGES[@]}")
    for pkg in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# configure_and_build [CMAKE OPTION...]; TXCONFIG_TARGETS, if set, names the only targets to build.
# The benchmarks and other tools that no test runs are left out unless TXCONFIG_TOOLS=ON or named.
# TXCONFIG_LINE_TABLES=1 builds with line tables (-g1) instead of full debug info: all a failure's stack
# trace needs, and much less to write and link (CI's second Qt builds).
configure_and_build() {
    local generator=() lines=()
    if [ "${TXCONFIG_LINE_TABLES:-0}" = 1 ]; then lines=("-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG"); fi
    # Ninja for a new build folder; one made earlier keeps the generator it was made with.
    if [ ! -f "$TXCONFIG_BUILD/CMakeCache.txt" ] && command -v ninja >/dev/null; then generator=(-G Ninja); fi
    cmake -S "$TXCONFIG_ROOT" -B "$TXCONFIG_BUILD" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        "$TXCONFIG_CMAKE_QT" -DTXCONFIG_TOOLS="${TXCONFIG_TOOLS:-OFF}" "${lines[@]}" "$@" >/dev/null
    # shellcheck disable=SC2086 # a list of target names
    cmake --build "$TXCONFIG_BUILD" -j"$(nproc)" ${TXCONFIG_TARGETS:+--target $TXCONFIG_TARGETS}
}
