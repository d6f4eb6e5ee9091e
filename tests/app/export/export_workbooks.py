#!/usr/bin/env python3
"""Reads back the workbooks that export_samples writes, with Python's own zip and XML readers.

    export_workbooks.py <export_samples program> <plot-data folder>

Each check follows the workbook as a spreadsheet application would: the sheet list of the
workbook part, the relationships from the workbook to its sheets and from a chart sheet through
its drawing to its chart, the shared strings, the cells and the chart's series and axes.
"""
import posixpath
import subprocess
import sys
import tempfile
import unittest
import zipfile
import xml.etree.ElementTree as ET
from pathlib import Path

NS = {
    "m": "http://schemas.openxmlformats.org/spreadsheetml/2006/main",
    "r": "http://schemas.openxmlformats.org/officeDocument/2006/relationships",
    "rel": "http://schemas.openxmlformats.org/package/2006/relationships",
    "c": "http://schemas.openxmlformats.org/drawingml/2006/chart",
    "a": "http://schemas.openxmlformats.org/drawingml/2006/main",
}
R_ID = "{%s}id" % NS["r"]

HEADER = {
    "B2": "     N    ",
    "C2": "                             Plot Name                             ",
    "D2": "  Sheet Name  ",
    "E2": "  Chart Name  ",
    "F2": "          Status          ",
}

SAMPLES = None  # the folder export_samples wrote into


class Workbook:
    def __init__(self, name):
        self.zip = zipfile.ZipFile(SAMPLES / name)
        self.strings = [
            "".join(t.text or "" for t in si.iter("{%s}t" % NS["m"]))
            for si in self.xml("xl/sharedStrings.xml").findall("m:si", NS)
        ]
        rels = self.rels("xl/workbook.xml")
        self.parts = {}  # sheet name -> part path
        self.names = []
        for sheet in self.xml("xl/workbook.xml").find("m:sheets", NS):
            self.names.append(sheet.get("name"))
            self.parts[sheet.get("name")] = rels[sheet.get(R_ID)]

    def xml(self, part):
        return ET.fromstring(self.zip.read(part))

    def rels(self, part):
        """Relationship id -> target part, resolved against the part's folder."""
        folder, name = posixpath.split(part)
        rels_part = posixpath.join(folder, "_rels", name + ".rels")
        if rels_part not in self.zip.namelist():
            return {}
        return {
            rel.get("Id"): posixpath.normpath(posixpath.join(folder, rel.get("Target")))
            for rel in self.xml(rels_part).findall("rel:Relationship", NS)
        }

    def cells(self, sheet):
        """Cell reference -> (value, is_number, style index)."""
        out = {}
        for c in self.xml(self.parts[sheet]).iter("{%s}c" % NS["m"]):
            v = c.find("m:v", NS)
            if c.get("t") == "s":
                out[c.get("r")] = (self.strings[int(v.text)], False, c.get("s"))
            else:
                out[c.get("r")] = (float(v.text), True, c.get("s"))
        return out

    def text(self, sheet, ref):
        value, is_number, _ = self.cells(sheet)[ref]
        assert not is_number, ref
        return value

    def links(self, sheet):
        """Cell reference -> (location, display) of the sheet's hyperlinks."""
        return {
            h.get("ref"): (h.get("location"), h.get("display"))
            for h in self.xml(self.parts[sheet]).iter("{%s}hyperlink" % NS["m"])
        }

    def chart(self, sheet):
        """The chart of a chart sheet: chart sheet -> drawing -> chart."""
        part = self.parts[sheet]
        assert part.startswith("xl/chartsheets/"), part
        drawing_id = self.xml(part).find("m:drawing", NS).get(R_ID)
        drawing = self.rels(part)[drawing_id]
        chart_id = next(e for e in self.xml(drawing).iter("{%s}chart" % NS["c"])).get(R_ID)
        return self.xml(self.rels(drawing)[chart_id])


def series_of(chart):
    out = []
    for ser in chart.iter("{%s}ser" % NS["c"]):
        out.append((
            ser.find("c:tx/c:v", NS).text,
            ser.find("c:xVal/c:numRef/c:f", NS).text,
            ser.find("c:yVal/c:numRef/c:f", NS).text,
        ))
    return out


def axes_of(chart):
    """The x and the y axis of a scatter chart: its two value axes, x first."""
    x, y = chart.findall("c:chart/c:plotArea/c:valAx", NS)
    return x, y


def axis_title(axis):
    return "".join(t.text for t in axis.iter("{%s}t" % NS["a"]))


def orientation(axis):
    return axis.find("c:scaling/c:orientation", NS).get("val")


class LegendSheet(unittest.TestCase):
    def test_header_is_bold_and_centred_with_padded_titles(self):
        book = Workbook("deflection.xlsx")
        cells = book.cells("Legend")
        styles = book.xml("xl/styles.xml")
        fonts = styles.find("m:fonts", NS)
        xfs = styles.find("m:cellXfs", NS)
        for ref, title in HEADER.items():
            value, _, style = cells[ref]
            self.assertEqual(value, title)
            xf = xfs[int(style)]
            self.assertIsNotNone(fonts[int(xf.get("fontId"))].find("m:b", NS), ref)
            self.assertEqual(xf.find("m:alignment", NS).get("vertical"), "center", ref)

    def test_plot_rows_link_to_their_data_sheets(self):
        book = Workbook("all_plots.xlsx")
        cells = book.cells("Legend")
        captions = ["p-y Curves", "Deflection vs Depth", "Shear vs Depth", "Moment vs Depth",
                    "Soil Reaction vs Depth", "Earth Pressure Distribution",
                    "Earth Pressure Combined"]
        links = book.links("Legend")
        for n, caption in enumerate(captions, start=1):
            row = n + 2
            self.assertEqual(cells["B%d" % row][:2], (float(n), True))
            self.assertEqual(cells["C%d" % row][0], caption)
            self.assertEqual(cells["D%d" % row][0], "Page_%d" % n)
            self.assertEqual(cells["E%d" % row][0], "Plot_%d" % n)
            self.assertEqual(cells["F%d" % row][0], "Complete")
            self.assertEqual(links["D%d" % row], ("Page_%d!A1" % n, "Page_%d" % n))
        expected = ["Legend"]
        for n in range(1, 8):
            expected += ["Page_%d" % n, "Plot_%d" % n]
        self.assertEqual(book.names, expected)
        # The workbook opens on the legend.
        view = book.xml(book.parts["Legend"]).find("m:sheetViews/m:sheetView", NS)
        self.assertEqual(view.get("tabSelected"), "1")
        workbook_view = book.xml("xl/workbook.xml").find("m:bookViews/m:workbookView", NS)
        self.assertEqual(workbook_view.get("activeTab", "0"), "0")

    def test_no_ticked_entry_gives_only_the_legend_with_its_header(self):
        book = Workbook("legend_only.xlsx")
        self.assertEqual(book.names, ["Legend"])
        cells = book.cells("Legend")
        self.assertEqual(sorted(cells), sorted(HEADER))
        self.assertFalse([n for n in book.zip.namelist() if n.startswith("xl/charts/")])


class DataSheet(unittest.TestCase):
    def test_deflection_of_three_stages(self):
        book = Workbook("deflection.xlsx")
        self.assertEqual(book.names, ["Legend", "Page_1", "Plot_1"])
        cells = book.cells("Page_1")
        texts = {ref: cells[ref][0] for ref in
                 ["A1", "A2", "B2", "A3", "B3", "A4", "C4", "E4", "A5", "B5", "E5", "F5"]}
        self.assertEqual(texts, {
            "A1": "Deflection vs Depth", "A2": "X", "B2": "Deflection (m)", "A3": "Y",
            "B3": "Depth (m)", "A4": "Stage: 1", "C4": "Stage: 2", "E4": "Stage: 3",
            "A5": "X", "B5": "Y", "E5": "X", "F5": "Y"})
        self.assertEqual(book.links("Page_1"), {"G1": ("Legend!A1", "Go to Legend Page")})
        self.assertEqual(book.text("Page_1", "G1"), "Go to Legend Page")
        # Values are numbers from row 6: 41 rows per curve, the first row at depth 0.
        self.assertEqual(cells["A6"][:2], (0.5, True))
        self.assertEqual(cells["B6"][:2], (0.0, True))
        self.assertEqual(cells["B46"][:2], (10.0, True))
        self.assertNotIn("A47", cells)
        # The second stage has 37 rows of its own; the loader repeats its last one.
        self.assertEqual(cells["C46"], cells["C42"])

    def test_fourteen_curves_use_columns_a_to_ab(self):
        book = Workbook("fourteen_curves.xlsx")
        cells = book.cells("Page_1")
        columns = sorted({ref.rstrip("0123456789") for ref in cells if ref.endswith("5")},
                         key=lambda c: (len(c), c))
        self.assertEqual(columns[0], "A")
        self.assertEqual(columns[-1], "AB")
        self.assertEqual(len(columns), 28)
        self.assertEqual(cells["AA4"][0], "Curve #14")
        self.assertEqual(cells["AA8"][:2], (14.0, True))
        self.assertEqual(cells["AB8"][:2], (2.0, True))


class Chart(unittest.TestCase):
    def test_deflection_chart_has_one_series_per_stage_and_a_reversed_depth_axis(self):
        chart = Workbook("deflection.xlsx").chart("Plot_1")
        self.assertEqual(chart.find(".//c:scatterChart/c:scatterStyle", NS).get("val"),
                         "lineMarker")
        self.assertEqual(series_of(chart), [
            ("Stage: 1", "Page_1!$A$6:$A$46", "Page_1!$B$6:$B$46"),
            ("Stage: 2", "Page_1!$C$6:$C$46", "Page_1!$D$6:$D$46"),
            ("Stage: 3", "Page_1!$E$6:$E$46", "Page_1!$F$6:$F$46"),
        ])
        x, y = axes_of(chart)
        self.assertEqual((axis_title(x), axis_title(y)), ("Deflection (m)", "Depth (m)"))
        for axis in (x, y):
            self.assertIsNotNone(axis.find("c:majorGridlines", NS))
        self.assertEqual(orientation(x), "minMax")
        self.assertEqual(orientation(y), "maxMin")
        self.assertIsNone(chart.find("c:chart/c:title", NS))

    def test_py_chart_is_not_reversed(self):
        chart = Workbook("py_curves.xlsx").chart("Plot_1")
        x, y = axes_of(chart)
        self.assertEqual(orientation(y), "minMax")
        self.assertEqual((axis_title(x), axis_title(y)), ("y (m)", "p (kN/m)"))
        self.assertEqual(series_of(chart),
                         [("Depth6", "Page_1!$A$6:$A$10", "Page_1!$B$6:$B$10")])

    def test_fourteen_curve_chart_reaches_column_ab(self):
        chart = Workbook("fourteen_curves.xlsx").chart("Plot_1")
        series = series_of(chart)
        self.assertEqual(len(series), 14)
        self.assertEqual(series[-1], ("Curve #14", "Page_1!$AA$6:$AA$8", "Page_1!$AB$6:$AB$8"))

    def test_legend_has_a_black_border_on_white(self):
        book = Workbook("all_plots.xlsx")
        for n in range(1, 8):
            shape = book.chart("Plot_%d" % n).find("c:chart/c:legend/c:spPr", NS)
            self.assertEqual(shape.find("a:solidFill/a:srgbClr", NS).get("val"), "FFFFFF")
            self.assertEqual(shape.find("a:ln/a:solidFill/a:srgbClr", NS).get("val"), "000000")


def main():
    global SAMPLES
    program, data = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([program, data, folder], check=True)
        SAMPLES = Path(folder)
        # Nothing but the finished workbooks is left in the folder.
        names = sorted(p.name for p in SAMPLES.iterdir())
        expected = sorted(["all_plots.xlsx", "deflection.xlsx", "fourteen_curves.xlsx",
                           "legend_only.xlsx", "py_curves.xlsx"])
        if names != expected:
            sys.exit("unexpected files: %s" % names)
        result = unittest.main(argv=[sys.argv[0]], exit=False).result
    sys.exit(0 if result.wasSuccessful() else 1)


if __name__ == "__main__":
    main()
