#!/usr/bin/env bash
# Installs what is missing, builds every build and runs every test layer:
# native unit tests (sanitizers), Windows unit and end-to-end tests under
# Wine, and short fuzz runs.  Ends with one summary line; non-zero on failure.
set -uo pipefail
root=$(cd "$(dirname "$0")" && pwd)
cd "$root"

bash scripts/setup.sh || { echo "SUMMARY: setup failed"; exit 1; }
source scripts/wine_env.sh
trap wine_env_stop EXIT

passed=0
failed=0
problems=()

# Adds the counts of one ctest run from its summary line.
count_ctest() {
  local log=$1 layer=$2 line total bad
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [[ -z "$line" ]]; then
    failed=$((failed + 1)); problems+=("$layer: no test results"); return
  fi
  total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
  bad=$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$line")
  passed=$((passed + total - bad)); failed=$((failed + bad))
  [[ $bad -eq 0 ]] || problems+=("$layer: $bad failed")
}

build() {
  echo "== build $1"
  if ! bash scripts/build.sh "$@"; then
    failed=$((failed + 1)); problems+=("build $1 failed"); return 1
  fi
}

mkdir -p build/logs
jobs=$(nproc)

if build native; then
  echo "== native unit tests"
  (cd build/native && ctest -j "$jobs" --output-on-failure --timeout 300) 2>&1 | tee build/logs/native.log | grep -E -v '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed'
  count_ctest build/logs/native.log native
fi

if build win; then
  echo "== Windows unit and end-to-end tests under Wine"
  wine_env_start 1
  # A Wine process occasionally fails to start under load (no output, exit
  # in milliseconds); such a test gets one more run.
  (cd build/win && ctest -j "$jobs" --output-on-failure --timeout 300 --repeat until-pass:2) 2>&1 | tee build/logs/win.log | grep -E -v '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed'
  count_ctest build/logs/win.log windows
fi

if command -v clang++ >/dev/null && build fuzz; then
  echo "== fuzz targets (bounded runs)"
  for target in build/fuzz/bin/fuzz_*; do
    [[ -x "$target" ]] || continue
    name=${target##*/fuzz_}
    corpus="build/fuzz/corpus/$name"
    mkdir -p "$corpus"
    seeds=()
    [[ -d "fuzz/seeds/$name" ]] && seeds=("fuzz/seeds/$name")
    if "$target" -max_total_time="${FUZZ_SECONDS:-20}" -rss_limit_mb=4096 -timeout=10 \
        "$corpus" "${seeds[@]}" >"build/logs/fuzz_$name.log" 2>&1; then
      echo "fuzz $name: ok ($(grep -E -o '#[0-9]+' "build/logs/fuzz_$name.log" | tail -n 1 | tr -d '#') runs)"
      passed=$((passed + 1))
    else
      echo "fuzz $name: FAILED (build/logs/fuzz_$name.log)"
      tail -n 30 "build/logs/fuzz_$name.log"
      failed=$((failed + 1)); problems+=("fuzz $name")
    fi
  done
fi

for p in "${problems[@]}"; do echo "problem: $p"; done
echo "SUMMARY: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
