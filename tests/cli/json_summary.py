"""keldra-run --json on example projects, read back with Python's own JSON
reader: one document, numbers as numbers, and the largest values of every
problem equal to the report's results table to the digits it prints.

usage: json_summary.py KELDRA_RUN EXAMPLES_FOLDER
"""
import json
import math
import os
import shutil
import subprocess
import sys
import tempfile

EXAMPLES = ["two_stage.kd5d", "short_long_term.kd5d", "tieback_specified_deflection.kd5d"]
COLUMNS = {"largest_deflection": 2, "largest_moment": 4, "largest_shear": 5,
           "largest_soil_reaction": 6}


def printed(text):
    """A report number and the half unit of its last printed digit."""
    mantissa, exponent = text.split("E")
    digits = len(mantissa.split(".")[1])
    return float(text), 0.5 * 10.0 ** (int(exponent) - digits)


def tables(report):
    """The station lines of every results table, word by word."""
    found, rows = [], False
    with open(report, encoding="latin-1") as lines:
        for line in lines:
            if "RESULTS -- ITERATION" in line:
                found.append([])
            if line.startswith("   ------"):
                rows = True
                continue
            words = line.split()
            if rows and len(words) == 8 and words[0].isdigit():
                found[-1].append(words)
            else:
                rows = False
    return found


def only_numbers(value, where):
    """Every quantity's value is a JSON number, or null with a note; never a string."""
    if isinstance(value, dict):
        if "unit" in value:
            number = value["value"]
            assert isinstance(number, (int, float)) or (number is None and value["note"]), where
        for key, item in value.items():
            only_numbers(item, where + "." + key)
    elif isinstance(value, list):
        for k, item in enumerate(value):
            only_numbers(item, "%s[%d]" % (where, k))


def check_problem(problem, table, where):
    assert problem["closed"] is True, where
    assert problem["increments"] + 1 == len(table), where
    for key, column in COLUMNS.items():
        largest = max((printed(row[column]) for row in table), key=lambda p: abs(p[0]))
        value = problem[key]["value"]
        assert isinstance(value, (int, float)), (where, key, value)
        assert abs(value - largest[0]) <= largest[1] * 1.000001, (where, key, value, largest)
        at = table[problem[key]["station"]]
        depth = problem[key]["depth"]["value"]
        assert abs(depth - float(at[1])) <= printed(at[1])[1] * 1.000001, (where, key, depth)
    top = printed(table[0][2])
    assert abs(problem["top_deflection"]["value"] - top[0]) <= top[1] * 1.000001, where
    wall = problem["wall_length"]["value"]
    assert math.isclose(wall, float(table[-1][1]), rel_tol=1e-3), where
    assert math.isclose(problem["embedment"]["value"],
                        wall - problem["free_height"]["value"]), where


def main():
    keldra_run, examples = sys.argv[1], sys.argv[2]
    folder = tempfile.mkdtemp(prefix="keldra-json-")
    try:
        projects = []
        for name in EXAMPLES:
            shutil.copy(os.path.join(examples, name), folder)
            projects.append(os.path.join(folder, name))
        missing = os.path.join(folder, "missing.kd5d")
        run = subprocess.run([keldra_run, "--json", "--jobs", "2"] + projects + [missing],
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=False)
        document = json.loads(run.stdout.decode("utf-8"))
        assert document["program"] == "keldra-run"
        assert document["version"] == "2015.5.6"
        assert document["exit_status"] == run.returncode == 2, run.returncode
        listed = [p["project"] for p in document["projects"]]
        assert listed == projects + [missing], listed
        failed = document["projects"][-1]
        assert failed["errors"] == ["no such project file"], failed
        assert failed["status"] == 2 and failed["problems"] == [] and failed["report"] is None
        for project in document["projects"][:-1]:
            only_numbers(project, project["project"])
            assert project["status"] == 0 and project["errors"] == [], project["project"]
            found = tables(project["report"])
            assert len(found) == len(project["problems"]), project["project"]
            for problem, table in zip(project["problems"], found):
                check_problem(problem, table, project["project"] + " " + problem["label"])
        labels = [[p["label"] for p in project["problems"]] for project in document["projects"]]
        assert labels == [["stage 1", "stage 2"], ["short term", "long term"], ["analysis"], []]
        tieback = document["projects"][2]["problems"][0]["tiebacks"]
        assert len(tieback) == 1 and tieback[0]["force"]["unit"] == "KN", tieback
        assert tieback[0]["force"]["value"] > 0, tieback
    finally:
        shutil.rmtree(folder)
    print("keldra-run --json: the document parses and its largest values match the reports")


if __name__ == "__main__":
    main()
