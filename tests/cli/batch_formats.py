#!/usr/bin/env python3
"""The batch's CSV and JSON lines read back by Python's own readers hold the values of
the result table, case for case; "-" reads standard input and writes standard output
with the same bytes as the files; one thread and two write the same bytes.

Usage: batch_formats.py VELTAR_CLI MAKE_CASE_TABLE EXAMPLES FIXTURES
"""
import csv
import io
import json
import math
import os
import subprocess
import sys
import tempfile

CLI, MAKE_TABLE, EXAMPLES, FIXTURES = sys.argv[1:5]
failures = []

# The result table's words for the choices the JSON holds as numbers.
LOAD_COND = {0: "A", 1: "B"}
BULKHEAD = {0: "Watertight bulkhead", 1: "Tank bulkhead"}
PLAIN = ["L1", "L2", "Lg", "Lgs", "Lt", "t", "s1", "s2", "SigxA", "SigxB", "SigyA", "SigyC", "Tau", "p", "ps"]


def check(ok, what):
    if not ok:
        failures.append(what)


def batch(*args, stdin=None):
    run = subprocess.run([CLI, "batch", *args], input=stdin, capture_output=True, check=False)
    check(run.returncode == 0, f"batch {' '.join(args)} exited {run.returncode}: {run.stderr.decode()}")
    return run.stdout


def read(path):
    with open(path, "rb") as f:
        return f.read()


def near(text, value):
    """A masked text shows `value` rounded to its own last digit."""
    decimals = len(text.split(".")[1]) if "." in text else 0
    return abs(float(text) - value) <= 0.5 * 10**-decimals * (1 + 1e-9)


def compare_case(where, cells, obj, header):
    at = {caption: cell for caption, cell in zip(header, cells)}
    for key in ("Project", "Ident"):
        check(obj[key] == cells[0 if key == "Project" else 1], f"{where}: {key}")
    check(LOAD_COND.get(obj["LoadCond"], "C") == at["Loading Cond:"], f"{where}: LoadCond")
    check(near(at["Factor of Safety F.S:"], obj["FS"]), f"{where}: FS")
    check(near(at["Allowable Usage factor:"], obj["UFa"]), f"{where}: UFa")
    for caption, names in (("Material-plate: Fy/Fu", ("Fyp", "Fup")), ("Material-stiff: Fy/Fu", ("Fys", "Fus"))):
        for text, name in zip(at[caption].split("/"), names):
            check(near(text, obj[name]), f"{where}: {name}")
    mantissa, exponent = at["E-modulus:"].split("E")
    check(abs(float(mantissa) * 10 ** int(exponent) - obj["E"]) <= 0.005 * 10 ** int(exponent), f"{where}: E")
    check(BULKHEAD.get(obj["BulkheadType"], "Upper Structure") == at["Bulkhead type:"], f"{where}: BulkheadType")
    check(at["Unit Length:"] == "-" if obj["BulkheadType"] != 0 else near(at["Unit Length:"], obj["UL"]), f"{where}: UL")
    check(at["Stiff Prof:"] == obj["StiffProf"] and at["Gird Prof:"] == obj["GirdProf"], f"{where}: profiles")
    for name in PLAIN:
        check(math.isclose(float(at[name]), obj[name], rel_tol=1e-6, abs_tol=1e-9), f"{where}: {name}")
    faulted = obj["fault"] is not None
    check(faulted == (at["UFpb"] == "ERR"), f"{where}: fault")
    check((at["C-factor:"] == "ERR") if faulted else near(at["C-factor:"], obj["c"]), f"{where}: c")
    factors = [caption for caption in header[30:] if caption.startswith("UF")]
    check(len(factors) == 13, f"{where}: 13 usage factors")
    for name in factors:
        text, value = at[name], obj[name]
        if text in ("ERR", "N/A", "NOK"):
            check(value == {"ERR": None}.get(text, text), f"{where}: {name} {text} against {value!r}")
        else:
            check(isinstance(value, (int, float)) and near(text, value), f"{where}: {name} {text} against {value!r}")


def compare_csv_with_json(where, csv_text, objects):
    rows = list(csv.reader(io.StringIO(csv_text, newline="")))
    keys = list(objects[0].keys()) if objects else rows[0]
    check(rows[0] == keys, f"{where}: the CSV header is the JSON keys")
    check(len(rows) - 1 == len(objects), f"{where}: one CSV row a JSON line")
    for i, (row, obj) in enumerate(zip(rows[1:], objects)):
        for key, cell in zip(keys, row):
            value = obj[key]
            if value is None:
                ok = cell == ""
            elif isinstance(value, str):
                ok = cell == value
            else:
                ok = float(cell) == value
            check(ok, f"{where}: CSV row {i + 1}, {key}: {cell!r} against {value!r}")


def check_table(name, table, work):
    base = os.path.join(work, name)
    velto, csv_path, jsonl = base + ".velto", base + ".csv", base + ".jsonl"
    batch(table, "-o", velto, "--jobs", "2")
    batch(table, "-o", csv_path, "--format", "csv", "--jobs", "2")
    batch(table, "-o", jsonl, "--format", "jsonl", "--jobs", "2")
    result = read(velto)
    check(batch(table, "-o", "-", "--jobs", "1") == result, f"{name}: one thread and two, standard output")
    check(batch("-", stdin=read(table)) == result, f"{name}: standard input to standard output")
    batch("-", "-o", base + ".stdin.csv", "--format", "csv", stdin=read(table))
    check(read(base + ".stdin.csv") == read(csv_path), f"{name}: CSV from standard input")

    lines = result.decode().split("\r\n")
    check(lines[-1] == "", f"{name}: CR LF after the last line")
    header = lines[0].split("\t")
    cases = [line.split("\t") for line in lines[1:-1] if not line.startswith("%")]
    objects = [json.loads(line) for line in read(jsonl).decode().splitlines()]
    check(len(objects) == len(cases), f"{name}: one JSON line a case ({len(objects)} against {len(cases)})")
    for cells, obj in zip(cases, objects):
        compare_case(f"{name} line {obj['line']}", cells, obj, header)
    compare_csv_with_json(name, read(csv_path).decode(), objects)
    return len(cases), sum(obj["fault"] is not None for obj in objects)


def main():
    with tempfile.TemporaryDirectory() as work:
        generated = os.path.join(work, "generated.velti")
        subprocess.run([MAKE_TABLE, "3000", generated], check=True)
        end_only = os.path.join(work, "end-only.velti")
        with open(end_only, "wb") as f:
            f.write(b"% nothing but a comment\r\nEnd\r\n")
        counts = {
            name: check_table(name, path, work)
            for name, path in (
                ("deck3", os.path.join(EXAMPLES, "deck3.velti")),
                ("one_fault", os.path.join(FIXTURES, "casedb", "one_fault.velti")),
                ("generated", generated),
                ("end-only", end_only),
            )
        }
        check(counts["one_fault"] == (2, 1), f"one_fault: 2 cases, 1 faulted, not {counts['one_fault']}")
        check(counts["generated"][0] == 3000, "generated: 3000 cases")
        check(read(os.path.join(work, "end-only.csv")).count(b"\r\n") == 1, "end-only: the CSV header alone")
    for f in failures[:40]:
        print("FAIL", f)
    print(f"{sum(c for c, _ in counts.values())} cases compared; {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
