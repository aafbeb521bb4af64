#!/usr/bin/env bash
# The source tree's rules, checked without building anything:
# - every source file of src/ is in exactly one library of CMakeLists.txt,
#   the core (no Windows header; its name does not end in _win) or the
#   shell and the program (their names end in _win);
# - folders include one way: app, then the features, then settings,
#   common and win32, each only those after it;
# - no include cycle between modules (a module is a .h/.cpp pair).
#   check_layout.sh SOURCE-ROOT
set -uo pipefail
root=$1
cd "$root" || exit 1
failed=0
fail() { echo "FAIL $*"; failed=1; }

# the lists of CMakeLists.txt: "list file" per line
lists=$(awk '/^set\((core|shell)_sources/ {list=$1; sub(/set\(/, "", list); next}
             list && /^\)/ {list=""}
             list && /src\// {print list, $1}
             /^add_executable\(Dormival / {for (i = 3; i <= NF; ++i) if ($i ~ /^src\//) print "program", $i}' \
         CMakeLists.txt)
for file in $(find src -name '*.cpp' | sort); do
  in=$(awk -v f="$file" '$2 == f {print $1}' <<<"$lists")
  case $(wc -w <<<"$in") in
    0) fail "$file is in no library"; continue ;;
    1) ;;
    *) fail "$file is in more than one library: $(echo $in)"; continue ;;
  esac
  name=$(basename "$file" .cpp)
  if [ "$in" = core_sources ]; then
    [[ $name == *_win ]] && fail "$file is a shell file (_win) in the core"
    grep -qE '#include <windows\.h>|#include "[^"]*_win\.h"' "$file" "${file%.cpp}.h" 2>/dev/null &&
      fail "$file is in the core but includes a Windows header"
  else
    [[ $name == *_win ]] || fail "$file is in the $in but its name does not end in _win"
  fi
done

# folder order: a folder may include itself and the ones after it
order="app power options display program_favourites process_viewer systools settings common win32"
rank() { local i=0 f; for f in $order; do [ "$f" = "$1" ] && { echo $i; return; }; i=$((i + 1)); done; echo 99; }
features="power options display program_favourites process_viewer systools"
edges=$(mktemp)
trap 'rm -f "$edges"' EXIT
for file in $(find src -name '*.cpp' -o -name '*.h' | sort); do
  from=${file#src/}
  folder=${from%%/*}
  module=${from%.*}
  for included in $(sed -n 's/^#include "\([a-z0-9_]*\/[a-z0-9_]*\)\.h"$/\1/p' "$file"); do
    to=${included%%/*}
    if [ "$to" != "$folder" ]; then
      if [[ " $features " == *" $folder "* && " $features " == *" $to "* ]]; then
        fail "$file: the feature $folder includes the feature $to"
      elif [ "$(rank "$to")" -lt "$(rank "$folder")" ]; then
        fail "$file: $folder includes $to, which is above it"
      fi
    fi
    [ "$included" != "$module" ] && echo "$module $included" >>"$edges"
  done
done
cycle=$(sort -u "$edges" | tsort 2>&1 >/dev/null | grep -v '^tsort: -: input contains a loop:$' | sed 's/^tsort: //')
[ -z "$cycle" ] || fail "an include cycle between modules: $(echo $cycle)"

[ $failed -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $failed
