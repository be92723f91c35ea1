# Shared by scripts/run and scripts/test: installs what the build needs, then configures and builds.
# Idempotent: packages already present are not touched, and the build is incremental.

TXCONFIG_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
TXCONFIG_BUILD="${TXCONFIG_BUILD:-$TXCONFIG_ROOT/build}"
TXCONFIG_PACKAGES=(cmake make g++ qtbase5-dev libqt5serialport5-dev libbenchmark-dev fonts-dejavu-core xvfb xauth)
TXCONFIG_PACKAGES+=(desktop-file-utils appstream) # the desktop validators in the tests
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
configure_and_build() {
    cmake -S "$TXCONFIG_ROOT" -B "$TXCONFIG_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    # shellcheck disable=SC2086 # a list of target names
    cmake --build "$TXCONFIG_BUILD" -j"$(nproc)" ${TXCONFIG_TARGETS:+--target $TXCONFIG_TARGETS}
}
