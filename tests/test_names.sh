#!/usr/bin/env bash
# Test names are short and stable between builds. Fails when
#  - a CTest name holds a dump of bytes ("24-byte object <E0-6C ...>"): such a
#    dump holds addresses, so the name changes with every link, and
#    `ctest -R` and `--rerun-failed` no longer find the test;
#  - a CTest name is longer than 160 characters;
#  - a test program lists a parameter as such a dump: its struct needs a
#    PrintTo (or operator<<) beside it, so that a failure says which case.
# Usage: test_names.sh BUILD_DIR
set -u
build=${1:?usage: test_names.sh BUILD_DIR}
dump='[0-9]+-byte object <'
bad=0

names=$(ctest --test-dir "$build" -N | sed -nE 's/^ *Test +#[0-9]+: //p')
if [ -z "$names" ]; then
  echo "no tests listed in $build"
  exit 1
fi
if grep -E "$dump" <<<"$names"; then
  echo "^ test names holding a dump of bytes"
  bad=1
fi
if awk 'length($0) > 160' <<<"$names" | grep .; then
  echo "^ test names longer than 160 characters"
  bad=1
fi

found=0
for prog in "$build"/tests/test_*; do
  [ -f "$prog" ] && [ -x "$prog" ] || continue
  found=1
  if ! list=$("$prog" --gtest_list_tests 2>&1); then
    echo "$prog --gtest_list_tests failed:"
    echo "$list"
    bad=1
    continue
  fi
  if grep -E "$dump" <<<"$list"; then
    echo "^ $(basename "$prog"): parameters printed as bytes; give their struct a PrintTo"
    bad=1
  fi
done
if [ "$found" = 0 ]; then
  echo "no test programs in $build/tests"
  exit 1
fi
exit $bad
