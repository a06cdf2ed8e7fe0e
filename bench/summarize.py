#!/usr/bin/env python3
"""Summarises orvella_bench_eval: time per evaluation of ours, muparser and C++ with the
ratios between them, and the parse times.

    summarize.py [--exe PATH] [--cpu N] [--save FILE] [-- benchmark arguments]   runs it
    summarize.py --json FILE                                        reads a saved run

--cpu pins the run to one processor: on virtual machines the processors can differ in
speed, and a run the scheduler moves between them mixes the two speeds into the ratios.

A saved run should come from
    orvella_bench_eval --benchmark_format=json --benchmark_repetitions=5 \
        --benchmark_report_aggregates_only=true > run.json
"""

import argparse
import json
import os
import statistics
import subprocess
import sys

RUN_ARGUMENTS = [
    "--benchmark_format=json",
    "--benchmark_repetitions=5",
    "--benchmark_report_aggregates_only=true",
    # Repetitions run in shuffled order, so a passing disturbance costs one repetition of
    # several cases, which the median drops, instead of every repetition of one case.
    "--benchmark_enable_random_interleaving=true",
]

# The suite's long hand-typed model, whose parse time is the one users notice.
LONG_EXPRESSION = "long20"

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_EXECUTABLES = [
    os.path.join(HERE, "..", "build-bench", "bench", "orvella_bench_eval"),
    os.path.join(HERE, "..", "build", "bench", "orvella_bench_eval"),
]

SECONDS = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}


def run_benchmark(executable, extra, cpu, save):
    if cpu is not None:
        os.sched_setaffinity(0, {cpu})  # inherited by the benchmark process
    command = [executable] + RUN_ARGUMENTS + extra
    print("running:", " ".join(command), file=sys.stderr)
    completed = subprocess.run(command, stdout=subprocess.PIPE, check=False)
    if completed.returncode != 0:
        sys.exit(f"{executable} failed with exit code {completed.returncode}")
    if save:
        with open(save, "wb") as file:
            file.write(completed.stdout)
    return json.loads(completed.stdout)


def representative_runs(report):
    """Medians when the run has repetitions, else the single measurements."""
    runs = report["benchmarks"]
    medians = [r for r in runs if r.get("aggregate_name") == "median"]
    if medians:
        return medians
    return [r for r in runs if r.get("run_type", "iteration") == "iteration"]


def split_name(run):
    """'Eval/ours/poly2' -> ('Eval', 'ours', 'poly2')."""
    name = run.get("run_name") or run["name"]
    kind, implementation, expression = name.split("/", 2)
    return kind, implementation, expression


def nanoseconds_per_evaluation(run):
    if "per_eval" in run:
        return run["per_eval"] * 1e9
    return 1e9 / run["items_per_second"]


def microseconds_per_iteration(run):
    return run["real_time"] * SECONDS[run.get("time_unit", "ns")] * 1e6


def collect(report):
    """{(kind, implementation): {expression: value}} and the expressions in suite order."""
    table = {}
    first_seen = {}  # expression -> registration index, which follows the suite's table
    for position, run in enumerate(representative_runs(report)):
        if run.get("error_occurred"):
            continue
        kind, implementation, expression = split_name(run)
        if kind == "Eval":
            value = nanoseconds_per_evaluation(run)
        else:
            value = microseconds_per_iteration(run)
        table.setdefault((kind, implementation), {})[expression] = value
        index = run.get("family_index", position)
        first_seen[expression] = min(index, first_seen.get(expression, index))
    return table, sorted(first_seen, key=first_seen.get)


def cell(value, width, digits):
    return f"{'-':>{width}}" if value is None else f"{value:>{width}.{digits}f}"


def ratio(numerator, denominator):
    if numerator is None or denominator is None or denominator == 0:
        return None
    return numerator / denominator


def print_evaluation(table, order):
    ours = table.get(("Eval", "ours"), {})
    muparser = table.get(("Eval", "muparser"), {})
    native = table.get(("Eval", "native"), {})
    print("Evaluation, median ns per evaluation (x over 1000 points in [-5, 5])")
    header = (f"{'expression':<12}{'ours':>10}{'muparser':>10}{'native':>10}"
              f"{'ours/mu':>10}{'ours/nat':>10}")
    print(header)
    print("-" * len(header))
    to_muparser, to_native = [], []
    for name in order:
        o, m, n = ours.get(name), muparser.get(name), native.get(name)
        rm, rn = ratio(o, m), ratio(o, n)
        if rm is not None:
            to_muparser.append((rm, name))
        if rn is not None:
            to_native.append(rn)
        print(f"{name:<12}{cell(o, 10, 2)}{cell(m, 10, 2)}{cell(n, 10, 2)}"
              f"{cell(rm, 10, 2)}{cell(rn, 10, 1)}")
    print("-" * len(header))
    median_mu = statistics.median(r for r, _ in to_muparser) if to_muparser else None
    median_native = statistics.median(to_native) if to_native else None
    print(f"{'median ratio':<42}{cell(median_mu, 10, 2)}{cell(median_native, 10, 1)}")
    if to_muparser:
        slowest = sorted(to_muparser, reverse=True)[:3]
        print("slowest relative to muparser: "
              + ", ".join(f"{name} ({r:.2f}x)" for r, name in slowest))


def print_parsing(table, order):
    parse = table.get(("Parse", "ours"), {})
    compiled = table.get(("ParseCompile", "ours"), {})
    muparser = table.get(("Parse", "muparser"), {})
    print("Parsing, median us (muparser parses on its first evaluation, so its column is")
    print("comparable with parse+compile, which includes our first evaluation)")
    header = (f"{'expression':<12}{'parse':>10}{'+compile':>10}{'muparser':>10}"
              f"{'ours/mu':>10}")
    print(header)
    print("-" * len(header))
    for name in order:
        p, c, m = parse.get(name), compiled.get(name), muparser.get(name)
        mark = "  <-- ~20 operators" if name == LONG_EXPRESSION else ""
        print(f"{name:<12}{cell(p, 10, 2)}{cell(c, 10, 2)}{cell(m, 10, 2)}"
              f"{cell(ratio(c, m), 10, 2)}{mark}")
    columns = [("parse", parse), ("parse+compile", compiled), ("muparser", muparser)]
    times = [f"{label} {values[LONG_EXPRESSION]:.2f} us"
             for label, values in columns if LONG_EXPRESSION in values]
    if times:
        print(f"\n{LONG_EXPRESSION} (~20 operators): " + ", ".join(times))


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--json", help="read this saved JSON run instead of running")
    parser.add_argument("--exe", help="path of orvella_bench_eval")
    parser.add_argument("--cpu", type=int, help="run the benchmark on this processor only")
    parser.add_argument("--save", help="keep the JSON of the run in this file")
    parser.add_argument("extra", nargs="*", help="more arguments for the benchmark (after --)")
    options = parser.parse_args()

    if options.json:
        with open(options.json, encoding="utf-8") as file:
            report = json.load(file)
    else:
        candidates = [options.exe] if options.exe else DEFAULT_EXECUTABLES
        executable = next((c for c in candidates if os.path.exists(c)), None)
        if executable is None:
            sys.exit("orvella_bench_eval not found; build it or pass --exe")
        report = run_benchmark(executable, options.extra, options.cpu, options.save)

    table, order = collect(report)
    if not order:
        sys.exit("the run holds no benchmark results")
    print_evaluation(table, order)
    print()
    print_parsing(table, order)


if __name__ == "__main__":
    main()
