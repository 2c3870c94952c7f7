#!/usr/bin/env bash
# The layers include only what lies below them:
#   platform < core < text < figures < shell < lessons/common < lessons/<program>
# Prints each include that points the wrong way and fails if there is one.
# No quoted include climbs out of its folder ("../core/x.h", "a/../b.h"): the
# compiler looks a quoted name up beside the including file first, so such an
# include reaches any layer past the include folders the build gives.
# Nor does any header include SDL or CLI11: only the runtime's sources use
# them (the build links both privately).
set -u
root=${1:-.}
cd "$root" || exit 2
bad=0
check() {  # folder, forbidden include prefixes...
  local dir=$1; shift
  local pattern
  pattern=$(printf '#include "%s/|' "$@")
  pattern=${pattern%|}
  if grep -rnE "$pattern" --include='*.h' --include='*.cpp' "$dir"; then bad=1; fi
}
check platform core text figures shell lessons
check core text figures shell lessons
check text figures shell lessons
check figures shell lessons
check shell lessons
for prog in lessons/*/; do
  prog=${prog%/}
  [ "$prog" = lessons/common ] && continue
  # A program's lessons reach the shared lesson code, never another program's.
  for other in lessons/*/; do
    other=${other%/}
    [ "$other" = "$prog" ] || [ "$other" = lessons/common ] && continue
    check "$prog" "$other"
  done
done
check lessons/common lessons/varnel lessons/droveny lessons/pemmick lessons/quillet
if grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"(\.\./|[^"]*/\.\./)' --include='*.h' --include='*.cpp' \
    platform core text figures shell lessons apps; then
  echo "a quoted include above climbs out of its folder with ../ (name it from the top: \"core/x.h\")" >&2
  bad=1
fi
if grep -rnE '#include <(SDL|CLI)' --include='*.h' platform core text figures shell lessons; then
  echo "a header includes SDL or CLI11 (include them in the .cpp that uses them)" >&2
  bad=1
fi
if [ $bad -ne 0 ]; then
  echo "includes above point the wrong way between layers" >&2
  exit 1
fi
