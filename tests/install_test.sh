#!/usr/bin/env bash
# The install the README describes (`cmake --install build --prefix DIR`):
#  1. From the build: each program lands in DIR/bin and runs, its desktop
#     entry starts it by its full path and passes the freedesktop validator,
#     and the install's manifest lists every file the install made.
#  2. From a build folder where varnel alone is built (as `./run.sh varnel`
#     leaves it): the install stops before it copies anything, and names what
#     is not built and the command that builds it.
#  3. Root's install from a user's build folder (the README's `su -c "cmake
#     --install build --prefix /usr/local"`), then the user's own install from
#     it (what ./test.sh's install test does too): it passes, and leaves
#     nothing of root's in the folder. Root ignores file permissions, so the
#     user is another one: this case runs as root, with the user nobody, and
#     is skipped, with the reason, where no other user can be had.
# Cases 2 and 3 use a build folder of their own, configured from a copy of the
# sources (which every user can read, wherever the clone lies) with neither
# tests nor benchmarks, that holds copies of the files the build made. It is
# built with the install's RPATH, so that the copies install as they are.
#   install_test.sh SOURCE_DIR BUILD_DIR PROGRAM...
set -eu
source_dir=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)
shift 2
programs=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0 case_failed=0
fail() {
  echo "FAIL [$case_name]: $*"
  failed=1 case_failed=1
}
# start_case NAME; end_case: what the last install said, where the case failed.
start_case() {
  case_name=$1 case_failed=0
  : > "$work/install.log"
}
end_case() {
  [ $case_failed -eq 0 ] || sed 's/^/  install: /' "$work/install.log"
}
# listed MANIFEST PREFIX: the manifest lists exactly the files under PREFIX.
listed() {
  [ -f "$1" ] && [ "$(sort "$1")" = "$(find "$2" -type f -o -type l | sort)" ]
}

start_case "install from the build"
prefix=$work/"pre fix"
if ! cmake --install "$build" --prefix "$prefix" > "$work/install.log" 2>&1; then
  fail "the install failed"
else
  for prog in "${programs[@]}"; do
    entry="$prefix/share/applications/$prog.desktop"
    if ! grep -qx "Exec=\"$prefix/bin/$prog\"" "$entry"; then
      fail "$entry: $(grep ^Exec= "$entry")"
    elif command -v desktop-file-validate > /dev/null && ! desktop-file-validate "$entry"; then
      fail "$entry is not valid"
    elif ! "$prefix/bin/$prog" --version > /dev/null; then
      fail "the installed $prog does not run"
    fi
  done
  listed "$build/install_manifest.txt" "$prefix" || fail "the manifest does not list exactly the files installed"
fi
end_case

# The user who owns the build folder of cases 2 and 3: nobody where this runs
# as root and nobody can reach the work folder, else whoever runs this.
as_user=()
no_other_user=""
if [ "$(id -u)" -ne 0 ]; then
  no_other_user="it needs root (this is $(id -un))"
elif ! id nobody > /dev/null 2>&1; then
  no_other_user="this machine has no user nobody"
elif command -v setpriv > /dev/null; then
  as_user=(setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups --)
elif command -v runuser > /dev/null; then
  as_user=(runuser -u nobody --)
else
  no_other_user="neither setpriv nor runuser is installed"
fi
if [ ${#as_user[@]} -gt 0 ]; then
  chown nobody: "$work"
  if ! "${as_user[@]}" test -w "$work"; then
    no_other_user="user nobody cannot reach $work (a folder on the way is not open to other users)"
    as_user=()
    chown "$(id -u):$(id -g)" "$work"
  fi
fi
user=$(id -un)
[ ${#as_user[@]} -eq 0 ] || user=nobody
as_user() {
  if [ ${#as_user[@]} -gt 0 ]; then
    "${as_user[@]}" env HOME="$work/home" "$@"
  else
    "$@"
  fi
}

# The sources, but for build folders; the build folder's name holds a blank
# and a quote, as a shell sees them.
mkdir "$work/src" "$work/home"
for entry in "$source_dir"/*; do
  [ -e "$entry/CMakeCache.txt" ] || cp -R "$entry" "$work/src/"
done
[ ${#as_user[@]} -eq 0 ] || chown -R nobody: "$work/src" "$work/home"
own_build="$work/$user's build"
if ! as_user cmake -S "$work/src" -B "$own_build" -DCMAKE_BUILD_TYPE=Release -DGEO_BUILD_TESTS=OFF \
     -DGEO_BUILD_BENCH=OFF -DCMAKE_BUILD_WITH_INSTALL_RPATH=ON > "$work/configure.log" 2>&1; then
  cat "$work/configure.log"
  echo "cannot configure a build folder of its own"
  exit 1
fi
# built FILE...: copies of the build's files, the user's.
built() {
  local file
  for file; do
    as_user mkdir -p "$(dirname "$own_build/$file")"
    cp "$build/$file" "$own_build/$file"
    [ ${#as_user[@]} -eq 0 ] || chown nobody: "$own_build/$file"
  done
}

start_case "install with varnel alone built"
built libgeo_common.so bin/varnel
prefix=$work/"pre fix 2"
if as_user cmake --install "$own_build" --prefix "$prefix" > "$work/install.log" 2>&1; then
  fail "the install passed"
elif [ -e "$prefix" ]; then
  fail "it copied: $(cd "$prefix" && find . -type f | tr '\n' ' ')"
elif [ -e "$own_build/install_manifest.txt" ]; then
  fail "it wrote a manifest"
else
  message=$(tr -s ' \n' ' ' < "$work/install.log")
  for prog in "${programs[@]}"; do
    if [ "$prog" = varnel ]; then
      [[ $message != *"/bin/varnel "* ]] || fail "varnel, which is built, is named"
    else
      [[ $message == *"not built yet:"*"$own_build/bin/$prog "* ]] || fail "$prog is not named as not built"
    fi
  done
  # The command it gives, as a shell takes it apart.
  command=$(grep -o "cmake --build .*" "$work/install.log" || true)
  eval "set -- $command"
  if [ "$*" != "cmake --build $own_build --target ${programs[*]}" ]; then
    fail "the command that builds them is not given, or not quoted: $command"
  fi
fi
end_case

start_case "root's install, then the user's own"
if [ ${#as_user[@]} -eq 0 ]; then
  echo "install: SKIPPED root's install before another user's: $no_other_user"
else
  built "${programs[@]/#/bin/}"
  root_prefix=$work/"root's prefix"
  prefix=$work/"user's prefix"
  if ! (cd "$work/src" && cmake --install "$own_build" --prefix "$root_prefix") > "$work/install.log" 2>&1; then
    fail "root's install failed"
  elif [ "$(stat -c %U "$own_build/install_manifest.txt")" != root ]; then
    fail "root's install left no manifest of root's, which the user's install must get past"
  elif ! as_user cmake --install "$own_build" --prefix "$prefix" > "$work/install.log" 2>&1; then
    fail "the user's install after root's failed"
  elif ! listed "$own_build/install_manifest.txt" "$prefix"; then
    fail "the manifest does not list exactly the files the user's install made"
  elif [ -n "$(find "$own_build" ! -user nobody)" ]; then
    fail "root's files are left in the build folder: $(find "$own_build" ! -user nobody)"
  fi
  end_case
fi
exit $failed
