# Debian packages the set-up scripts need, in groups; sourced by them.
# install_missing_packages installs whatever of a group is missing.

# To build the program and run it (scripts/run).
VARNELA_PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-l10n-tools libgl-dev zlib1g-dev libxlsxwriter-dev
  # Qt Charts; its CMake package needs the OpenGL module's, which Debian ships apart.
  qt6-charts-dev libqt6opengl6-dev
  fonts-liberation
)

# What the tests and the benchmarks add: GoogleTest, SQLite to compare with,
# independent readers of the tables and of printed PDFs.
VARNELA_TEST_PACKAGES=(
  libgtest-dev libsqlite3-dev
  libdbd-xbase-perl python3-dbfread python3-dbf gdal-bin
  poppler-utils python3-openpyxl
)

# To build the .deb and check it (scripts/package and its test).
VARNELA_PACKAGING_PACKAGES=(
  dpkg-dev file desktop-file-utils appstream lintian
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
