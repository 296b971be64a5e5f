#!/usr/bin/python3
"""Reads an export of vimra-tool back with readers that owe nothing to the program (Python's csv
module, openpyxl), checks every value against the same work's `vimra-tool dump`, and prints what it
found as JSON for the test to judge.

    relit_export.py EXPORT DUMP LANGUAGE

Every value of the export is compared with the dump's text of the same test, point and column: in a
CSV the digits must be the same once the decimal mark is a point; in a workbook the cell must be a
number equal to the dump's decimal and carry the number format of its decimals. Differences are
listed in "ecarts"; "comparees" counts the values compared.
"""

import csv
import io
import json
import re
import sys
import zipfile


def lit_dump(chemin):
    """The dump: blocks of 'Essai k<TAB>comment', symbols, units, then the values of each point."""
    essais = {}
    courant = None
    with open(chemin, encoding="utf-8", newline="") as f:
        lignes = f.read().split("\r\n")
    i = 0
    while i < len(lignes):
        l = lignes[i]
        m = re.match(r"^Essai (\d+)\t(.*)$", l)
        if m:
            courant = {"commentaire": m.group(2), "symboles": lignes[i + 1].split("\t"),
                       "unites": lignes[i + 2].split("\t"), "points": []}
            essais[int(m.group(1))] = courant
            i += 3
            continue
        if l and courant is not None:
            courant["points"].append(l.split("\t"))
        i += 1
    return essais


def colonnes_gardees(essai):
    """Columns with a quantity: a column with neither symbol nor unit is not exported (the works
    read here offer every quantity they name)."""
    return [c for c, (s, u) in enumerate(zip(essai["symboles"], essai["unites"])) if s or u]


def point(texte):
    return texte.replace(",", ".")


def relit_csv(chemin, essais, langue, r):
    brut = open(chemin, "rb").read()
    r["bom"] = brut.startswith(b"\xef\xbb\xbf")
    r["crlf"] = brut.count(b"\n") == brut.count(b"\r\n") and brut.count(b"\n") > 0
    texte = brut.decode("utf-8-sig")
    separateur = "," if langue == "en" else ";"
    lignes = list(csv.reader(io.StringIO(texte, newline=""), delimiter=separateur, quotechar='"', strict=True))
    vide = next((i for i, l in enumerate(lignes) if not l), -1)
    r["avant"] = lignes[:vide] if vide >= 0 else []
    entete = lignes[vide + 1] if vide >= 0 else lignes[0]
    r["entete"] = entete
    rang = {}
    for ligne in lignes[(vide + 2 if vide >= 0 else 1):]:
        k = int(ligne[0])
        j = rang.get(k, 0)
        rang[k] = j + 1
        attendu = [essais[k]["points"][j][c] for c in colonnes_gardees(essais[k])]
        if len(ligne) - 1 != len(attendu):
            r["ecarts"].append(f"test {k} point {j}: {len(ligne) - 1} values, the dump has {len(attendu)}")
            continue
        for c, (v, d) in enumerate(zip(ligne[1:], attendu)):
            if ("," in v) if langue == "en" else ("." in v):
                r["ecarts"].append(f"test {k} point {j} column {c}: {v!r} has the other decimal mark")
            if point(v) != point(d):
                r["ecarts"].append(f"test {k} point {j} column {c}: {v!r}, the dump says {d!r}")
            r["comparees"] += 1
    r["points"] = rang


def format_de(texte):
    decimales = len(texte.split(",")[1]) if "," in texte else 0
    return "0" if decimales == 0 else "0." + "0" * decimales


def texte_riche(titre):
    return "".join(run.t for p in titre.tx.rich.p for run in (p.r or [])) if titre else None


def relit_xlsx(chemin, essais, r):
    try:
        import openpyxl
    except ImportError:
        r["ecarts"].append("openpyxl is missing: install python3-openpyxl")
        return
    classeur = openpyxl.load_workbook(chemin)
    r["feuilles"] = classeur.sheetnames
    r["points"] = {}
    r["contextes"] = {}
    r["graphiques"] = []
    for feuille in classeur.worksheets:
        if feuille._charts:
            for g in feuille._charts:
                r["graphiques"].append(graphique(classeur, g, r))
            continue
        lignes = [list(l) for l in feuille.iter_rows()]
        vide = next((i for i, l in enumerate(lignes) if all(c.value is None for c in l)), -1)
        r["contextes"][feuille.title] = [[c.value for c in l[:2]] for l in lignes[:vide]]
        r["entete"] = [c.value for c in lignes[vide + 1] if c.value is not None]
        m = re.match(r"^\S+ (\d+)", feuille.title)
        if not m:
            continue
        k = int(m.group(1))
        donnees = lignes[vide + 2:]
        r["points"][str(k)] = len(donnees)
        gardees = colonnes_gardees(essais[k])
        for j, l in enumerate(donnees):
            for c, col in enumerate(gardees):
                cellule, d = l[c], essais[k]["points"][j][col]
                if not isinstance(cellule.value, (int, float)) or isinstance(cellule.value, bool):
                    r["ecarts"].append(f"{feuille.title}!{cellule.coordinate}: {cellule.value!r} is not a number")
                elif cellule.value != float(point(d)):
                    r["ecarts"].append(f"{feuille.title}!{cellule.coordinate}: {cellule.value!r}, the dump says {d!r}")
                if cellule.number_format != format_de(d):
                    r["ecarts"].append(f"{feuille.title}!{cellule.coordinate}: format {cellule.number_format!r} "
                                       f"for {d!r}")
                r["comparees"] += 1


def plage(classeur, reference):
    m = re.match(r"^'?(.*?)'?!\$([A-Z]+)\$(\d+):\$([A-Z]+)\$(\d+)$", reference)
    feuille = classeur[m.group(1).replace("''", "'")]
    return feuille, feuille[f"{m.group(2)}{m.group(3)}:{m.group(4)}{m.group(5)}"]


def graphique(classeur, g, r):
    """A chart: its title, axis titles, and each series read through its references: the column
    above each range must be the one its axis names, and the range must hold all the sheet's points."""
    titre_x, titre_y = texte_riche(g.x_axis.title), texte_riche(g.y_axis.title)
    series = []
    for s in g.series:
        plein = s.marker.spPr.solidFill if s.marker and s.marker.spPr else None
        couleur = getattr(plein.srgbClr, "val", plein.srgbClr) if plein is not None else None
        for ref, titre in ((s.xVal.numRef.f, titre_x), (s.yVal.numRef.f, titre_y)):
            feuille, cellules = plage(classeur, ref)
            premiere = cellules[0][0]
            entete = feuille.cell(row=premiere.row - 1, column=premiere.column).value
            if entete != titre:
                r["ecarts"].append(f"{ref}: under {entete!r}, the axis says {titre!r}")
            if len(cellules) != feuille.max_row - premiere.row + 1:
                r["ecarts"].append(f"{ref}: {len(cellules)} points of {feuille.max_row - premiere.row + 1}")
        series.append({"nom": s.tx.v if s.tx else None, "couleur": couleur})
    return {"titre": texte_riche(g.title), "x": titre_x, "y": titre_y, "series": series}


def main():
    export, dump, langue = sys.argv[1:4]
    essais = lit_dump(dump)
    r = {"ecarts": [], "comparees": 0}
    if export.lower().endswith(".csv"):
        relit_csv(export, essais, langue, r)
    else:
        relit_xlsx(export, essais, r)
    json.dump(r, sys.stdout, ensure_ascii=False)


main()
