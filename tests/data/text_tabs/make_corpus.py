#!/usr/bin/env python3
"""Writes the text tab corpus: songs of known notes, each written in one of the styles tabs
take on the web, with the notes each should bring in listed in NAME.expect (one line per
instrument, measure and string: "track measure string: frets in order")."""
import random

GUITAR = ["e", "B", "G", "D", "A", "E"]
BASS = ["G", "D", "A", "E"]
CHORDS = ["Am", "C", "G", "F#m7", "D/F#", "Em", "Bb", "Dsus4"]
REMARKS = ["Tabbed by someone", "Tuning: standard", "Capo: none", "// play it twice",
           "(let ring)", "Chorus", "[Verse 1]", "Intro:", "Solo", "la la la, the words go here"]


def song(rng, strings, measures, dense):
    """Measures of columns; a column is {string: mark} with mark (fret text, suffix)."""
    out = []
    for _ in range(measures):
        cols = []
        for _ in range(rng.randint(max(1, dense // 3), dense)):
            col = {}
            for s in rng.sample(range(strings), rng.randint(1, min(3, strings))):
                kind = rng.random()
                fret = rng.randint(0, 24)
                if kind < 0.06:
                    col[s] = ("x", "")
                elif kind < 0.11:
                    col[s] = ("<%d>" % rng.choice([5, 7, 12]), "")
                elif kind < 0.14:
                    col[s] = ("[%d]" % rng.choice([5, 7, 12]), "")
                elif kind < 0.20:
                    col[s] = (str(fret), "b%d" % (fret + rng.choice([1, 2])))
                elif kind < 0.24:
                    col[s] = (str(fret), "~")
                elif kind < 0.26:
                    col[s] = (str(fret), "v")
                elif kind < 0.28:
                    col[s] = (str(fret), "tr")
                elif kind < 0.30:
                    col[s] = (str(fret), "b%dr" % (fret + 2))
                else:
                    col[s] = (str(fret), "")
            cols.append(col)
        out.append(cols)
    # Slurs between neighbouring notes of a string inside a measure.
    for cols in out:
        for i in range(len(cols) - 1):
            for s, (f, suf) in list(cols[i].items()):
                if suf or f.startswith(("x", "<", "[")) or s not in cols[i + 1]:
                    continue
                g, gsuf = cols[i + 1][s]
                if g.startswith(("x", "<", "[")) or rng.random() > 0.3:
                    continue
                cols[i][s] = (f, rng.choice(["h", "p", "/", "\\", "s"]))
    return out


def measure_text(cols, s, gap, style):
    parts = []
    for col in cols:
        width = max(len(f) + len(suf) for f, suf in col.values())
        mark = col.get(s)
        text = (mark[0] + mark[1]) if mark else ""
        if mark and style.get("right_align") and len(mark[0]) == 1 and width >= 2 and not mark[1]:
            text = "-" + text
        parts.append(text.ljust(width, "-"))
    return "-" * gap + ("-" * gap).join(parts) + "-" * gap


def write(name, rng, style):
    tracks = style["tracks"]
    measures = style["measures"]
    songs = [song(rng, len(t[1]), measures, style["dense"]) for t in tracks]
    lines = []
    if style.get("title"):
        lines += [style["title"], ""]
    for remark in rng.sample(REMARKS, 2):
        lines.append(remark)
    lines.append("")
    per_line = style["per_line"]
    for start in range(0, measures, per_line):
        if style.get("section") and start % (per_line * 2) == 0:
            lines.append(rng.choice(["[Verse]", "Chorus:", "Bridge"]))
        if style.get("chords"):
            lines.append("   " + "      ".join(rng.sample(CHORDS, 3)))
        for t, (caption, labels) in enumerate(tracks):
            if caption:
                lines.append(caption)
            for s, label in enumerate(labels):
                body = ""
                for m in range(start, min(measures, start + per_line)):
                    body += style["bar"] + measure_text(songs[t][m], s, style["gap"], style)
                body += style["end_bar"]
                if style.get("repeat") and start == 0:
                    body = body.replace("|", "||o", 1)
                lead = label + style["label_sep"] if style["labels"] else ""
                lines.append(lead + body)
            if style.get("rhythm"):
                lines.append("  Q   E E   Q   S S S S")
            lines.append("")
        if style.get("lyrics"):
            lines += ["  and here the words go on", ""]
    lines.append("Thanks for looking at this tab!")
    with open(name + ".txt", "w") as f:
        f.write("\n".join(lines) + "\n")
    with open(name + ".expect", "w") as f:
        for t, (caption, labels) in enumerate(tracks):
            for m in range(measures):
                for s in range(len(labels)):
                    frets = []
                    for col in songs[t][m]:
                        if s in col:
                            fret = col[s][0].strip("<>[]")
                            frets.append(fret)
                    f.write("%d %d %d: %s\n" % (t, m, s, " ".join(frets)))


def main():
    rng = random.Random(20261209)
    g = ("Guitar", GUITAR)
    b = ("Bass", BASS)
    styles = []
    for i in range(32):
        style = {
            "tracks": [[("", GUITAR)], [g, b], [("", BASS)], [("Gtr 1", GUITAR), ("Gtr 2", GUITAR)],
                       [("", ["e", "B", "G", "D", "A", "E", "B"])], [("", ["D#", "A#", "F#", "C#", "G#", "D#"])],
                       [("", ["e"])], [("", ["G", "D", "A", "E", "B", "F#", "C#", "G#", "D#", "A#"])]][i % 8],
            "measures": [4, 12, 24, 40][i % 4],
            "per_line": [1, 2, 3, 4][(i // 2) % 4],
            "dense": [4, 8, 12, 16][(i // 3) % 4],
            "gap": [1, 2, 3][i % 3],
            "labels": i % 5 != 4,
            "label_sep": ["|", "||", "-", "|", ":|"][i % 5],
            "bar": "|",
            "end_bar": "|" if i % 7 else "",
            "title": "Song %d - Some Band" % i if i % 3 else "",
            "chords": i % 4 == 1,
            "rhythm": i % 6 == 2,
            "lyrics": i % 5 == 3,
            "section": i % 4 == 2,
            "repeat": i % 3 == 1,
            "right_align": i % 2 == 1,
        }
        if style["label_sep"] == "-" and not style["labels"]:
            style["label_sep"] = "|"
        write("tab%02d" % i, rng, style)


main()
