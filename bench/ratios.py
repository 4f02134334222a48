#!/usr/bin/env python3
"""Prints reference/project time ratios from Google Benchmark JSON output.

usage: ratios.py RESULT.json NAME=PROJECT:REFERENCE...
"""
import json
import sys


def main():
    results = json.load(open(sys.argv[1]))["benchmarks"]
    times = {b["name"]: b["real_time"] for b in results if b.get("run_type") != "aggregate"}
    unit = {b["name"]: b["time_unit"] for b in results}
    for spec in sys.argv[2:]:
        label, pair = spec.split("=")
        project, reference = pair.split(":")
        ratio = times[reference] / times[project]
        print(f"{label}: project {times[project]:.3f} {unit[project]}, "
              f"reference {times[reference]:.3f} {unit[reference]}, "
              f"project is {ratio:.1f}x faster")


if __name__ == "__main__":
    main()
