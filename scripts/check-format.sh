#!/usr/bin/env bash
# Fails when a tracked C or C++ source differs from the house style (.clang-format).
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' '*.c' | xargs -0 clang-format-14 --dry-run --Werror
