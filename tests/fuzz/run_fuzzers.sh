#!/usr/bin/env bash
# Builds every libFuzzer target with the "fuzz" preset (clang, ASan + UBSan) and runs each briefly,
# starting from a scratch copy of its seed corpus so the checked-in corpus never changes. Fails
# when a run finds a crash, a leak, undefined behaviour or a hang; the input that did it is kept
# in the work folder and its path printed.
#   run_fuzzers.sh SOURCE_DIR WORK_DIR [SECONDS_PER_TARGET]
# CMAKE names the cmake to use; TRACKWELL_FUZZ_JOBS the compile jobs (default 2).
set -euo pipefail

source_dir=$(cd "$1" && pwd)
mkdir -p "$2"
work_dir=$(cd "$2" && pwd)
seconds=${3:-15}
build_dir=$work_dir/build
cmake=${CMAKE:-cmake}

# The preset's own folder belongs to whoever fuzzes by hand; this run keeps its build apart.
(cd "$source_dir" && $cmake --preset fuzz -B "$build_dir" >"$work_dir/configure.log") ||
  { cat "$work_dir/configure.log"; exit 1; }
$cmake --build "$build_dir" --target fuzz_all -j "${TRACKWELL_FUZZ_JOBS:-2}" >"$work_dir/build.log" 2>&1 ||
  { tail -n 50 "$work_dir/build.log"; exit 1; }

# UBSan in the fuzz build reports and continues unless told otherwise; a report must be a crash.
export UBSAN_OPTIONS=halt_on_error=1:abort_on_error=1:print_stacktrace=1
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1

failed=()
while read -r target; do
  [[ -n "$target" ]] || continue
  corpus=$source_dir/tests/fuzz/corpus/${target#fuzz_}
  scratch=$work_dir/corpus/$target
  artifacts=$work_dir/artifacts/$target
  rm -rf "$scratch" "$artifacts"
  mkdir -p "$scratch" "$artifacts"
  if [[ -d "$corpus" ]]; then cp -R "$corpus/." "$scratch/"; fi
  start=$SECONDS
  if "$build_dir/bin/$target" "$scratch" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$artifacts/" -print_final_stats=1 >"$work_dir/$target.log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$work_dir/$target.log" | grep -o '[0-9]*$' || true)
    echo "$target: ok, ${runs:-?} runs in $((SECONDS - start)) s"
  else
    echo "$target: FAILED after $((SECONDS - start)) s; log $work_dir/$target.log, inputs in $artifacts"
    tail -n 40 "$work_dir/$target.log"
    failed+=("$target")
  fi
done <"$build_dir/fuzz_targets.txt"

if ((${#failed[@]} > 0)); then
  echo "fuzzing found faults in: ${failed[*]}"
  exit 1
fi
