# Shared by scripts/run and scripts/test: installs the Debian packages the
# build needs when they are missing, then configures and builds.
set -euo pipefail

TARVO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
TARVO_PACKAGES=(cmake g++ pkg-config make libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libtinyxml-dev libsdl2-dev libsdl2-ttf-dev libsdl2-image-dev
  libcurl4-openssl-dev curl libcpp-httplib-dev libsqlite3-dev fonts-wqy-microhei fonts-dejavu-core
  libxml2-dev libfreetype-dev libfontconfig-dev libpng-dev libjpeg-dev)

tarvo_install_packages() {
  local missing=()
  for pkg in "${TARVO_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# tarvo_build DIR [cmake options...]
tarvo_build() {
  local dir="$1"
  shift
  cmake -S "$TARVO_ROOT" -B "$TARVO_ROOT/$dir" "$@" >/dev/null
  cmake --build "$TARVO_ROOT/$dir" -j "$(nproc)"
}
