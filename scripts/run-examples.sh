#!/usr/bin/env bash
# Runs keldra-run on every bundled example project and prints its summary.
# Usage: scripts/run-examples.sh BIN_DIR
# Exits non-zero only when the runner cannot run (status 2: usage or files);
# an example that stops on its input or does not close is shown, not fatal.
set -uo pipefail
bin="${1:?usage: run-examples.sh BIN_DIR}"
root="$(cd "$(dirname "$0")/.." && pwd)"
shopt -s nullglob
projects=("$root"/examples/*.kd5d)
if [ ${#projects[@]} -eq 0 ]; then
  echo "run-examples: no projects in $root/examples" >&2
  exit 2
fi
"$bin/keldra-run" --jobs "$(nproc)" "${projects[@]}"
status=$?
echo
case $status in
  0) echo "run-examples: every problem of every example was analysed and closed" ;;
  1) echo "run-examples: some examples stopped or did not close (see above)" ;;
  *) echo "run-examples: keldra-run failed (status $status)" >&2; exit "$status" ;;
esac
