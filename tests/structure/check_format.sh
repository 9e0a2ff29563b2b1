#!/usr/bin/env bash
# Fails when a C++ source of the tree is not laid out as .clang-format says, naming the files.
set -euo pipefail
source_dir=$1
format=${CLANG_FORMAT:-clang-format-14}
if ! command -v "$format" >/dev/null 2>&1; then
  echo "check_format: $format is not installed (Debian package clang-format-14)" >&2
  exit 1
fi
cd "$source_dir"
# Build trees inside the source folder hold generated sources: only the project's own count.
mapfile -d '' files < <(find app bench cli desktop engine output packaging project report scene \
  tests tools ui -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
# One run over all files; clang-format names each file it would change in its warnings.
mapfile -t bad < <("$format" --dry-run -Werror "${files[@]}" 2>&1 |
  sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: error: .*/\1/p' | sort -u)
if [ ${#bad[@]} -gt 0 ]; then
  printf 'not laid out as .clang-format says (run %s -i on them):\n' "$format" >&2
  printf '  %s\n' "${bad[@]}" >&2
  exit 1
fi
echo "check_format: ${#files[@]} files laid out as .clang-format says"
