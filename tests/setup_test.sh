#!/usr/bin/env bash
# The set-up and build scripts (scripts/setup.sh, scripts/install-packages.sh,
# run.sh, test.sh) on stand-ins: the package tools, lslocks, sleep, sudo, su,
# cmake and ctest are small scripts that write down how they were called, and
# PATH holds nothing else (so no real sudo, su, apt-get or cmake is reached;
# no network, no root). The scripts run from a folder whose path holds a space
# and Japanese characters.
#   setup_test.sh SOURCE_DIR
set -u
source_dir=$(cd "$1" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The tools the scripts use that are not stood in for (bash: the command
# printed for root runs the set-up with it).
real=$tmp/real
mkdir -p "$real"
for tool in bash grep dirname nproc; do
  ln -s "$(command -v "$tool")" "$real/$tool"
done

# Stand-ins. FAKE_UID is the user id; FAKE_INSTALLED the installed packages
# ("all" for every one); FAKE_INTERRUPTED, when set, makes dpkg report an
# interrupted install; FAKE_LOCK_HELD is how many times lslocks reports
# another package manager holding dpkg's lock before it reports it free. Each
# call is written to $CALLS.
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
for tool in apt-get ctest sleep; do
  printf '#!/bin/bash\necho "%s $*" >> "$CALLS"\n' "$tool" > "$stand_ins/$tool"
done
cat > "$stand_ins/dpkg" <<'EOF'
#!/bin/bash
echo "dpkg $*" >> "$CALLS"
if [ "$1" = --audit ] && [ -n "${FAKE_INTERRUPTED:-}" ]; then
  echo "The following packages are only half configured, probably due to problems"
  echo "configuring them the first time."
  echo " libsdl2-dev:amd64 Simple DirectMedia Layer development files"
fi
EOF
cat > "$stand_ins/lslocks" <<'EOF'
#!/bin/bash
echo "lslocks $*" >> "$CALLS"
polls=0
[ -f "$CALLS.lslocks" ] && read -r polls < "$CALLS.lslocks"
echo $((polls + 1)) > "$CALLS.lslocks"
echo "812 cron /run/crond.pid"
if [ "$polls" -lt "${FAKE_LOCK_HELD:-0}" ]; then
  echo "4242 unattended-upgr /var/lib/dpkg/lock-frontend"
  echo "4242 unattended-upgr /var/lib/dpkg/lock"
fi
EOF
cat > "$stand_ins/sudo" <<'EOF'
#!/bin/bash
echo "sudo $*" >> "$CALLS"
exec "$@"
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
  rm -f "$tmp/calls.lslocks"
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
  elif ! grep -q "^apt-get .*DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends libfontconfig-dev .* xvfb$" "$tmp/calls"; then
    fail "the missing packages were not installed, waiting for the lock"
  elif [ "$(cd "$here" && find . -printf '%p %s %T@\n' | sort)" != "$before" ]; then
    fail "the folder changed"
  else passed=$((passed + 1)); fi
done
here=$repo
extra_env=()

# With sudo, the same packages are installed through it; a lock another
# package manager holds is waited for, and said so once.
case="sudo"
extra_env=(FAKE_LOCK_HELD=3)
run yes 1000 "$some_installed" "${install_missing[@]}"
extra_env=()
if [ $status -ne 0 ]; then fail "status $status"
elif [ "$(grep -cF "$waiting" "$tmp/err")" -ne 1 ]; then fail "the wait for the lock is not said once"
elif [ "$(lines_of '^sudo lslocks ' | wc -l)" -ne 4 ]; then fail "the lock was not looked at as root until it was free"
elif [ "$(lines_of '^sleep ' | wc -l)" -ne 3 ]; then fail "no pause between looks at the lock"
elif [ "$(lines_of '^lslocks ' | tail -n 1)" -gt "$(lines_of '^sudo apt-get .* update' | head -n 1)" ]; then
  fail "apt-get ran while the lock was held"
elif ! grep -q "^sudo apt-get .* install -y -qq --no-install-recommends libfontconfig-dev .* xvfb$" "$tmp/calls"; then
  fail "the missing packages were not installed through sudo"
else passed=$((passed + 1)); fi

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
elif ! grep -q "^apt-get .* install -y -qq --no-install-recommends libfontconfig-dev .* xvfb$" "$tmp/calls"; then
  fail "the missing packages were not installed"
elif grep -q "^sudo" "$tmp/calls"; then fail "sudo was run"
elif grep -q "Waiting" "$tmp/err"; then fail "a wait is said while the lock is free"
elif grep -q "^dpkg --configure" "$tmp/calls"; then fail "a repair was run with nothing to repair"
else passed=$((passed + 1)); fi

# Everything there: nothing to do, even without sudo.
case="nothing missing"
run no 1000 all "${install_missing[@]}"
if [ $status -ne 0 ]; then fail "status $status"
elif [ -s "$tmp/calls" ] || [ -s "$tmp/out" ] || [ -s "$tmp/err" ]; then fail "something was run or said"
else passed=$((passed + 1)); fi

# run.sh configures (the build folder exists: a changed option must still
# reach it), shows the build's progress, says it starts the program, and
# leaves stdout to the program. Only a first build (no build folder yet) is
# said to be one.
case="run.sh"
run no 1000 all run.sh varnel --version
if [ $status -ne 0 ]; then fail "status $status"
elif [ "$(cat "$tmp/out")" != "varnel started with: --version" ]; then fail "stdout is not the program's alone"
elif ! grep -q "^cmake --preset release" "$tmp/calls"; then fail "the existing build folder was not configured again"
elif ! grep -q "^\[ 50%\] Building CXX object" "$tmp/err"; then fail "the build's progress is not shown"
elif grep -q "first build" "$tmp/err"; then fail "a build in an existing build folder is said to be the first"
elif ! tail -n 1 "$tmp/err" | grep -q "^Starting .*varnel"; then
  fail "it does not say it starts the program, after the build"
else passed=$((passed + 1)); fi

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

echo "setup scripts: $passed passed, $failed failed"
[ $failed -eq 0 ]
