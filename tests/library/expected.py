#!/usr/bin/env python3
"""What regalo-decode writes for each value the library's tests ask about:
every error code, a few thousand random and hostile status lines and codes,
and a few hundred pairs of lines to compare, in both languages and both
formats; the catalogue; logs scanned and summed up. One case a line,
tab-separated, the bytes in hexadecimal:

    kind  lang  format  read  value  other  text

kind is status, error or diff; format brief or json; read 1 or 0; text what
regalo-decode --lang LANG KIND --FORMAT VALUE [OTHER] prints, less its final
line feed (for a value it cannot read, brief gives its JSON's reason).
kind flag: value the byte and bit, text the caption (list flags); state: the
state and its caption; message: the code as two bytes, its JSON's message
("" and read 0 where it has none); scan and summary: value a log's path,
text what scan [--summary] [--json] LOG prints.

    expected.py <regalo-decode> <output file>

Values go through regalo-decode's stream (-) where that writes the same as
an argument would (JSON, and brief's one line with its tabs for line
feeds), and as arguments where only that can (diff, values holding a line
end); a sample of the streamed ones is checked as arguments too.
"""
import json
import os
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
    # As a driver's bytes are written: what the calls from bytes give.
    for _ in range(300):
        lines.append(" ".join(format(rng.randrange(256), "02X") for _ in range(6)).encode())
    hostile = ["8" * 5000, "", " ", "80", "80 80 89 80 80", "80 80 89 80 80 80 80", "80 84 89 80 83 9С", "８0 84 89 80 83 91",
               "80/80/80/80/80/80", "0x 80 80 80 80 80 80", "\x1b[2J80 80 80 80 80 80", "80 80 80 80 80 80\u202e",
               "\ufeff808080808080", "80 80 80 80 80 8", "%1 %2", "\"80\" 80 80 80 80 80"]
    lines += [h.encode() for h in hostile]
    for _ in range(600):
        lines.append(bytes(rng.choice(b"0123456789ABCDEFabcdefGx -:,;\t\xd0\xa1\xff\x00") for _ in range(rng.randrange(1, 30))))
    return lines


def codes():
    listed = [format(n, "04X").encode() for n in range(65536)]
    odd = [b"10501", b"FFFFFFFF", b"0x0501", b"0X5010", b"0c05", b"05", b"05G1", b"0\xd0\x9505", b"\xef\xbc\x900501", b"05010", b"0x050",
           b"\xd0\xee01", b"-h", b"0501\x00"]
    for _ in range(600):
        odd.append(bytes(rng.choice(b"0123456789ABCDEFabcdefxX G\xd0\x95\xff\x00") for _ in range(rng.randrange(1, 8))))
    return listed + odd


def stream_holds(value):
    """A stream holds a value that has no line end and is not blank (a blank
    line is an empty record there, a refusal as an argument)."""
    return b"\n" not in value and b"\r" not in value and value.strip(b" \t") != b"" and len(value) <= 4096


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


def refusal(kind, value, lang, form):
    """What the library gives for a value that cannot be read: regalo-decode's
    JSON, or in brief its reason."""
    text = argued(kind, [value], lang, "json")[1]
    return text if form == "json" else json.loads(text.decode("utf-8", "surrogateescape"))["error"].encode("utf-8", "surrogateescape")


def compared(before, after, lang, form):
    """A diff; where a line cannot be read, the library gives that line's
    refusal as status does (regalo-decode writes only a note then)."""
    read, text = argued("diff", [before, after], lang, form)
    if read:
        return True, text
    unread = before if not argued("status", [before], lang, "json")[0] else after
    return False, refusal("status", unread, lang, form)


def catalogue(lang):
    """Each flag's caption and each receipt state's, as list flags gives them."""
    rows = []
    for line in run(["--lang", lang, "list", "flags"]).stdout.decode().splitlines():
        where, caption = line.split("\t")
        numbers = [int(word) for word in where.split() if word.isdigit()]
        if len(numbers) == 2:  # byte, bit, then the value in parentheses
            rows.append(("flag", lang, "brief", True, bytes(numbers), b"", caption.encode()))
        else:
            rows.append(("state", lang, "brief", True, bytes(numbers), b"", caption.encode()))
    return rows


def logs(output):
    """The test logs and one of random lines, scanned and summed up."""
    hostile = output + ".log"
    with open(hostile, "wb") as log:
        for i in range(800):
            time = f"2026-12-09 {10 + i // 3600:02}:{i // 60 % 60:02}:{i % 60:02}"
            pick = rng.randrange(8)
            if pick < 3:
                values = [0x80 | rng.randrange(128) for _ in range(6)]
                log.write(f"{time} [FR] <- {' '.join(format(v, '02X') for v in values)}\r\n".encode())
            elif pick < 5:
                log.write(f"{time} ERR 0x{rng.randrange(65536):04X}\n".encode())
            elif pick < 6:
                log.write(f"{time} status 80 80 8\n".encode())
            else:
                log.write(bytes(rng.choice(b"0123456789ABCDEF x:-\t\xd0\xa1") for _ in range(rng.randrange(0, 120))) + b"\n")
    rows = []
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "logs")
    paths = [os.path.join(folder, name) for name in sorted(os.listdir(folder)) if name.endswith(".log")] + [hostile]
    for path in paths:
        for lang in ("ru", "en"):
            for kind, extra in (("scan", []), ("summary", ["--summary"])):
                for form, flag in (("brief", []), ("json", ["--json"])):
                    text = run(["--lang", lang, "scan"] + extra + flag + [path]).stdout
                    rows.append((kind, lang, form, True, os.fsencode(path), b"", text[:-1] if text.endswith(b"\n") else text))
    return rows


def main():
    rows = []
    statuses = status_lines()
    all_codes = codes()
    for lang in ("ru", "en"):
        for kind, values in (("status", statuses), ("error", all_codes)):
            # Whether each value can be read, from its JSON: refusal and answer differ there in form.
            readable = {}
            reason = {}
            for value, answer in streamed(kind, values, lang, "json"):
                readable[value] = not answer.startswith(b'{"error":')
                if not readable[value]:
                    reason[value] = json.loads(answer)["error"].encode("utf-8", "surrogateescape")
                elif kind == "error" and len(value) == 4 and value == value.upper():
                    message = json.loads(answer)["message"]
                    rows.append(("message", lang, "json", message is not None, bytes.fromhex(value.decode()), b"",
                                 (message or "").encode()))
                rows.append((kind, lang, "json", readable[value], value, b"", answer))
            for value, answer in streamed(kind, values, lang, "brief"):
                read = readable[value]
                rows.append((kind, lang, "brief", read, value, b"", answer.replace(b"\t", b"\n") if read else reason[value]))
            # The stream and an argument agree: a sample, and what only an argument can hold.
            for value in rng.sample([v for v in values if b"\x00" not in v], 80) + [v for v in values if not stream_holds(v)]:
                for form in ("json", "brief"):
                    read, text = argued(kind, [value], lang, form)
                    if not read:
                        text = refusal(kind, value, lang, form)
                    rows.append((kind, lang, form, read, value, b"", text))
        for _ in range(250):
            before, after = rng.choice(statuses), rng.choice(statuses)
            if b"\x00" in before + after:
                continue
            for form in ("json", "brief"):
                read, text = compared(before, after, lang, form)
                rows.append(("diff", lang, form, read, before, after, text))
        rows += catalogue(lang)
    rows += logs(output)
    with open(output, "w", encoding="ascii") as out:
        for kind, lang, form, read, value, other, text in rows:
            out.write("\t".join([kind, lang, form, "1" if read else "0", value.hex(), other.hex(), text.hex()]) + "\n")
    print(f"{len(rows)} cases")


main()
