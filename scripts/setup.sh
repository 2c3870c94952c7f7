# shellcheck shell=bash
# Shared by run.sh, test.sh, scripts/install-packages.sh and .ci/run: install
# what is missing, configure. Sourced, not run. The build folders and their
# options are the presets in CMakePresets.json: "release" (build/) and
# "sanitize" (build-sanitize/).

GEO_PACKAGES=(
  build-essential cmake pkg-config
  libsdl2-dev libcairo2-dev libfontconfig-dev libfreetype-dev
  nlohmann-json3-dev libcli11-dev libgtest-dev libbenchmark-dev
  libpng-dev zlib1g-dev libx11-dev
  fonts-ipafont-gothic fonts-liberation2
  desktop-file-utils
  xvfb
)

# This folder, absolute: what is run as root must not depend on where it runs
# (`su -` starts in root's home).
GEO_SOURCE_DIR=$(CDPATH="" cd -- "$(dirname -- "${BASH_SOURCE[0]}")/.." && pwd)

# $1 quoted for a POSIX shell: in single quotes, a quote inside as '\''.
geo_shell_quote() {
  local q="'\\''"
  printf "'%s'" "${1//\'/$q}"
}

# The command a user without sudo runs to install the packages as root: this
# folder's own scripts/install-packages.sh, which repairs an interrupted
# install and waits for another package manager as the root path here does.
# `su -` gives root's login environment (dpkg finds the tools in /usr/sbin).
# The inner command is quoted for root's shell; the whole is put in double
# quotes where nothing in it is special there, else in single quotes.
geo_root_command() {
  local inner
  inner="bash $(geo_shell_quote "$GEO_SOURCE_DIR/scripts/install-packages.sh")"
  case $inner in
    *[\"\$\`\\!]* | *$'\n'*) echo "su - -c $(geo_shell_quote "$inner")" ;;
    *) echo "su - -c \"$inner\"" ;;
  esac
}

# The locks apt and dpkg take; another package manager (a desktop's automatic
# updates, a software centre) holds them while it runs.
GEO_PACKAGE_LOCKS=(
  /var/lib/dpkg/lock-frontend /var/lib/dpkg/lock
  /var/lib/apt/lists/lock /var/cache/apt/archives/lock
)

# Who holds a package manager's lock, as "LOCK held by process PID, COMMAND";
# nothing when every lock is free. lslocks names a lock's file only to root,
# so it runs as root ($1: "sudo" or nothing).
geo_package_lock_holder() {
  local pid command path lock
  while read -r pid command path; do
    for lock in "${GEO_PACKAGE_LOCKS[@]}"; do
      if [ "$path" = "$lock" ]; then
        echo "$lock held by process $pid, $command"
        return 0
      fi
    done
  done < <($1 lslocks --noheadings --raw --output PID,COMMAND,PATH 2>/dev/null || true)
}

# Waits (at most 10 minutes) until no other package manager holds a lock,
# saying once what it waits for. dpkg itself does not wait (apt-get does, with
# DPkg::Lock::Timeout), so this comes before the repair too.
geo_wait_for_package_lock() {
  local holder polls=0
  holder=$(geo_package_lock_holder "$1")
  [ -n "$holder" ] || return 0
  echo "Waiting for another package manager to finish ($holder)..." >&2
  while [ -n "$holder" ]; do
    if [ $polls -ge 300 ]; then
      echo "Another package manager still holds its lock after 10 minutes ($holder)" >&2
      return 1
    fi
    sleep 2
    polls=$((polls + 1))
    holder=$(geo_package_lock_holder "$1")
  done
}

# Everything the set-up says, and everything apt-get and dpkg print, goes to
# stderr: run.sh leaves stdout to the program alone.
geo_install_missing() {
  geo_install_missing_said >&2
}

geo_install_missing_said() {
  local missing=() pkg
  for pkg in "${GEO_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$pkg")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  local as_root
  as_root=$(geo_root_command)
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "Missing packages: ${missing[*]}"
      echo "Installing them needs root, and sudo is not installed. Install them as root"
      echo "(su asks for root's password), then run this again:"
      echo "  $as_root"
      return 1
    fi
    # Each sudo call below would ask for the password of a user that sudo
    # refuses, again and again: ask once, here, and not at all where sudo
    # needs no password (NOPASSWD, or a password given a moment ago). The
    # calls after it use what sudo remembers of this one.
    if ! sudo -n true 2>/dev/null; then
      echo "Missing packages: ${missing[*]}"
      echo "Installing them needs root: sudo asks for your password."
      if ! sudo -v; then
        echo "sudo gave no root rights. Install them as root (su asks for"
        echo "root's password), then run this again:"
        echo "  $as_root"
        return 1
      fi
    fi
    sudo="sudo"
  fi
  echo "Installing: ${missing[*]}"
  # Wait for another package manager rather than fail on its lock: first here,
  # where it says so (apt-get with -qq would wait without a word), then in
  # apt-get itself, for a lock taken meanwhile.
  geo_wait_for_package_lock "$sudo" || return 1
  # DEBIAN_FRONTEND is set after sudo, which does not pass on the caller's
  # environment.
  local apt=(env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600)
  # An install that was interrupted leaves packages unpacked but not
  # configured, and apt refuses everything until that is repaired.
  if [ -n "$($sudo dpkg --audit 2>/dev/null)" ]; then
    echo "Repairing an interrupted package install first"
    $sudo env DEBIAN_FRONTEND=noninteractive dpkg --configure -a || true
    $sudo "${apt[@]}" install -f -y -qq || true
  fi
  if ! { $sudo "${apt[@]}" update -qq &&
         $sudo "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"; }; then
    echo "Could not install: ${missing[*]}"
    echo "Install them as root, then run this again:"
    echo "  $as_root"
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
