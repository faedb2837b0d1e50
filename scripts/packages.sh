# Debian packages the build, the tests and the program need; sourced by the
# set-up scripts. Installs whatever of them is missing.
VARNELA_PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-l10n-tools libgl-dev zlib1g-dev
  libgtest-dev libsqlite3-dev
  libdbd-xbase-perl python3-dbfread python3-dbf gdal-bin
  fonts-liberation poppler-utils
)

install_missing_packages() {
  local missing=()
  for package in "${VARNELA_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}
