#!/usr/bin/env python3
"""Writes the print templates shipped in data/templates/ from one layout and a caption table per
language, so that the English, German and Bulgarian sheets stay alike.

    python3 scripts/make_print_templates.py        # rewrites data/templates/*

Templates name the print record's fields by code (A01 to A81): RTF sheets with tokens "$FA01#",
text reports with tokens "$A01 Tip#" (a text token needs more than three characters between its
dollar and hash signs, so each one carries its field name). The captions come from the window's
language tables where it has a text for them, written out in full where the window abbreviates.
Texts the record carries in the window's language (input method, fit type, the labels of the
largest and smallest clearance or interference) are taken from the record.

RTF: every character outside ASCII is written as \\uN? so the sheets need no code page; A4 portrait,
Arial (the word processor substitutes a metric equivalent where it is missing).
Text: UTF-8 with a byte-order mark and CR LF line ends; the engine then writes the values in UTF-8.
"""

from __future__ import annotations

import pathlib
import re
import sys
from dataclasses import dataclass

REPO = pathlib.Path(__file__).resolve().parent.parent
TEMPLATES = REPO / "data" / "templates"

# --- Captions per language ----------------------------------------------------------------------
# Window texts (language table keys in brackets) in full; the rest are words of the sheet itself.

CAPTIONS = {
    "en": {
        "lang_id": 2057,
        "company": "KELVO Tolerances and gauges",  # [67]
        "title_full": "Inspection sheet: workpiece and gauges",
        "title_work": "Inspection sheet: workpiece",
        "fit": "Fit",  # [25]
        "nominal": "Nominal size",  # [81]
        "tol_type": "Type of tolerance",  # [77]
        "values_in": "Values and tolerances in",  # [76]
        "part_no": "Part / drawing no.",
        "date": "Date",
        "inspector": "Inspector",
        "signature": "Signature",
        "workpiece": "Workpiece",  # [84]
        "hole": "Hole",  # [1]
        "shaft": "Shaft",  # [2]
        "designation": "Designation",  # [11]
        "tolerance": "Tolerance",  # [6]
        "limit_devs": "Limit deviations",  # [4]
        "limit_sizes": "Limit sizes",  # [5]
        "upper_dev": "Upper deviation",  # [7]
        "lower_dev": "Lower deviation",  # [8]
        "upper_limit": "Upper limit of size",  # [9]
        "lower_limit": "Lower limit of size",  # [10]
        "measured": "Measured size",
        "fit_type": "Type of fit",  # [12]
        "fit_tol": "Tolerance of the fit",  # [13]
        "hole_gauges": "Hole gauges",  # [58]
        "shaft_gauges": "Shaft gauges",  # [59]
        "masters": "Setting ring and plug gauges",  # [60]
        "workshop_gauges": "Workshop gauges acc. ISO/R 1938, DIN 7150-2",  # [28]
        "spherical_gauges": "Spherical plug gauges acc. ISO/R 1938, DIN 7150-2",  # [29]
        "check_plugs": "Checking plugs for snap gauge acc. ISO/R 1938, DIN 7150-2",  # [43]
        "gauge_type": "Type of gauge",  # [46]
        "go_plug": "GO plug gauge",  # [30]
        "nogo_plug": "NOT-GO plug gauge",  # [31]
        "go_sph": "GO spherical plug gauge",  # [32]
        "nogo_sph": "NOT-GO spherical plug gauge",  # [33]
        "go_ring": "GO ring gauge",  # [44]
        "nogo_ring": "NOT-GO ring gauge",  # [45]
        "go_check": "GO check plug",  # [47]
        "wear_check": "Wear check plug",  # [48]
        "nogo_check": "NOT-GO check plug",  # [49]
        "setting_ring": "Setting rings B, C, FC acc. DIN 2250:1989",  # [50]
        "setting_plug": "Setting plug acc. DIN 7150-2",  # [51]
        "gauge_nominal": "Nominal size",  # [34]
        "gauge_devs": "Limit deviations",  # [35]
        "gauge_upper": "Upper limit of size",  # [36]
        "gauge_lower": "Lower limit of size",  # [37]
        "lower_wear": "Lower wear limit of size",  # [39]
        "upper_wear": "Upper wear limit of size",  # [42]
        "form_tol": "Form tolerance",  # [40]
        "measurements": "Measurements",
        "number": "No.",
        "remarks": "Remarks",
        "result": "Result",
        "accepted": "accepted",
        "rejected": "rejected",
        "page": "Page",
        "page_of": "of",
        "report": "Fit report",
    },
    "de": {
        "lang_id": 1031,
        "company": "KELVO Toleranzen und Lehren",
        "title_full": "Prüfprotokoll: Werkstück und Lehren",
        "title_work": "Prüfprotokoll: Werkstück",
        "fit": "Passung",
        "nominal": "Nennmass",
        "tol_type": "Toleranzart",
        "values_in": "Werte und Toleranzen in",
        "part_no": "Teil / Zeichnungs-Nr.",
        "date": "Datum",
        "inspector": "Prüfer",
        "signature": "Unterschrift",
        "workpiece": "Werkstück",
        "hole": "Bohrung",
        "shaft": "Welle",
        "designation": "Bezeichnung",
        "tolerance": "Toleranz",
        "limit_devs": "Grenzabmasse",
        "limit_sizes": "Grenzmasse",
        "upper_dev": "Oberes Abmass",
        "lower_dev": "Unteres Abmass",
        "upper_limit": "Höchstmass",
        "lower_limit": "Mindestmass",
        "measured": "Istmass",
        "fit_type": "Passungsart",
        "fit_tol": "Passtoleranz",
        "hole_gauges": "Bohrungslehren",
        "shaft_gauges": "Wellenlehren",
        "masters": "Einstellringe und -dorne",
        "workshop_gauges": "Arbeitslehren nach ISO/R 1938, DIN 7150-2",
        "spherical_gauges": "Kugelendmasse nach ISO/R 1938, DIN 7150-2",
        "check_plugs": "Prüflehren für Rachenlehren nach ISO/R 1938, DIN 7150-2",
        "gauge_type": "Lehrenart",
        "go_plug": "Gutlehrdorn",
        "nogo_plug": "Ausschuss\u00adlehrdorn",  # may break at the soft hyphen
        "go_sph": "Gut-Kugelendmass",
        "nogo_sph": "Ausschuss-Kugelendmass",
        "go_ring": "Gutlehrring",
        "nogo_ring": "Ausschuss\u00adlehrring",
        "go_check": "Gut-Prüflehre",
        "wear_check": "Abnutzungs-Prüflehre",
        "nogo_check": "Ausschuss-Prüflehre",
        "setting_ring": "Einstellringe B, C, FC nach DIN 2250:1989",
        "setting_plug": "Einstelldorn nach DIN 7150-2",
        "gauge_nominal": "Nennmass",
        "gauge_devs": "Grenzabmasse",
        "gauge_upper": "Höchstmass",
        "gauge_lower": "Mindestmass",
        "lower_wear": "Untere Abnutzungsgrenze",
        "upper_wear": "Obere Abnutzungsgrenze",
        "form_tol": "Formtoleranz",
        "measurements": "Messwerte",
        "number": "Nr.",
        "remarks": "Bemerkungen",
        "result": "Ergebnis",
        "accepted": "in Ordnung",
        "rejected": "nicht in Ordnung",
        "page": "Seite",
        "page_of": "von",
        "report": "Passungsbericht",
    },
    "bg": {
        "lang_id": 1026,
        "company": "KELVO Допуски и калибри",
        "title_full": "Протокол за контрол: детайл и калибри",
        "title_work": "Протокол за контрол: детайл",
        "fit": "Сглобка",
        "nominal": "Номинален размер",
        "tol_type": "Вид на допуска",
        "values_in": "Стойности и допуски в",
        "part_no": "Детайл / чертеж №",
        "date": "Дата",
        "inspector": "Контрольор",
        "signature": "Подпис",
        "workpiece": "Детайл",
        "hole": "Отвор",
        "shaft": "Вал",
        "designation": "Означение",
        "tolerance": "Допуск",
        "limit_devs": "Гранични отклонения",
        "limit_sizes": "Гранични размери",
        "upper_dev": "Горно отклонение",
        "lower_dev": "Долно отклонение",
        "upper_limit": "Максимален размер",
        "lower_limit": "Минимален размер",
        "measured": "Действителен размер",
        "fit_type": "Вид на сглобката",
        "fit_tol": "Допуск на сглобката",
        "hole_gauges": "Калибри за отвори",
        "shaft_gauges": "Калибри за валове",
        "masters": "Установъчни пръстени и тапи",
        "workshop_gauges": "Работни калибри по ISO/R 1938, DIN 7150-2",
        "spherical_gauges": "Сферични калибри-тапи по ISO/R 1938, DIN 7150-2",
        "check_plugs": "Контролни калибри за скоби по ISO/R 1938, DIN 7150-2",
        "gauge_type": "Вид на калибъра",
        "go_plug": "Проходна тапа",
        "nogo_plug": "Непроходна тапа",
        "go_sph": "Проходен сферичен калибър",
        "nogo_sph": "Непроходен сферичен калибър",
        "go_ring": "Проходен пръстен",
        "nogo_ring": "Непроходен пръстен",
        "go_check": "Контролен ПР",
        "wear_check": "Контролен за износване",
        "nogo_check": "Контролен НЕ",
        "setting_ring": "Установъчни пръстени B, C, FC по DIN 2250:1989",
        "setting_plug": "Установъчна тапа по DIN 7150-2",
        "gauge_nominal": "Номинален размер",
        "gauge_devs": "Гранични отклонения",
        "gauge_upper": "Максимален размер",
        "gauge_lower": "Минимален размер",
        "lower_wear": "Мин. размер при износване",
        "upper_wear": "Макс. размер при износване",
        "form_tol": "Допуск на формата",
        "measurements": "Измервания",
        "number": "№",
        "remarks": "Забележки",
        "result": "Резултат",
        "accepted": "годен",
        "rejected": "негоден",
        "page": "Страница",
        "page_of": "от",
        "report": "Отчет за сглобката",
    },
}

# Standards the sheet's values come from; the same in every language.
STANDARDS_LINE = "ISO 286-1:1988 · ISO/R 1938:1971 · DIN 7150-2 · DIN 2250:1989"
NOT_APPLICABLE = "–"  # a cell whose gauge has no such dimension (a NOT-GO gauge has no wear limit)
CHECK_BOX = "☐"

# --- RTF ----------------------------------------------------------------------------------------

PAGE_WIDTH, PAGE_HEIGHT = 11906, 16838  # A4, twips
MARGIN_LEFT, MARGIN_RIGHT = 1134, 850  # 20 mm on the filing edge, 15 mm on the other
MARGIN_TOP, MARGIN_BOTTOM = 680, 680  # 12 mm
TEXT_WIDTH = PAGE_WIDTH - MARGIN_LEFT - MARGIN_RIGHT

# Colour table indexes (see the header below).
BLUE, GREY, LIGHT = 2, 3, 4

BODY_SIZE = 16  # half-points: 8 pt in tables
ROW_HEIGHT = 220  # twips, least height of a table row
WRITE_HEIGHT = 380  # twips, a row left blank for handwriting


NO_BREAK_SPACE, NO_BREAK_HYPHEN, SOFT_HYPHEN = "\u00a0", "\u2011", "\u00ad"


def keep_standards_whole(text: str) -> str:
    """"DIN 7150-2" and the like are not broken across lines."""
    return re.sub(
        r"\b(DIN|ISO/R|ISO) (\d+)(-\d+)?",
        lambda m: f"{m[1]}{NO_BREAK_SPACE}{m[2]}{(m[3] or '').replace('-', NO_BREAK_HYPHEN)}",
        text,
    )


def rtf_text(text: str) -> str:
    """Plain text as RTF: backslash and braces escaped, anything beyond ASCII as \\uN?."""
    if "$" in text or "#" in text:
        raise ValueError(f"caption would read as a field token: {text!r}")
    out = []
    for ch in keep_standards_whole(text):
        code = ord(ch)
        if ch == NO_BREAK_SPACE:
            out.append("\\~")
        elif ch == NO_BREAK_HYPHEN:
            out.append("\\_")
        elif ch == SOFT_HYPHEN:
            out.append("\\-")
        elif ch in "\\{}":
            out.append("\\" + ch)
        elif code < 0x80:
            out.append(ch)
        else:
            if code > 0xFFFF:
                raise ValueError(f"character beyond the BMP: {ch!r}")
            signed = code - 0x10000 if code > 0x7FFF else code
            out.append(f"\\u{signed}?")
    return "".join(out)


def field(code: str) -> str:
    """An RTF field token for a code A01..A81."""
    return f"$F{code}#"


@dataclass
class Cell:
    content: str  # RTF, already escaped (captions through rtf_text, values as field tokens)
    width: int  # twips
    align: str = "l"  # l, c, r
    shade: int = 0  # colour table index, 0 for none
    bold: bool = False
    size: int = BODY_SIZE
    valign: str = "c"  # t, c, b


def table_row(cells: list[Cell], height: int = ROW_HEIGHT) -> str:
    # Each row repeats its own cell boundaries, so a row may have other columns than the next.
    border = "\\brdrs\\brdrw5"
    parts = [f"\\trowd\\trgaph57\\trleft0\\trrh{height}\\trkeep"]
    right = 0
    for cell in cells:
        right += cell.width
        shade = f"\\clcbpat{cell.shade}" if cell.shade else ""
        borders = "".join(f"\\clbrdr{side}{border}" for side in "tlbr")
        parts.append(f"\\clvertal{cell.valign}{borders}{shade}\\cellx{right}")
    if right != TEXT_WIDTH:
        raise ValueError(f"row is {right} twips wide, the text is {TEXT_WIDTH}")
    lines = ["".join(parts)]
    for cell in cells:
        bold = "\\b" if cell.bold else ""
        lines.append(
            f"\\pard\\plain\\intbl\\q{cell.align}\\sb15\\sa15\\f0\\fs{cell.size}{bold} "
            f"{cell.content}\\cell"
        )
    lines.append("\\row")
    return "\n".join(lines) + "\n"


def split(total: int, parts: int) -> list[int]:
    """`total` twips in `parts` columns; the last one takes what rounding leaves."""
    each = total // parts
    return [each] * (parts - 1) + [total - each * (parts - 1)]


def heading(text: str) -> str:
    # Kept with the table below it; a rule under the text.
    return (
        "\\pard\\plain\\keepn\\sb120\\sa50\\brdrb\\brdrs\\brdrw10\\brsp20\\f0\\fs20\\b "
        f"{rtf_text(text)}\\par\n"
    )


def paragraph(text_rtf: str, size: int = 18, extra: str = "") -> str:
    return f"\\pard\\plain{extra}\\f0\\fs{size} {text_rtf}\\par\n"


def document(lang: str, title: str, body: str) -> str:
    c = CAPTIONS[lang]
    lang_id = c["lang_id"]
    tab_right = TEXT_WIDTH
    header = (
        "{\\header \\pard\\plain\\brdrb\\brdrs\\brdrw10\\brsp20"
        f"\\tqr\\tx{tab_right}\\f0\\fs16 {{\\b {rtf_text(c['company'])}}}"
        f"\\tab {rtf_text(STANDARDS_LINE)}\\par}}\n"
    )
    footer = (
        "{\\footer \\pard\\plain\\brdrt\\brdrs\\brdrw5\\brsp20"
        f"\\tqr\\tx{tab_right}\\f0\\fs16 {rtf_text(title)}, {field('A15')}"
        f"\\tab {rtf_text(c['page'])} {{\\field{{\\*\\fldinst PAGE}}{{\\fldrslt 1}}}} "
        f"{rtf_text(c['page_of'])} {{\\field{{\\*\\fldinst NUMPAGES}}{{\\fldrslt 1}}}}\\par}}\n"
    )
    return (
        "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0"
        f"\\deflang{lang_id}\n"
        "{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 Arial;}}\n"
        "{\\colortbl;\\red0\\green0\\blue0;\\red147\\green192\\blue253;"
        "\\red217\\green217\\blue217;\\red242\\green242\\blue242;}\n"
        f"{{\\info{{\\title {rtf_text(title)}}}{{\\author {rtf_text(c['company'])}}}}}\n"
        f"\\paperw{PAGE_WIDTH}\\paperh{PAGE_HEIGHT}\\margl{MARGIN_LEFT}\\margr{MARGIN_RIGHT}"
        f"\\margt{MARGIN_TOP}\\margb{MARGIN_BOTTOM}\\headery400\\footery400"
        f"\\widowctrl\\lang{lang_id}\n"
        + header
        + footer
        + body
        # A word processor ends the text with a paragraph after the last table; a small one
        # keeps it from starting a page of its own.
        + "\\pard\\plain\\f0\\fs4\\par\n"
        + "}\n"
    )


def title_block(c: dict, title: str) -> str:
    return paragraph(f"\\b {rtf_text(title)}", size=28, extra="\\sa100")


def identity_table(c: dict) -> str:
    """Fit, size, method and unit; the blanks of the part, the date and the inspector."""
    # Caption, value, caption, value; the right-hand values (size, unit, date) are short.
    widths = [1985, 3800, 2380]
    widths.append(TEXT_WIDTH - sum(widths))
    big = {"bold": True, "size": 22}
    rows = [
        # (caption key, value, caption key, value, cell options of the values, row height)
        ("fit", field("A15"), "nominal", field("A02"), big, 340),
        ("tol_type", f"{field('A01')} {field('A80')}", "values_in", field("A81"), {}, ROW_HEIGHT),
        ("part_no", "", "date", "", {}, WRITE_HEIGHT),
        ("inspector", "", "signature", "", {}, WRITE_HEIGHT),
    ]
    out = ""
    for left, left_value, right, right_value, options, height in rows:
        cells = [
            Cell(rtf_text(c[left]), widths[0], shade=LIGHT),
            Cell(left_value, widths[1], **options),
            Cell(rtf_text(c[right]), widths[2], shade=LIGHT),
            Cell(right_value, widths[3], **options),
        ]
        out += table_row(cells, height)
    return out


def band(text: str, shade: int = GREY) -> str:
    """A caption across the whole table, as the window's section and title rows."""
    return table_row([Cell(rtf_text(text), TEXT_WIDTH, align="c", shade=shade, bold=True)])


def value_rows(c: dict, caption_width: int, rows: list[tuple[str, list[str]]]) -> str:
    """Caption (a caption key, or the text itself) and values; NOT_APPLICABLE marks a dimension
    that the gauge does not have."""
    out = []
    for caption, values in rows:
        widths = split(TEXT_WIDTH - caption_width, len(values))
        cells = [Cell(rtf_text(c.get(caption, caption)), caption_width, shade=LIGHT)]
        for value, width in zip(values, widths):
            align = "c" if value == rtf_text(NOT_APPLICABLE) else "r"
            cells.append(Cell(value, width, align=align))
        out.append(table_row(cells))
    return "".join(out)


def measured_row(c: dict, caption_width: int, columns: int) -> str:
    widths = split(TEXT_WIDTH - caption_width, columns)
    cells = [Cell(rtf_text(c["measured"]), caption_width, shade=LIGHT, bold=True)]
    cells += [Cell("", w) for w in widths]
    return table_row(cells, height=WRITE_HEIGHT)


def header_row(c: dict, caption_width: int, first: str, keys: list[str]) -> str:
    widths = split(TEXT_WIDTH - caption_width, len(keys))
    cells = [Cell(rtf_text(c[first]) if first else "", caption_width, shade=BLUE, bold=True)]
    cells += [
        Cell(rtf_text(c[key]), width, align="c", shade=BLUE, bold=True)
        for key, width in zip(keys, widths)
    ]
    return table_row(cells)


def group_row(c: dict, caption_width: int, groups: list[tuple[str, int]], columns: int) -> str:
    """Titles over groups of value columns (a title spans `count` columns)."""
    widths = split(TEXT_WIDTH - caption_width, columns)
    cells = [Cell("", caption_width, shade=BLUE)]
    start = 0
    for key, count in groups:
        cells.append(
            Cell(rtf_text(c[key]), sum(widths[start : start + count]), "c", BLUE, True, 14)
        )
        start += count
    return table_row(cells)


def pm(code: str) -> str:
    return f"\\u177? {field(code)}"  # "± " and the half tolerance, as the window shows it


def workpiece_section(c: dict, with_measured_row: bool = True) -> str:
    cap = 3402  # twips (60 mm) for the captions
    out = heading(c["workpiece"])
    out += header_row(c, cap, "", ["hole", "shaft"])
    out += table_row(
        [
            Cell(rtf_text(c["designation"]), cap, shade=LIGHT),
            *[
                Cell(field(code), w, align="c", bold=True)
                for code, w in zip(["A03", "A04"], split(TEXT_WIDTH - cap, 2))
            ],
        ]
    )
    out += value_rows(c, cap, [("tolerance", [field("A05"), field("A06")])])
    out += band(c["limit_devs"])
    # The window's symbols beside the captions: ES and EI for the hole, es and ei for the shaft.
    out += value_rows(
        c,
        cap,
        [
            (f"{c['upper_dev']} ES / es", [field("A07"), field("A08")]),
            (f"{c['lower_dev']} EI / ei", [field("A09"), field("A10")]),
        ],
    )
    out += band(c["limit_sizes"])
    out += value_rows(
        c,
        cap,
        [
            ("upper_limit", [field("A11"), field("A12")]),
            ("lower_limit", [field("A13"), field("A14")]),
        ],
    )
    if with_measured_row:
        out += measured_row(c, cap, 2)
    return out


def fit_section(c: dict) -> str:
    widths = split(TEXT_WIDTH, 5)
    captions = [
        rtf_text(c["designation"]),
        rtf_text(c["fit_type"]),
        field("A17"),  # the label that goes with the fit type, in the window's language
        field("A19"),
        rtf_text(c["fit_tol"]),
    ]
    values = ["A15", "A16", "A18", "A20", "A21"]
    out = heading(c["fit"])
    out += table_row(
        [Cell(text, w, align="c", shade=BLUE, bold=True) for text, w in zip(captions, widths)]
    )
    out += table_row(
        [
            Cell(field(code), w, align="c", bold=(code == "A15"))
            for code, w in zip(values, widths)
        ],
        height=300,
    )
    return out


def hole_gauge_section(c: dict) -> str:
    cap = 2608  # twips (46 mm): four gauge columns beside it
    na = rtf_text(NOT_APPLICABLE)
    out = heading(c["hole_gauges"])
    out += group_row(c, cap, [("workshop_gauges", 2), ("spherical_gauges", 2)], 4)
    out += header_row(c, cap, "gauge_type", ["go_plug", "nogo_plug", "go_sph", "nogo_sph"])
    out += value_rows(
        c,
        cap,
        [
            ("gauge_nominal", [field(x) for x in ["A22", "A23", "A33", "A34"]]),
            ("gauge_devs", [pm(x) for x in ["A24", "A25", "A35", "A36"]]),
            ("gauge_upper", [field(x) for x in ["A26", "A27", "A37", "A38"]]),
            ("gauge_lower", [field(x) for x in ["A28", "A29", "A39", "A40"]]),
            ("lower_wear", [field("A30"), na, field("A41"), na]),
            ("form_tol", [field(x) for x in ["A31", "A32", "A42", "A43"]]),
        ],
    )
    out += measured_row(c, cap, 4)
    return out


def shaft_gauge_section(c: dict) -> str:
    cap = 2720  # twips (48 mm): five gauge columns beside it
    na = rtf_text(NOT_APPLICABLE)
    out = heading(c["shaft_gauges"])
    out += group_row(c, cap, [("workshop_gauges", 2), ("check_plugs", 3)], 5)
    out += header_row(
        c, cap, "gauge_type", ["go_ring", "nogo_ring", "go_check", "wear_check", "nogo_check"]
    )
    # Ring gauges: KGPRMn and KGHEMx hold the upper limits, KGPRM and KGHEM the lower ones.
    out += value_rows(
        c,
        cap,
        [
            ("gauge_nominal", [field(x) for x in ["A44", "A45", "A55", "A56", "A57"]]),
            ("gauge_devs", [pm(x) for x in ["A46", "A47", "A58", "A59", "A60"]]),
            ("gauge_upper", [field(x) for x in ["A48", "A49", "A61", "A62", "A63"]]),
            ("gauge_lower", [field(x) for x in ["A50", "A51", "A64", "A65", "A66"]]),
            ("upper_wear", [field("A52"), na, na, na, na]),
            ("form_tol", [field(x) for x in ["A53", "A54", "A67", "A68", "A69"]]),
        ],
    )
    out += measured_row(c, cap, 5)
    return out


def master_section(c: dict) -> str:
    cap = 3402  # twips (60 mm) for the captions
    out = heading(c["masters"])
    out += header_row(c, cap, "", ["setting_ring", "setting_plug"])
    out += value_rows(
        c,
        cap,
        [
            ("gauge_nominal", [field("A70"), field("A71")]),
            ("gauge_devs", [pm("A72"), pm("A73")]),
            ("gauge_upper", [field("A74"), field("A75")]),
            ("gauge_lower", [field("A76"), field("A77")]),
            ("form_tol", [field("A78"), field("A79")]),
        ],
    )
    out += measured_row(c, cap, 2)
    return out


def result_block(c: dict) -> str:
    """The inspector's verdict beside room for remarks."""
    box = rtf_text(CHECK_BOX)
    result = (
        f"\\b {rtf_text(c['result'])}:\\b0\\line {box} {rtf_text(c['accepted'])}"
        f"\\line {box} {rtf_text(c['rejected'])}"
    )
    result_width = 2835
    out = paragraph("", size=8)
    out += table_row(
        [
            Cell(result, result_width, size=18, valign="t"),
            Cell(
                f"\\b {rtf_text(c['remarks'])}:\\b0",
                TEXT_WIDTH - result_width,
                size=18,
                valign="t",
            ),
        ],
        height=720,
    )
    return out


def measurement_log(c: dict, rows: int) -> str:
    """Blank lines for the measured sizes of several parts."""
    number_width = 680
    remarks_width = 2835
    value_width = (TEXT_WIDTH - number_width - remarks_width) // 2
    last = TEXT_WIDTH - number_width - remarks_width - value_width
    hole = f"{rtf_text(c['hole'])} {field('A03')}: {rtf_text(c['measured'])}"
    shaft = f"{rtf_text(c['shaft'])} {field('A04')}: {rtf_text(c['measured'])}"
    out = heading(c["measurements"])
    out += table_row(
        [
            Cell(rtf_text(c["number"]), number_width, "c", BLUE, True),
            Cell(hole, value_width, "c", BLUE, True),
            Cell(shaft, last, "c", BLUE, True),
            Cell(rtf_text(c["remarks"]), remarks_width, "c", BLUE, True),
        ]
    )
    for n in range(1, rows + 1):
        out += table_row(
            [
                Cell(str(n), number_width, align="c"),
                Cell("", value_width),
                Cell("", last),
                Cell("", remarks_width),
            ],
            height=360,
        )
    return out


def inspection_sheet(lang: str) -> str:
    c = CAPTIONS[lang]
    body = (
        title_block(c, c["title_full"])
        + identity_table(c)
        + workpiece_section(c)
        + fit_section(c)
        + hole_gauge_section(c)
        + shaft_gauge_section(c)
        + master_section(c)
        + result_block(c)
    )
    return document(lang, c["title_full"], body)


def workpiece_sheet(lang: str) -> str:
    c = CAPTIONS[lang]
    body = (
        title_block(c, c["title_work"])
        + identity_table(c)
        + workpiece_section(c, with_measured_row=False)  # the log below holds the measured sizes
        + fit_section(c)
        + measurement_log(c, 20)
        + result_block(c)
    )
    return document(lang, c["title_work"], body)


# --- Text ---------------------------------------------------------------------------------------

LABEL_WIDTH = 34  # characters; values start in the next column


def text_token(code: str) -> str:
    # Four or more characters between "$" and "#": the code and the field's name.
    return f"${code} {FIELD_NAMES[code]}#"


FIELD_NAMES = {}  # filled from output/print_record_set.h below


def load_field_names() -> None:
    header = (REPO / "output" / "print_record_set.h").read_text(encoding="utf-8")
    for code, name in re.findall(r'\{"(A\d\d)", "(\w+)", \d+\}', header):
        FIELD_NAMES[code] = name
    if len(FIELD_NAMES) != 81:
        sys.exit(f"expected 81 fields in print_record_set.h, found {len(FIELD_NAMES)}")


def line(label: str, value: str, indent: int = 2) -> str:
    return " " * indent + label.ljust(LABEL_WIDTH - indent) + value


def gauge_block(c: dict, name_key: str, codes: dict[str, str], wear_key: str | None) -> list[str]:
    lines = ["  " + c[name_key]]
    lines.append(line(c["gauge_nominal"], text_token(codes["nominal"]), 4))
    lines.append(line(c["gauge_devs"], "± " + text_token(codes["half"]), 4))
    lines.append(line(c["gauge_upper"], text_token(codes["upper"]), 4))
    lines.append(line(c["gauge_lower"], text_token(codes["lower"]), 4))
    if wear_key:
        lines.append(line(c[wear_key], text_token(codes["wear"]), 4))
    lines.append(line(c["form_tol"], text_token(codes["form"]), 4))
    return lines


def gauge(nominal, half, upper, lower, form, wear=None) -> dict[str, str]:
    codes = {"nominal": nominal, "half": half, "upper": upper, "lower": lower, "form": form}
    if wear:
        codes["wear"] = wear
    return codes


def text_report(lang: str) -> str:
    c = CAPTIONS[lang]
    t = text_token
    rule = "=" * 60
    lines = [
        c["company"],
        c["report"],
        rule,
        line(c["fit"], t("A15"), 0),
        line(c["tol_type"], f"{t('A01')} {t('A80')}", 0),
        line(c["nominal"], t("A02"), 0),
        line(c["values_in"], t("A81"), 0),
        "",
        f"{c['hole'].upper()}  {t('A03')}",
        line(f"{c['tolerance']} IT", t("A05")),
        line(f"{c['upper_dev']} ES", t("A07")),
        line(f"{c['lower_dev']} EI", t("A09")),
        line(c["upper_limit"], t("A11")),
        line(c["lower_limit"], t("A13")),
        "",
        f"{c['shaft'].upper()}  {t('A04')}",
        line(f"{c['tolerance']} IT", t("A06")),
        line(f"{c['upper_dev']} es", t("A08")),
        line(f"{c['lower_dev']} ei", t("A10")),
        line(c["upper_limit"], t("A12")),
        line(c["lower_limit"], t("A14")),
        "",
        c["fit"].upper(),
        line(c["fit_type"], t("A16")),
        f"  {t('A17')}: {t('A18')}",
        f"  {t('A19')}: {t('A20')}",
        line(c["fit_tol"], t("A21")),
        "",
        f"{c['hole_gauges'].upper()}",
        f"  ({c['workshop_gauges']})",
        *gauge_block(c, "go_plug", gauge("A22", "A24", "A26", "A28", "A31", "A30"), "lower_wear"),
        *gauge_block(c, "nogo_plug", gauge("A23", "A25", "A27", "A29", "A32"), None),
        *gauge_block(c, "go_sph", gauge("A33", "A35", "A37", "A39", "A42", "A41"), "lower_wear"),
        *gauge_block(c, "nogo_sph", gauge("A34", "A36", "A38", "A40", "A43"), None),
        "",
        f"{c['shaft_gauges'].upper()}",
        f"  ({c['workshop_gauges']})",
        *gauge_block(c, "go_ring", gauge("A44", "A46", "A48", "A50", "A53", "A52"), "upper_wear"),
        *gauge_block(c, "nogo_ring", gauge("A45", "A47", "A49", "A51", "A54"), None),
        f"  ({c['check_plugs']})",
        *gauge_block(c, "go_check", gauge("A55", "A58", "A61", "A64", "A67"), None),
        *gauge_block(c, "wear_check", gauge("A56", "A59", "A62", "A65", "A68"), None),
        *gauge_block(c, "nogo_check", gauge("A57", "A60", "A63", "A66", "A69"), None),
        "",
        f"{c['masters'].upper()}",
        *gauge_block(c, "setting_ring", gauge("A70", "A72", "A74", "A76", "A78"), None),
        *gauge_block(c, "setting_plug", gauge("A71", "A73", "A75", "A77", "A79"), None),
        "",
        rule,
        f"{c['date']}: ______________   {c['inspector']}: ____________________",
        "",
        f"{c['signature']}: ____________________",
        "",
    ]
    # Soft hyphens are for the narrow table cells of the RTF sheets only.
    report = "\r\n".join(lines).replace(SOFT_HYPHEN, "")
    # Every dollar sign opens a token that its hash sign closes; no other sign of either kind.
    if len(re.findall(r"\$A\d\d \w+#", report)) != report.count("$") or report.count(
        "$"
    ) != report.count("#"):
        raise ValueError(f"a dollar or hash sign outside a token in the {lang} report")
    return "\ufeff" + report


# --- Main ---------------------------------------------------------------------------------------


def write(name: str, text: str, encoding: str = "ascii") -> None:
    path = TEMPLATES / name
    path.write_bytes(text.encode(encoding))
    print(f"wrote {path.relative_to(REPO)}")


def main() -> None:
    load_field_names()
    TEMPLATES.mkdir(parents=True, exist_ok=True)
    for lang in CAPTIONS:
        write(f"inspection_sheet_{lang}.rtf", inspection_sheet(lang))
        write(f"workpiece_sheet_{lang}.rtf", workpiece_sheet(lang))
        write(f"fit_report_{lang}.txt", text_report(lang), "utf-8")


if __name__ == "__main__":
    main()
