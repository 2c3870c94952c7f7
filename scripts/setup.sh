# Shared by run.sh, test.sh and .ci/run: install what is missing, configure.
# Sourced, not run. The build folders and their options are the presets in
# CMakePresets.json: "release" (build/) and "sanitize" (build-sanitize/).

GEO_PACKAGES=(
  build-essential cmake pkg-config
  libsdl2-dev libcairo2-dev libfontconfig-dev libfreetype-dev
  nlohmann-json3-dev libcli11-dev libgtest-dev libbenchmark-dev
  libpng-dev zlib1g-dev libx11-dev
  fonts-ipafont-gothic fonts-liberation2
  desktop-file-utils
  xvfb
)

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
  # What a user without sudo runs as root (a login shell, so that dpkg finds
  # the tools in /usr/sbin).
  local as_root="su - -c \"apt-get update && apt-get install -y --no-install-recommends ${missing[*]}\""
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      {
        echo "Missing packages: ${missing[*]}"
        echo "Installing them needs root, and sudo is not installed. Install them as root"
        echo "(su asks for root's password), then run this again:"
        echo "  $as_root"
      } >&2
      return 1
    fi
    sudo="sudo"
  fi
  echo "Installing: ${missing[*]}"
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
  if ! { $sudo "${apt[@]}" update -qq &&
         DEBIAN_FRONTEND=noninteractive $sudo "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"; }; then
    {
      echo "Could not install: ${missing[*]}"
      echo "Install them as root, then run this again:"
      echo "  $as_root"
    } >&2
    return 1
  fi
}

# Configures a preset's build folder. Run every time: it is quick when nothing
# changed, and a changed option or preset reaches a folder configured before.
geo_configure() {
  cmake --preset "$1"
}

geo_jobs() {
  nproc 2>/dev/null || echo 2
}
