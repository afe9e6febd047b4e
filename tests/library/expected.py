#!/usr/bin/env python3
"""What regalo-decode writes for each value the library's tests ask about:
every error code, a few thousand random and hostile status lines and codes,
and a few hundred pairs of lines to compare, in both languages and both
formats. One case a line, tab-separated, the bytes in hexadecimal:

    kind  lang  format  read  value  other  text

kind is status, error or diff; format brief or json; read 1 or 0; text what
regalo-decode --lang LANG KIND --FORMAT VALUE [OTHER] prints, less its final
line feed (for a value it cannot read, brief prints nothing).

    expected.py <regalo-decode> <output file>

Values go through regalo-decode's stream (-) where that writes the same as
an argument would (JSON, and brief's one line with its tabs for line
feeds), and as arguments where only that can (diff, values holding a line
end); a sample of the streamed ones is checked as arguments too.
"""
import random
import subprocess
import sys

decoder, output = sys.argv[1:3]
rng = random.Random(20261209)


def run(arguments, stdin=b""):
    return subprocess.run([decoder] + arguments, input=stdin, capture_output=True, check=False)


def status_lines():
    lines = []
    for _ in range(1500):
        values = [rng.randrange(256) for _ in range(6)]
        separator = rng.choice([" ", "-", ":", ",", ";", "", "\t", "  ", ", "])
        prefix = rng.choice(["", "0x", "0X"])
        lines.append(separator.join(prefix + format(v, rng.choice(["02X", "02x"])) for v in values).encode())
    hostile = ["", " ", "80", "80 80 89 80 80", "80 80 89 80 80 80 80", "80 84 89 80 83 9С", "８0 84 89 80 83 91",
               "80/80/80/80/80/80", "0x 80 80 80 80 80 80", "\x1b[2J80 80 80 80 80 80", "80 80 80 80 80 80\u202e",
               "\ufeff808080808080", "80 80 80 80 80 8", "%1 %2", "\"80\" 80 80 80 80 80"]
    lines += [h.encode() for h in hostile]
    for _ in range(600):
        lines.append(bytes(rng.choice(b"0123456789ABCDEFabcdefGx -:,;\t\xd0\xa1\xff\x00") for _ in range(rng.randrange(1, 30))))
    return lines


def codes():
    listed = [format(n, "04X").encode() for n in range(65536)]
    odd = [b"0x0501", b"0X5010", b"0c05", b"05", b"05G1", b"0\xd0\x9505", b"\xef\xbc\x900501", b"05010", b"0x050",
           b"\xd0\xee01", b"-h", b"0501\x00"]
    for _ in range(600):
        odd.append(bytes(rng.choice(b"0123456789ABCDEFabcdefxX G\xd0\x95\xff\x00") for _ in range(rng.randrange(1, 8))))
    return listed + odd


def stream_holds(value):
    """A stream holds a value that has no line end and is not blank (a blank
    line is an empty record there, a refusal as an argument)."""
    return b"\n" not in value and b"\r" not in value and value.strip(b" \t") != b""


def streamed(kind, values, lang, form):
    """Each value through the stream, with its answer: what an argument would
    give (JSON as it is; brief with tabs for its line feeds)."""
    safe = [v for v in values if stream_holds(v)]
    answers = run(["--lang", lang, kind, "--" + form, "-"], b"\n".join(safe) + b"\n").stdout.split(b"\n")[:-1]
    assert len(answers) == len(safe), (kind, lang, form, len(answers), len(safe))
    return list(zip(safe, answers))


def argued(kind, values, lang, form):
    """What regalo-decode writes for values given as arguments, and whether
    they were read."""
    process = run(["--lang", lang, kind, "--" + form, "--"] + [v.decode("utf-8", "surrogateescape") for v in values])
    text = process.stdout[:-1] if process.stdout.endswith(b"\n") else process.stdout
    return process.returncode in ((0, 1) if kind == "diff" else (0,)), text


def compared(before, after, lang, form):
    """A diff; where a line cannot be read, the library gives that line's
    refusal as status does (regalo-decode writes only a note then)."""
    read, text = argued("diff", [before, after], lang, form)
    if read:
        return True, text
    unread = before if not argued("status", [before], lang, "json")[0] else after
    return False, argued("status", [unread], lang, form)[1]


def main():
    rows = []
    statuses = status_lines()
    all_codes = codes()
    for lang in ("ru", "en"):
        for kind, values in (("status", statuses), ("error", all_codes)):
            # Whether each value can be read, from its JSON: refusal and answer differ there in form.
            readable = {}
            for value, answer in streamed(kind, values, lang, "json"):
                readable[value] = not answer.startswith(b'{"error":')
                rows.append((kind, lang, "json", readable[value], value, b"", answer))
            for value, answer in streamed(kind, values, lang, "brief"):
                read = readable[value]
                rows.append((kind, lang, "brief", read, value, b"", answer.replace(b"\t", b"\n") if read else b""))
            # The stream and an argument agree: a sample, and what only an argument can hold.
            for value in rng.sample([v for v in values if b"\x00" not in v], 80) + [v for v in values if not stream_holds(v)]:
                for form in ("json", "brief"):
                    read, text = argued(kind, [value], lang, form)
                    rows.append((kind, lang, form, read, value, b"", text))
        for _ in range(250):
            before, after = rng.choice(statuses), rng.choice(statuses)
            if b"\x00" in before + after:
                continue
            for form in ("json", "brief"):
                read, text = compared(before, after, lang, form)
                rows.append(("diff", lang, form, read, before, after, text))
    with open(output, "w", encoding="ascii") as out:
        for kind, lang, form, read, value, other, text in rows:
            out.write("\t".join([kind, lang, form, "1" if read else "0", value.hex(), other.hex(), text.hex()]) + "\n")
    print(f"{len(rows)} cases")


main()
