#!/usr/bin/env bash
# Every C++ file of the project is in its format (.clang-format). clang-format's output differs
# between major versions, so the format is the one of Debian 12's clang-format, version 14.
set -euo pipefail
cd "$(dirname "$0")/../.."
version=$(clang-format --version 2>/dev/null | grep -o 'version [0-9]*' || true)
if [ "$version" != "version 14" ]; then
    echo "skipped: the format is checked with clang-format 14, Debian 12's; here: ${version:-none}"
    exit 0
fi
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
