#!/usr/bin/env bash
# The layer guard (tests/layers.sh) on a copy of the sources, with one include
# planted at a time:
#   layers_guard_test.sh LAYERS_SH SOURCE_DIR
# Each row plants one include as line LINE of one file of the copy and says
# whether the guard must pass (status 0, nothing printed) or fail (status 1,
# naming FILE:LINE and no other place). The copy is put back after each row.
# The guard alone stops a quoted include climbing out of its folder in a
# .cpp (the compiler finds "../x.h" beside the file, whatever include folders
# the build gives), so a guard that lets one through must fail this test.
# Prints each row that went the other way and fails if there is one.
set -u
guard=${1:?usage: layers_guard_test.sh LAYERS_SH SOURCE_DIR}
src=${2:?usage: layers_guard_test.sh LAYERS_SH SOURCE_DIR}
tmp=$(mktemp -d) || exit 2
trap 'rm -rf "$tmp"' EXIT
copy=$tmp/sources
mkdir "$copy" || exit 2
# The sources alone, folders as they stand.
(cd "$src" && find platform core text figures shell lessons apps -type f \( -name '*.h' -o -name '*.cpp' \) \
  -exec cp --parents -t "$copy" {} +) || exit 2

# NAME|FILE|LINE|INCLUDE|pass or fail (FILE "-": the copy as it is).
rows=(
  'UnchangedSources|-|-|-|pass'
  'FiguresSourceIncludesShell|figures/arcs.cpp|5|#include "shell/shell.h"|fail'
  'ProgramIncludesAnotherProgram|lessons/varnel/basic_terms.cpp|12|#include "lessons/droveny/droveny.h"|fail'
  'ProgramIncludesTheCommonKit|lessons/quillet/angle75.cpp|7|#include "lessons/common/kit.h"|pass'
  'ProgramIncludesItsOwnHeader|lessons/pemmick/kite_construction.cpp|7|#include "lessons/pemmick/pemmick.h"|pass'
  'ProgramIncludesTheShell|lessons/droveny/angle_bisector.cpp|7|#include "shell/shell.h"|pass'
  'CoreIncludesThePlatform|core/program.cpp|3|#include "platform/canvas.h"|pass'
  'AppIncludesAProgram|apps/main.cpp|4|#include "lessons/varnel/varnel.h"|pass'
  'ClimbingIncludeInASource|shell/menus.cpp|6|#include "../core/state.h"|fail'
  'ClimbingIncludeSpaced|text/cells.cpp|9|  #  include "../platform/strings.h"|fail'
  'ClimbingIncludeInAHeader|lessons/varnel/varnel.h|8|#include "../common/kit.h"|fail'
  'ClimbingIncludeInTheApp|apps/main.cpp|4|#include "../shell/shell.h"|fail'
  'ClimbingMidName|lessons/varnel/basic_terms.cpp|12|#include "lessons/../core/state.h"|fail'
  'ClimbingMidNameToItsOwnLayer|platform/canvas.cpp|20|#include "platform/../platform/canvas.h"|fail'
  'SdlInAHeader|platform/runtime.h|10|#include <SDL2/SDL.h>|fail'
  'SdlInALessonHeader|lessons/quillet/quillet.h|10|#include <SDL2/SDL.h>|fail'
  'Cli11InAHeader|shell/shell.h|10|#include <CLI/CLI.hpp>|fail'
  'SdlInTheRuntimeSource|platform/host_sdl.cpp|10|#include <SDL2/SDL.h>|pass'
)
# Every layer including each layer above it, planted in a header of its own:
# one row for each folder a `check` line of the guard names.
layers=(platform core text figures shell lessons/common)
declare -A header=(
  [platform]=platform/canvas.h [core]=core/program.h [text]=text/text.h [figures]=figures/figures.h
  [shell]=shell/shell.h [lessons/common]=lessons/common/kit.h
)
programs=(varnel droveny pemmick quillet)
for p in "${programs[@]}"; do header[lessons/$p]=lessons/$p/$p.h; done
for ((i = 0; i < ${#layers[@]}; i++)); do
  for ((j = i + 1; j < ${#layers[@]}; j++)); do
    rows+=("Upward ${layers[i]} -> ${layers[j]}|${header[${layers[i]}]}|3|#include \"${header[${layers[j]}]}\"|fail")
  done
  for p in "${programs[@]}"; do
    rows+=("Upward ${layers[i]} -> lessons/$p|${header[${layers[i]}]}|3|#include \"${header[lessons/$p]}\"|fail")
  done
done
for p in "${programs[@]}"; do
  for q in "${programs[@]}"; do
    [ "$p" = "$q" ] && continue
    rows+=("Across lessons/$p -> lessons/$q|${header[lessons/$p]}|3|#include \"${header[lessons/$q]}\"|fail")
  done
done

bad=0
for row in "${rows[@]}"; do
  IFS='|' read -r name file line include expect <<<"$row"
  if [ "$file" != - ]; then
    cp "$copy/$file" "$tmp/kept" || exit 2
    awk -v n="$line" -v text="$include" 'NR == n { print text } { print }' "$tmp/kept" > "$copy/$file"
    if [ "$(sed -n "${line}p" "$copy/$file")" != "$include" ]; then
      echo "FAIL $name: $file has no line $line to plant the include at"
      bad=1
      cp "$tmp/kept" "$copy/$file"
      continue
    fi
  fi
  out=$(bash "$guard" "$copy" 2>&1)
  status=$?
  if [ "$expect" = pass ]; then
    if [ $status -ne 0 ] || [ -n "$out" ]; then
      echo "FAIL $name: the guard should pass, but gave status $status and said:"
      printf '%s\n' "$out"
      bad=1
    fi
  else
    # The places the guard names: grep's FILE:LINE: lines.
    places=$(grep -E '^[^:]+:[0-9]+:' <<<"$out" | sort -u)
    if [ $status -ne 1 ] || [ "$places" != "$file:$line:$include" ]; then
      echo "FAIL $name: the guard should fail naming $file:$line ($include) alone, but gave status $status and said:"
      printf '%s\n' "$out"
      bad=1
    fi
  fi
  [ "$file" != - ] && cp "$tmp/kept" "$copy/$file"
done
exit $bad
