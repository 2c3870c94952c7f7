#!/usr/bin/env bash
# The set-up and build scripts (scripts/setup.sh, run.sh, test.sh) on
# stand-ins: the package tools, sudo, cmake and ctest are small scripts that
# write down how they were called, and PATH holds nothing else (so no real
# sudo, apt-get or cmake is reached; no network, no root).
#   setup_test.sh SOURCE_DIR
set -u
source_dir=$(cd "$1" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The tools the scripts use that are not stood in for.
real=$tmp/real
mkdir -p "$real"
for tool in grep dirname nproc; do
  ln -s "$(command -v "$tool")" "$real/$tool"
done

# Stand-ins. FAKE_UID is the user id; FAKE_INSTALLED the installed packages
# ("all" for every one); each call is written to $CALLS.
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
for tool in dpkg apt-get ctest; do
  printf '#!/bin/bash\necho "%s $*" >> "$CALLS"\n' "$tool" > "$stand_ins/$tool"
done
cat > "$stand_ins/sudo" <<'EOF'
#!/bin/bash
echo "sudo $*" >> "$CALLS"
exec "$@"
EOF
cat > "$stand_ins/cmake" <<'EOF'
#!/bin/bash
echo "cmake $*" >> "$CALLS"
if [ "$1" = --build ]; then
  echo "[ 50%] Building CXX object CMakeFiles/geo_platform.dir/platform/canvas.cpp.o"
  echo "[100%] Built target varnel"
else
  echo "-- Configuring done"
fi
EOF
chmod +x "$stand_ins"/*

# A copy of the scripts with a build folder configured before (its cache
# exists) and a stand-in program that says how it was started.
repo=$tmp/repo
mkdir -p "$repo/scripts" "$repo/build/bin"
cp "$source_dir/run.sh" "$source_dir/test.sh" "$repo/"
cp "$source_dir/scripts/setup.sh" "$repo/scripts/"
touch "$repo/build/CMakeCache.txt"
printf '#!/bin/bash\necho "varnel started with: $*"\n' > "$repo/build/bin/varnel"
chmod +x "$repo/build/bin/varnel"

failed=0 passed=0
fail() {
  echo "FAIL [$case]: $*"
  echo "  status: $status"
  sed 's/^/  stdout: /' "$tmp/out"
  sed 's/^/  stderr: /' "$tmp/err"
  sed 's/^/  called: /' "$tmp/calls"
  failed=$((failed + 1))
}
# run WITH_SUDO UID INSTALLED COMMAND...: runs the command in $repo with only
# the stand-ins (and sudo, when WITH_SUDO is yes) on PATH.
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
  (cd "$repo" && env -i PATH="$bin" HOME="$tmp" FAKE_UID="$uid" FAKE_INSTALLED="$installed" \
    CALLS="$tmp/calls" "$BASH" "$@" > "$tmp/out" 2> "$tmp/err")
  status=$?
}
install_missing=(-c 'set -euo pipefail; . scripts/setup.sh; geo_install_missing')
some_installed="build-essential cmake pkg-config libsdl2-dev libcairo2-dev"

# A user without sudo (Debian installed with a root password): the missing
# packages are named with the one command that installs them as root, nothing
# is run, and the status says it failed.
case="no sudo"
run no 1000 "$some_installed" "${install_missing[@]}"
if [ $status -ne 1 ]; then fail "status $status, not 1"
elif grep -q "command not found" "$tmp/err"; then fail "a command was not found"
elif ! grep -q "Missing packages: libfontconfig-dev .* xvfb$" "$tmp/err"; then fail "the missing packages are not named"
elif grep -q "libsdl2-dev" "$tmp/err"; then fail "an installed package is named as missing"
elif ! grep -qF 'su - -c "apt-get update && apt-get install -y --no-install-recommends libfontconfig-dev' "$tmp/err"; then
  fail "no command to install them as root"
elif [ -s "$tmp/calls" ]; then fail "a package tool was run"
else passed=$((passed + 1)); fi

# With sudo, the same packages are installed through it.
case="sudo"
run yes 1000 "$some_installed" "${install_missing[@]}"
if [ $status -ne 0 ]; then fail "status $status"
elif ! grep -q "^sudo apt-get .* install -y -qq --no-install-recommends libfontconfig-dev .* xvfb$" "$tmp/calls"; then
  fail "the missing packages were not installed through sudo"
else passed=$((passed + 1)); fi

# As root, apt-get runs directly (no sudo needed, none there).
case="root"
run no 0 "$some_installed" "${install_missing[@]}"
if [ $status -ne 0 ]; then fail "status $status"
elif ! grep -q "^apt-get .* install -y -qq --no-install-recommends libfontconfig-dev .* xvfb$" "$tmp/calls"; then
  fail "the missing packages were not installed"
elif grep -q "^sudo" "$tmp/calls"; then fail "sudo was run"
else passed=$((passed + 1)); fi

# Everything there: nothing to do, even without sudo.
case="nothing missing"
run no 1000 all "${install_missing[@]}"
if [ $status -ne 0 ]; then fail "status $status"
elif [ -s "$tmp/calls" ] || [ -s "$tmp/out" ] || [ -s "$tmp/err" ]; then fail "something was run or said"
else passed=$((passed + 1)); fi

# run.sh configures (the build folder exists: a changed option must still
# reach it), shows the build's progress, says it starts the program, and
# leaves stdout to the program.
case="run.sh"
run no 1000 all run.sh varnel --version
if [ $status -ne 0 ]; then fail "status $status"
elif [ "$(cat "$tmp/out")" != "varnel started with: --version" ]; then fail "stdout is not the program's alone"
elif ! grep -q "^cmake --preset release" "$tmp/calls"; then fail "the existing build folder was not configured again"
elif ! grep -q "^\[ 50%\] Building CXX object" "$tmp/err"; then fail "the build's progress is not shown"
elif ! tail -n 1 "$tmp/err" | grep -q "^Starting .*varnel"; then
  fail "it does not say it starts the program, after the build"
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
