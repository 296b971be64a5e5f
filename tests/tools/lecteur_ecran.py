"""What a screen reader finds in the running demo program, read through AT-SPI as Orca reads it.

The main menu shows; every control on view must have a name. Its entry "Tracé des caractéristiques
d'une machine" is pressed through its AT-SPI action, as a screen-reader user presses it; on the
choice screen the asynchronous machine, the load "T = K" and "ETUDE" likewise, then "OK" on the
new characteristic's dialog; the plot window's controls on view must then all have a name.
Exit status 0 when all is named, 1 with the list of what is not.
"""
import sys
import time

import pyatspi

# What a person reaches or reads: what takes the keyboard, and the pictures, graphs and displays.
ROLES = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_SLIDER,
         pyatspi.ROLE_TEXT, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_CHECK_BOX,
         pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_CHART, pyatspi.ROLE_IMAGE, pyatspi.ROLE_PAGE_TAB}


def programme(delai=30):
    fin = time.time() + delai
    while time.time() < fin:
        for a in pyatspi.Registry.getDesktop(0):
            if a is not None and a.name and "vimra" in a.name.lower():
                return a
        time.sleep(0.5)
    sys.exit("the program never showed on the accessibility bus")


def montre(o):
    try:
        return o.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def controles(o, profondeur=0):
    """Every control on view under o: (role, name, object)."""
    if o is None or profondeur > 30 or not montre(o):
        return []
    trouves = []
    try:
        if o.getRole() in ROLES or o.getState().contains(pyatspi.STATE_FOCUSABLE):
            trouves.append((o.getRoleName(), (o.name or "").strip(), o))
    except Exception:
        return []
    for enfant in o:
        trouves += controles(enfant, profondeur + 1)
    return trouves


def fenetre(app, critere, delai=15):
    """The first window on view that satisfies critere(window, its controls)."""
    fin = time.time() + delai
    while time.time() < fin:
        for w in app:
            if w is not None and montre(w):
                c = controles(w)
                if critere(w, c):
                    return w, c
        time.sleep(0.5)
    return None, []


def presse(fenetre_, nom, seulement_si_non_coche=False, delai=10):
    """Presses the control named nom in fenetre_ once it is enabled; a toggle already on is left on."""
    fin = time.time() + delai
    while time.time() < fin:
        fenetre_.clear_cache()  # the objects as the program holds them now
        for _, n, o in controles(fenetre_):
            etat = o.getState()
            if n != nom or not etat.contains(pyatspi.STATE_SENSITIVE):
                continue
            if seulement_si_non_coche and etat.contains(pyatspi.STATE_CHECKED):
                return
            o.queryAction().doAction(0)
            return
        time.sleep(0.5)
    sys.exit(f"{nom} never showed enabled")


def sans_nom(titre, c):
    manquants = [f"{titre}: {role}" for role, nom, _ in c if not nom]
    print(f"{titre}: {len(c)} controls on view, {len(manquants)} without a name")
    for role, nom, o in c:
        where = ""
        if not nom:
            try:
                e = o.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                where = f" at {e.x},{e.y} {e.width}x{e.height}, {o.childCount} children, in {o.parent.getRoleName()} '{o.parent.name}'"
            except Exception:
                pass
        print(f"    {role}: {nom}{where}")
    return manquants


app = programme()
TRACE = "Tracé des caractéristiques d'une machine"
menu, c_menu = fenetre(app, lambda w, c: any(n == TRACE for _, n, _ in c))
if menu is None:
    sys.exit("the main menu never showed its entries named")
manquants = sans_nom("main menu", c_menu)
entrees = [n for r, n, _ in c_menu if r == "push button"]
if len(entrees) < 6:
    manquants.append(f"main menu: {len(entrees)} named entries, 6 expected")

presse(menu, TRACE)
choix, c_choix = fenetre(app, lambda w, c: any(n == "ETUDE" for _, n, _ in c))
if choix is None:
    sys.exit("the choice screen never showed after its entry was pressed")
manquants += sans_nom("choice screen", c_choix)

# The asynchronous machine and the load T = K, as a person chooses them, then ETUDE.
presse(choix, "MAS Triphasée", seulement_si_non_coche=True)
presse(choix, "T = K", seulement_si_non_coche=True)
presse(choix, "ETUDE")

# The first characteristic of a new work: its dialog, then OK.
nouvelle, c_nouvelle = fenetre(app, lambda w, c: w.name == "Nouvelle caractéristique")
if nouvelle is None:
    sys.exit("the new characteristic's dialog never showed after ETUDE was pressed")
manquants += sans_nom("new characteristic", c_nouvelle)
presse(nouvelle, "OK")
trace, c_trace = fenetre(app, lambda w, c: w.name.startswith(TRACE) and any(n == "Manuel" for _, n, _ in c))
if trace is None:
    sys.exit("the plot window never showed after ETUDE was pressed")
manquants += sans_nom("plot window", c_trace)

if manquants:
    print("\n".join(manquants))
    sys.exit(1)
print("every control on view is named")
