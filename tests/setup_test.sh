#!/usr/bin/env bash
# The set-up and build scripts (scripts/setup.sh, scripts/install-packages.sh,
# run.sh, test.sh) on stand-ins: the package tools, lslocks, sleep, sudo, su,
# cmake and ctest are small scripts that write down how they were called, and
# PATH holds nothing else (so no real sudo, su, apt-get or cmake is reached;
# no network, no root). The stand-ins act as the real tools do where the
# scripts depend on it: apt-get and dpkg refuse to change anything unless run
# as root, and print their progress on stdout; sudo asks for a password (as
# set), runs the command as root and does not pass on the caller's
# environment; lslocks names a lock's file only to root. The scripts run from
# a folder whose path holds a space and Japanese characters.
#   setup_test.sh SOURCE_DIR
set -u
source_dir=$(cd "$1" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The tools the scripts use that are not stood in for (bash: the command
# printed for root runs the set-up with it).
real=$tmp/real
mkdir -p "$real"
for tool in bash grep dirname nproc env true; do
  ln -s "$(command -v "$tool")" "$real/$tool"
done

# Stand-ins. FAKE_UID is the user id; FAKE_INSTALLED the installed packages
# ("all" for every one); FAKE_INTERRUPTED, when set, makes dpkg report an
# interrupted install; FAKE_APT_FAILS, when set, makes apt-get's install of
# the missing packages fail; FAKE_LOCK_HELD is how many times lslocks reports
# another package manager holding the locks FAKE_LOCKS (dpkg's two unless
# set) before it reports them free; FAKE_SUDO is what sudo asks of the user
# (nopasswd, the default: nothing; password: a password, once, then it
# remembers; refused: a password, on every call, and then it refuses). Each
# call is written to $CALLS, a password asked for as "sudo: password asked",
# and a package tool run as a user other than root, or run so that it would
# ask questions, as a line starting with "NOT ROOT:" or "ASKS:".
stand_ins=$tmp/stand-ins
mkdir -p "$stand_ins"
cat > "$stand_ins/id" <<'EOF'
#!/bin/bash
[ "$1" = -u ] && echo "$FAKE_UID"
EOF
cat > "$stand_ins/dpkg-query" <<'EOF'
#!/bin/bash
pkg=${!#}
if [ "$FAKE_INSTALLED" = all ] || [[ " $FAKE_INSTALLED " == *" $pkg "* ]]; then
  echo "install ok installed"
else
  echo "no packages found matching $pkg" >&2
  exit 1
fi
EOF
# shellcheck disable=SC2016 # the stand-in expands $*, not this script
for tool in ctest sleep; do
  printf '#!/bin/bash\necho "%s $*" >> "$CALLS"\n' "$tool" > "$stand_ins/$tool"
done
cat > "$stand_ins/apt-get" <<'EOF'
#!/bin/bash
echo "apt-get $*" >> "$CALLS"
action=""
for arg; do
  case $arg in update|install) action=$arg; break ;; esac
done
[ -n "$action" ] || exit 0
if [ "$FAKE_UID" != 0 ]; then
  echo "NOT ROOT: apt-get $*" >> "$CALLS"
  echo "E: Could not open lock file /var/lib/dpkg/lock-frontend - open (13: Permission denied)" >&2
  exit 100
fi
if [ "$action" = update ]; then
  echo "Reading package lists..."
  exit 0
fi
[ "${DEBIAN_FRONTEND:-}" = noninteractive ] || echo "ASKS: apt-get $*" >> "$CALLS"
if [ -n "${FAKE_APT_FAILS:-}" ] && [[ " $* " != *" install -f "* ]]; then
  echo "E: Unable to locate package ${!#}" >&2
  exit 100
fi
echo "Setting up libsdl2-dev:amd64 (2.26.5+dfsg-1) ..."
EOF
cat > "$stand_ins/dpkg" <<'EOF'
#!/bin/bash
echo "dpkg $*" >> "$CALLS"
if [ "$1" = --audit ] && [ -n "${FAKE_INTERRUPTED:-}" ]; then
  echo "The following packages are only half configured, probably due to problems"
  echo "configuring them the first time."
  echo " libsdl2-dev:amd64 Simple DirectMedia Layer development files"
elif [ "$1" = --configure ]; then
  if [ "$FAKE_UID" != 0 ]; then
    echo "NOT ROOT: dpkg $*" >> "$CALLS"
    echo "dpkg: error: requested operation requires superuser privilege" >&2
    exit 2
  fi
  [ "${DEBIAN_FRONTEND:-}" = noninteractive ] || echo "ASKS: dpkg $*" >> "$CALLS"
  echo "Setting up libsdl2-dev:amd64 (2.26.5+dfsg-1) ..."
fi
EOF
cat > "$stand_ins/lslocks" <<'EOF'
#!/bin/bash
echo "lslocks $*" >> "$CALLS"
polls=0
[ -f "$CALLS.lslocks" ] && read -r polls < "$CALLS.lslocks"
echo $((polls + 1)) > "$CALLS.lslocks"
# A lock's file shows to root alone.
shown() { if [ "$FAKE_UID" = 0 ]; then echo "$1"; fi; }
echo "812 cron $(shown /run/crond.pid)"
if [ "$polls" -lt "${FAKE_LOCK_HELD:-0}" ]; then
  for lock in ${FAKE_LOCKS:-/var/lib/dpkg/lock-frontend /var/lib/dpkg/lock}; do
    echo "4242 unattended-upgr $(shown "$lock")"
  done
fi
EOF
cat > "$stand_ins/sudo" <<'EOF'
#!/bin/bash
echo "sudo $*" >> "$CALLS"
ask=yes
if [ "$1" = -n ]; then
  ask=no
  shift
fi
mode=${FAKE_SUDO:-nopasswd}
if [ "$mode" != nopasswd ] && [ ! -e "$CALLS.sudo-remembers" ]; then
  if [ $ask = no ]; then
    echo "sudo: a password is required" >&2
    exit 1
  fi
  echo "sudo: password asked" >> "$CALLS"
  echo "[sudo] password for user: " >&2
  if [ "$mode" = refused ]; then
    echo "user is not in the sudoers file." >&2
    exit 1
  fi
  : > "$CALLS.sudo-remembers"
fi
[ "$1" = -v ] && exit 0
exec env -u DEBIAN_FRONTEND FAKE_UID=0 "$@"
EOF
# su - -c COMMAND: root's login shell runs COMMAND in root's home, not where
# su was called.
cat > "$stand_ins/su" <<'EOF'
#!/bin/bash
echo "su $*" >> "$CALLS"
if [ $# -ne 3 ] || [ "$1" != - ] || [ "$2" != -c ]; then
  echo "su: not the call expected: $*" >&2
  exit 1
fi
cd "$FAKE_ROOT_HOME" || exit 1
unset OLDPWD
FAKE_UID=0 HOME=$FAKE_ROOT_HOME exec bash -c "$3"
EOF
# cmake configures (making build/ where there is none) and builds (making a
# stand-in program that says how it was started, where there is none).
cat > "$stand_ins/cmake" <<'EOF'
#!/bin/bash
echo "cmake $*" >> "$CALLS"
if [ "$1" = --build ]; then
  echo "[ 50%] Building CXX object CMakeFiles/geo_platform.dir/platform/canvas.cpp.o"
  if [ ! -x build/bin/varnel ]; then
    command -p mkdir -p build/bin
    printf '#!/bin/bash\necho "varnel started with: $*"\n' > build/bin/varnel
    command -p chmod +x build/bin/varnel
  fi
  echo "[100%] Built target varnel"
else
  command -p mkdir -p build
  : > build/CMakeCache.txt
  echo "-- Configuring done"
fi
EOF
chmod +x "$stand_ins"/*

# Copies of the scripts: $repo with a build folder configured before (its
# cache exists) and a program built; $fresh_repo with no build folder yet;
# $odd_repo in a folder whose name a shell takes apart unless it is quoted.
copy_scripts() {
  mkdir -p "$1/scripts"
  cp "$source_dir/run.sh" "$source_dir/test.sh" "$1/"
  cp "$source_dir/scripts/setup.sh" "$source_dir/scripts/install-packages.sh" "$1/scripts/"
}
repo="$tmp/ダウンロード/geo lessons"
copy_scripts "$repo"
mkdir -p "$repo/build/bin"
touch "$repo/build/CMakeCache.txt"
printf '#!/bin/bash\necho "varnel started with: $*"\n' > "$repo/build/bin/varnel"
chmod +x "$repo/build/bin/varnel"
fresh_repo="$tmp/ダウンロード/geo fresh"
copy_scripts "$fresh_repo"
odd_repo="$tmp/it's \"ours\" \$HOME \`id\` \\ !x"
copy_scripts "$odd_repo"
mkdir -p "$tmp/root-home"

failed=0 passed=0
fail() {
  echo "FAIL [$case]: $*"
  echo "  status: $status"
  sed 's/^/  stdout: /' "$tmp/out"
  sed 's/^/  stderr: /' "$tmp/err"
  sed 's/^/  called: /' "$tmp/calls"
  failed=$((failed + 1))
}
# run WITH_SUDO UID INSTALLED COMMAND...: runs the command in $here ($repo
# unless a case sets it) with only the stand-ins (and sudo, when WITH_SUDO is
# yes) on PATH, and the variables in extra_env (none unless a case sets them).
here=$repo
extra_env=()
run() {
  local with_sudo=$1 uid=$2 installed=$3
  shift 3
  local bin=$tmp/bin-$with_sudo
  if [ ! -d "$bin" ]; then
    mkdir -p "$bin"
    cp -P "$real"/* "$bin/"
    cp "$stand_ins"/* "$bin/"
    [ "$with_sudo" = yes ] || rm "$bin/sudo"
  fi
  : > "$tmp/calls"
  rm -f "$tmp/calls.lslocks" "$tmp/calls.sudo-remembers"
  (cd "$here" && env -i PATH="$bin" HOME="$tmp" FAKE_UID="$uid" FAKE_INSTALLED="$installed" \
    FAKE_ROOT_HOME="$tmp/root-home" CALLS="$tmp/calls" "${extra_env[@]}" \
    "$BASH" "$@" > "$tmp/out" 2> "$tmp/err")
  status=$?
}
install_missing=(-c 'set -euo pipefail; . scripts/setup.sh; geo_install_missing')
some_installed="build-essential cmake pkg-config libsdl2-dev libcairo2-dev"
# What is said while another package manager holds dpkg's lock.
waiting="Waiting for another package manager to finish (/var/lib/dpkg/lock-frontend held by process 4242, unattended-upgr)"
# lines_of PATTERN: the line numbers in the calls that match.
lines_of() { grep -n "$1" "$tmp/calls" | cut -d: -f1; }
# The install of what is missing, as root (through sudo or not).
installed_missing() {
  grep -q "^apt-get .*DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends libfontconfig-dev .* xvfb$" "$tmp/calls"
}
# A package tool run as a user (it refused), or so that it would ask.
run_wrongly() { grep -q "^NOT ROOT:\|^ASKS:" "$tmp/calls"; }
prompts() { grep -c "^sudo: password asked$" "$tmp/calls"; }

# A user without sudo (Debian installed with a root password): the missing
# packages are named with the one command that installs them as root (this
# folder's own install script, by its full path: su - starts in root's home),
# nothing is run, and the status says it failed. Where the path holds nothing
# a shell treats specially in double quotes, the command reads as typed by
# hand.
case="no sudo"
run no 1000 "$some_installed" "${install_missing[@]}"
printed_for_root() {
  case $repo in
    *[\'\"\$\`\\!]*) grep -q "^  su - -c .*scripts/install-packages.sh" "$tmp/err" ;;
    *) grep -qxF "  su - -c \"bash '$repo/scripts/install-packages.sh'\"" "$tmp/err" ;;
  esac
}
if [ $status -ne 1 ]; then fail "status $status, not 1"
elif grep -q "command not found" "$tmp/err"; then fail "a command was not found"
elif ! grep -q "Missing packages: libfontconfig-dev .* xvfb$" "$tmp/err"; then fail "the missing packages are not named"
elif grep -q "libsdl2-dev" "$tmp/err"; then fail "an installed package is named as missing"
elif ! printed_for_root; then
  fail "no command to install them as root"
elif [ -s "$tmp/calls" ]; then fail "a package tool was run"
else passed=$((passed + 1)); fi

# The command printed for root, run as the user types it, through su to root:
# it repairs the interrupted install after waiting for the lock held by
# another package manager (saying so once), then installs what is missing,
# without sudo, and leaves the folder as it was (it builds nothing). From a
# folder whose path holds a space and Japanese characters, and from one with
# quotes, $, `, \ and ! in its name.
for here in "$repo" "$odd_repo"; do
  case="the printed root command, in ${here#"$tmp/"}"
  extra_env=()
  run no 1000 "$some_installed" "${install_missing[@]}"
  printed=$(grep "^  su " "$tmp/err")
  printed=${printed#  }
  before=$(cd "$here" && find . -printf '%p %s %T@\n' | sort)
  extra_env=(FAKE_INTERRUPTED=yes FAKE_LOCK_HELD=2)
  run no 1000 "$some_installed" -c "$printed"
  if [ -z "$printed" ]; then fail "no command printed"
  elif [ $status -ne 0 ]; then fail "status $status: $printed"
  elif [ "$(lines_of '^su ' | wc -l)" -ne 1 ]; then fail "not run through su once: $printed"
  elif grep -q "^sudo" "$tmp/calls"; then fail "sudo was run"
  elif [ "$(grep -cF "$waiting" "$tmp/err")" -ne 1 ]; then fail "the wait for the lock is not said once"
  elif [ "$(lines_of '^lslocks ' | wc -l)" -ne 3 ]; then fail "the lock was not looked at until it was free"
  elif [ -z "$(lines_of '^dpkg --configure -a$')" ]; then fail "the interrupted install was not repaired"
  elif [ "$(lines_of '^lslocks ' | tail -n 1)" -gt "$(lines_of '^dpkg --configure -a$')" ]; then
    fail "the repair did not wait for the lock"
  elif ! grep -q "^apt-get .*DPkg::Lock::Timeout=600 install -f -y" "$tmp/calls"; then
    fail "apt-get did not complete the repair"
  elif ! installed_missing; then fail "the missing packages were not installed, waiting for the lock"
  elif run_wrongly; then fail "a package tool ran as a user, or would ask questions"
  elif [ "$(cd "$here" && find . -printf '%p %s %T@\n' | sort)" != "$before" ]; then
    fail "the folder changed"
  else passed=$((passed + 1)); fi
done
here=$repo
extra_env=()

# With sudo, the same is done through it: a lock another package manager
# holds is waited for (said once), the interrupted install is repaired and the
# missing packages are installed, each as root and without questions.
case="sudo"
extra_env=(FAKE_LOCK_HELD=3 FAKE_INTERRUPTED=yes)
run yes 1000 "$some_installed" "${install_missing[@]}"
extra_env=()
if [ $status -ne 0 ]; then fail "status $status"
elif [ "$(grep -cF "$waiting" "$tmp/err")" -ne 1 ]; then fail "the wait for the lock is not said once"
elif [ "$(lines_of '^sudo lslocks ' | wc -l)" -ne 4 ]; then fail "the lock was not looked at as root until it was free"
elif [ "$(lines_of '^sleep ' | wc -l)" -ne 3 ]; then fail "no pause between looks at the lock"
elif [ "$(lines_of '^lslocks ' | tail -n 1)" -gt "$(lines_of '^sudo .*dpkg --configure -a$' | head -n 1)" ]; then
  fail "the repair ran while the lock was held"
elif [ -z "$(lines_of '^dpkg --configure -a$')" ]; then fail "the interrupted install was not repaired"
elif ! grep -q "^sudo .*apt-get .* install -y -qq --no-install-recommends libfontconfig-dev .* xvfb$" "$tmp/calls" ||
     ! installed_missing; then
  fail "the missing packages were not installed through sudo"
elif run_wrongly; then fail "a package tool ran as a user, or would ask questions"
else passed=$((passed + 1)); fi

# Each lock a package manager takes is waited for, as root: dpkg's two, the
# package lists' (apt-get update) and the downloads'.
for lock in /var/lib/dpkg/lock-frontend /var/lib/dpkg/lock /var/lib/apt/lists/lock /var/cache/apt/archives/lock; do
  case="lock $lock held"
  extra_env=(FAKE_LOCK_HELD=1 FAKE_LOCKS="$lock")
  run no 0 "$some_installed" "${install_missing[@]}"
  extra_env=()
  if [ $status -ne 0 ]; then fail "status $status"
  elif [ "$(grep -cF "Waiting for another package manager to finish ($lock held by process 4242, unattended-upgr)" "$tmp/err")" -ne 1 ]; then
    fail "the wait for the lock is not said once"
  elif [ "$(lines_of '^lslocks ' | wc -l)" -ne 2 ]; then fail "the lock was not looked at until it was free"
  elif [ "$(lines_of '^lslocks ' | tail -n 1)" -gt "$(lines_of '^apt-get ' | head -n 1)" ]; then
    fail "apt-get ran while the lock was held"
  elif ! installed_missing; then fail "the missing packages were not installed"
  else passed=$((passed + 1)); fi
done

# A lock that stays held: the wait ends (after 10 minutes of pauses), says
# why, and installs nothing.
case="lock held for good"
extra_env=(FAKE_LOCK_HELD=1000000)
run no 0 "$some_installed" "${install_missing[@]}"
extra_env=()
if [ $status -ne 1 ]; then fail "status $status, not 1"
elif [ "$(grep -cF "$waiting" "$tmp/err")" -ne 1 ]; then fail "the wait for the lock is not said once"
elif ! grep -q "still holds its lock after 10 minutes" "$tmp/err"; then fail "the end of the wait is not explained"
elif [ "$(lines_of '^sleep 2$' | wc -l)" -ne 300 ]; then fail "not 300 pauses of 2 s"
elif grep -q "^apt-get\|^dpkg" "$tmp/calls"; then fail "a package tool was run"
else passed=$((passed + 1)); fi

# As root, apt-get runs directly (no sudo needed, none there), and nothing is
# said of a lock that is free.
case="root"
run no 0 "$some_installed" "${install_missing[@]}"
if [ $status -ne 0 ]; then fail "status $status"
elif ! installed_missing; then fail "the missing packages were not installed"
elif grep -q "^sudo" "$tmp/calls"; then fail "sudo was run"
elif grep -q "Waiting" "$tmp/err"; then fail "a wait is said while the lock is free"
elif grep -q "^dpkg --configure" "$tmp/calls"; then fail "a repair was run with nothing to repair"
elif run_wrongly; then fail "a package tool would ask questions"
else passed=$((passed + 1)); fi

# What sudo asks of the user: nothing where it needs no password; a password
# once, before anything is run, where it needs one; and where it refuses the
# user, a password once, then the command that installs the packages as root,
# status 1 and nothing run. Rows: FAKE_SUDO, status, passwords asked.
while read -r mode want_status want_prompts; do
  case="sudo: $mode"
  extra_env=(FAKE_SUDO="$mode")
  run yes 1000 "$some_installed" "${install_missing[@]}"
  extra_env=()
  if [ $status -ne "$want_status" ]; then fail "status $status, not $want_status"
  elif [ "$(prompts)" -ne "$want_prompts" ]; then fail "a password asked $(prompts) times, not $want_prompts"
  elif [ "$want_status" -eq 0 ] && ! installed_missing; then fail "the missing packages were not installed"
  elif [ "$want_status" -ne 0 ] && grep -q "^apt-get\|^dpkg\|^lslocks" "$tmp/calls"; then
    fail "a package tool was run"
  elif [ "$want_status" -ne 0 ] && ! printed_for_root; then fail "no command to install them as root"
  elif run_wrongly; then fail "a package tool ran as a user, or would ask questions"
  else passed=$((passed + 1)); fi
done <<'ROWS'
nopasswd 0 0
password 0 1
refused  1 1
ROWS

# scripts/install-packages.sh says that everything is installed only when it
# is. Rows: what it is run as, FAKE_APT_FAILS, status, whether it says so.
while read -r who apt_fails want_status says; do
  case="install-packages.sh as $who, apt-get failing: $apt_fails"
  extra_env=()
  [ "$apt_fails" = yes ] && extra_env=(FAKE_APT_FAILS=yes)
  if [ "$who" = root ]; then
    run no 0 "$some_installed" scripts/install-packages.sh
  else
    run no 1000 "$some_installed" scripts/install-packages.sh
  fi
  extra_env=()
  said=no
  grep -q "Every package the build needs is installed" "$tmp/out" "$tmp/err" && said=yes
  if [ $status -ne "$want_status" ]; then fail "status $status, not $want_status"
  elif [ $said != "$says" ]; then fail "said that every package is installed: $said, not $says"
  elif [ "$apt_fails" = yes ] && ! grep -q "^Could not install: libfontconfig-dev" "$tmp/err"; then
    fail "the failed install is not said"
  else passed=$((passed + 1)); fi
done <<'ROWS'
root     no  0 yes
root     yes 1 no
user     no  1 no
ROWS

# Everything there: nothing to do, even without sudo.
case="nothing missing"
run no 1000 all "${install_missing[@]}"
if [ $status -ne 0 ]; then fail "status $status"
elif [ -s "$tmp/calls" ] || [ -s "$tmp/out" ] || [ -s "$tmp/err" ]; then fail "something was run or said"
else passed=$((passed + 1)); fi

# run.sh configures (the build folder exists: a changed option must still
# reach it), shows the build's progress, says it starts the program, and
# leaves stdout to the program: with every package there, and where it
# installs packages (repairing an interrupted install first) as root or
# through sudo, whose messages, and apt-get's and dpkg's, go to stderr. Only a
# first build (no build folder yet) is said to be one. Rows: sudo there, user
# id, packages installed.
while read -r with_sudo uid installed; do
  case="run.sh, sudo: $with_sudo, user $uid, installed: $installed"
  extra_env=(FAKE_INTERRUPTED=yes FAKE_SUDO=password)
  run "$with_sudo" "$uid" "$installed" run.sh varnel --version
  extra_env=()
  if [ $status -ne 0 ]; then fail "status $status"
  elif [ "$(cat "$tmp/out")" != "varnel started with: --version" ]; then fail "stdout is not the program's alone"
  elif [ "$installed" != all ] && ! { installed_missing && grep -q "^Setting up " "$tmp/err"; }; then
    fail "the missing packages were not installed, or apt-get's messages not shown"
  elif ! grep -q "^cmake --preset release" "$tmp/calls"; then fail "the existing build folder was not configured again"
  elif ! grep -q "^\[ 50%\] Building CXX object" "$tmp/err"; then fail "the build's progress is not shown"
  elif grep -q "first build" "$tmp/err"; then fail "a build in an existing build folder is said to be the first"
  elif ! tail -n 1 "$tmp/err" | grep -q "^Starting .*varnel"; then
    fail "it does not say it starts the program, after the build"
  else passed=$((passed + 1)); fi
done <<ROWS
no   1000 all
no   0    $some_installed
yes  1000 $some_installed
ROWS

case="run.sh, first build"
here=$fresh_repo
run no 1000 all run.sh varnel --version
here=$repo
if [ $status -ne 0 ]; then fail "status $status"
elif [ "$(cat "$tmp/out")" != "varnel started with: --version" ]; then fail "stdout is not the program's alone"
elif ! grep -q "^Building varnel in build/ (the first build: " "$tmp/err"; then fail "the first build is not said to be one"
else passed=$((passed + 1)); fi

# test.sh configures and builds, and hands its arguments to ctest.
case="test.sh"
run no 1000 all test.sh -R Translation --rerun-failed
if [ $status -ne 0 ]; then fail "status $status"
elif ! grep -q "^cmake --preset release" "$tmp/calls"; then fail "the existing build folder was not configured again"
elif ! grep -q "^cmake --build .*release" "$tmp/calls"; then fail "nothing was built"
elif ! grep -q "^ctest .* -R Translation --rerun-failed$" "$tmp/calls"; then fail "ctest did not get the arguments"
else passed=$((passed + 1)); fi

echo "setup scripts: $passed cases passed, $failed failed"
[ $failed -eq 0 ]
