#!/usr/bin/env bash
# Fails on any source file that clang-format would change, naming each.
set -u
cd "$1" || exit 2
mapfile -t files < <(find platform engine shell lessons exercises layouts tools tests bench \
  \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null | sort)
out=$(clang-format --dry-run --Werror "${files[@]}" 2>&1)
[ -z "$out" ] && exit 0
echo "$out" | grep -o '^[^:]*\.\(cpp\|h\)' | sort -u | sed 's/^/not formatted (run clang-format -i): /'
exit 1
