# Shared by scripts/run and scripts/test: installs what the build needs and builds.
# Sourced, not executed.

PROJECT_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-"$PROJECT_ROOT/build"}
# The project's version, as CMakeLists.txt gives it: the one place it is written.
VERSION=$(sed -n 's/^project(Regalo_Vespera VERSION \([0-9.]*\).*/\1/p' "$PROJECT_ROOT/CMakeLists.txt")

# Debian packages the build and the tests need.
REQUIRED_PACKAGES=(
  cmake ninja-build g++ pkg-config python3
  qt6-base-dev qt6-qpa-plugins libgl-dev libqt6svg6
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgtest-dev
  fonts-dejavu-core fonts-liberation2
  desktop-file-utils appstream dpkg-dev file
  xvfb xauth lintian mmdebstrap
)

# The fuzzers and the sanitizer build want clang and its runtimes.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)

# regalo-decode's spreadsheet files are checked in a real spreadsheet.
SPREADSHEET_PACKAGES=(libreoffice-calc-nogui python3)

# The library's ABI check, and its C# assembly built, packed and run in Mono.
LIBRARY_PACKAGES=(abigail-tools mono-mcs mono-runtime nuget)

missing_packages() {
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      printf '%s\n' "$pkg"
    fi
  done
}

# Installs whichever of the given packages are missing; a second run installs nothing.
ensure_packages() {
  if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
    echo "This system has no apt. Install these packages (or their equivalents) and run again:" >&2
    printf '  %s\n' "$@" >&2
    exit 1
  fi
  local missing
  mapfile -t missing < <(missing_packages "$@")
  [ "${#missing[@]}" -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      as_root=(sudo)
    else
      echo "Need root to install: ${missing[*]} (no sudo found)." >&2
      exit 1
    fi
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure() {
  local build_dir=$1
  shift
  if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    cmake -S "$PROJECT_ROOT" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  fi
}

configure_and_build() {
  configure "$@"
  cmake --build "$1" --parallel "$(nproc 2>/dev/null || echo 2)"
}
