# Shared by run.sh and test.sh: install what is missing, configure, build.
# Sourced, not run.

GEO_PACKAGES=(
  build-essential cmake pkg-config
  libsdl2-dev libcairo2-dev libfontconfig-dev libfreetype-dev
  nlohmann-json3-dev libcli11-dev libgtest-dev libbenchmark-dev
  libpng-dev zlib1g-dev libx11-dev
  fonts-ipafont-gothic fonts-liberation2
  desktop-file-utils
  xvfb
)
GEO_BUILD_DIR=${GEO_BUILD_DIR:-build}

geo_install_missing() {
  local missing=()
  for pkg in "${GEO_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$pkg")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
  fi
  # Wait for another package manager (a desktop's automatic updates) rather
  # than fail on its lock.
  local apt=(apt-get -o DPkg::Lock::Timeout=600)
  # An install that was interrupted leaves packages unpacked but not
  # configured, and apt refuses everything until that is repaired.
  if [ -n "$($sudo dpkg --audit 2>/dev/null)" ]; then
    echo "Repairing an interrupted package install first"
    DEBIAN_FRONTEND=noninteractive $sudo dpkg --configure -a || true
    DEBIAN_FRONTEND=noninteractive $sudo "${apt[@]}" install -f -y -qq || true
  fi
  $sudo "${apt[@]}" update -qq
  DEBIAN_FRONTEND=noninteractive $sudo "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
}

geo_configure() {
  if [ ! -f "$GEO_BUILD_DIR/CMakeCache.txt" ]; then
    cmake -S . -B "$GEO_BUILD_DIR" -DCMAKE_BUILD_TYPE=Release
  fi
}

geo_jobs() {
  nproc 2>/dev/null || echo 2
}
