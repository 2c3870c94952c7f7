#!/usr/bin/env bash
# Compiles one-line sources with a layer target's include folders, as that
# layer's own sources are compiled:
#   layer_includes.sh COMPILER "DIR;DIR;..." "IMPLICIT;..." OWN BELOW ABOVE...
# (IMPLICIT: the compiler's own include folders, which it is not given again)
# OWN (a header of the layer) and BELOW (one of the layer below it, "-" for
# none) must compile; each ABOVE (a header the layer must not reach) must fail
# because the header is not found. Prints each case that went the other way.
set -u
compiler=$1 dirs=$2 implicit=";$3;" own=$4 below=$5
shift 5
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
flags=(-std=c++20 -fsyntax-only -x c++)
IFS=';' read -ra list <<< "$dirs"
for dir in "${list[@]}"; do
  # The layers' folders as the build gives them, and the libraries' as
  # system folders, as the build gives those.
  case "$dir" in
    "") ;;
    */layers/*) flags+=("-I$dir") ;;
    *) [[ $implicit == *";$dir;"* ]] || flags+=(-isystem "$dir") ;;
  esac
done
bad=0 passed=0
compile() {  # header: prints the compiler's messages, returns its status
  printf '#include "%s"\n' "$1" > "$tmp/probe.cpp"
  "$compiler" "${flags[@]}" "$tmp/probe.cpp" -o /dev/null > "$tmp/out" 2>&1
}
for header in "$own" "$below"; do
  [ "$header" = - ] && continue
  if compile "$header"; then
    passed=$((passed + 1))
  else
    echo "FAIL: \"$header\" should compile with these include folders (${list[*]}):"
    cat "$tmp/out"
    bad=$((bad + 1))
  fi
done
for header in "$@"; do
  if compile "$header"; then
    echo "FAIL: \"$header\" compiled; a layer below it must not reach it (${list[*]})"
    bad=$((bad + 1))
  elif ! grep -q "$header: No such file or directory" "$tmp/out"; then
    echo "FAIL: \"$header\" did not compile, but not because it was not found:"
    cat "$tmp/out"
    bad=$((bad + 1))
  else
    passed=$((passed + 1))
  fi
done
echo "layer includes: $passed passed, $bad failed"
[ $bad -eq 0 ]
