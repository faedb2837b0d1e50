# Debian packages the build, the tests and the program need; sourced by the
# set-up scripts. Installs whatever of them is missing.
VARNELA_PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev libgl-dev zlib1g-dev
  libgtest-dev libsqlite3-dev
  libdbd-xbase-perl python3-dbfread python3-dbf gdal-bin
  fonts-liberation poppler-utils
)

# What the end-to-end scenarios need besides: a virtual display, the
# accessibility bus and its Python binding, keystrokes, screenshots.
VARNELA_E2E_PACKAGES=(
  xvfb dbus-x11 at-spi2-core python3-pyatspi gir1.2-atspi-2.0
  xdotool x11-xkb-utils x11-xserver-utils imagemagick python3-pytest
)

# Installs the packages named (by default VARNELA_PACKAGES) that are missing.
install_missing_packages() {
  local wanted=("$@")
  [ ${#wanted[@]} -eq 0 ] && wanted=("${VARNELA_PACKAGES[@]}")
  local missing=()
  for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}
