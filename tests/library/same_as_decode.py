#!/usr/bin/python3
"""The Python module against regalo-decode, byte for byte: every case of the
expectations file (expected.py) through regalo.explain, a driver's bytes and
a code's number through the same calls, the module's own calls against the
same texts, the catalogue, and the logs through scan() and summarize().

    same_as_decode.py <expectations>
"""
import json
import re
import sys

import regalo

calls = {"status": (regalo.status, regalo.status_brief), "error": (regalo.error, regalo.error_brief), "diff": (regalo.diff, None)}
driver_bytes = re.compile(r"[0-9A-F]{2}( [0-9A-F]{2}){5}")
code_number = re.compile(r"[0-9A-F]{4}|[1-9A-F][0-9A-F]{4,7}")


def text(hex_bytes):
    return bytes.fromhex(hex_bytes).decode("utf-8", "surrogateescape")


def agrees(kind, lang, form, read, value, other, expected):
    if kind == "flag":
        byte, bit = bytes.fromhex(value)
        return regalo.flags(lang=lang)[byte * 8 + bit] == (byte, bit, expected)
    if kind == "state":
        state = bytes.fromhex(value)[0]
        return regalo.receipt_state([0x80, 0x80, 0x80 | state, 0x80, 0x80, 0x80], lang) == (state, expected)
    if kind == "message":
        return regalo.error_message(int(value, 16), lang) == (expected if read == "1" else None)
    if kind in ("scan", "summary"):
        with open(bytes.fromhex(value), "rb") as log:
            got = "\n".join(regalo.scan(log, lang, "brief")) if kind == "scan" and form == "brief" else \
                list(regalo.scan(log, lang, "json")) if kind == "scan" else regalo.summarize(log, lang, form)
        return got == (expected if form == "brief" else [json.loads(r) for r in expected.splitlines()] if kind == "scan"
                       else json.loads(expected))
    values = [text(v) for v in ([value, other] if kind == "diff" else [value])]
    answer = (read == "1", expected)
    if regalo.explain(kind, *values, lang=lang, format=form) != answer:
        return False
    # What a driver holds: the six bytes, or the code as a number.
    if kind == "status" and driver_bytes.fullmatch(values[0]):
        six = bytes.fromhex(values[0])
        if regalo.explain(kind, six, lang=lang, format=form) != answer or regalo.explain(kind, list(six), lang=lang, format=form) != answer:
            return False
    if kind == "error" and code_number.fullmatch(values[0]) and regalo.explain(kind, int(values[0], 16), lang=lang, format=form) != answer:
        return False
    # The module's calls: JSON as json.loads makes it, the words, and the reason as DecodeError's message.
    as_json, as_words = calls[kind]
    if as_json if form == "json" else as_words:
        try:
            got = as_json(*values, lang=lang) if form == "json" else as_words(*values, lang=lang)
            return read == "1" and got == (json.loads(expected) if form == "json" else expected)
        except regalo.DecodeError as refusal:
            return read == "0" and str(refusal) == json.loads(regalo.explain(kind, *values, lang=lang, format="json")[1])["error"]
    return True


cases = differ = 0
with open(sys.argv[1], encoding="ascii") as expectations:
    for line in expectations:
        kind, lang, form, read, value, other, expected = line.rstrip("\n").split("\t")
        if not agrees(kind, lang, form, read, value, other, text(expected)):
            differ += 1
            if differ <= 5:
                print(f"{kind} {lang} {form} {text(value)[:80]!r}: regalo-decode wrote {text(expected)[:200]!r}", file=sys.stderr)
        cases += 1

# What is no value of its kind is refused in the module's words, never as a crash.
refused = [
    (lambda: regalo.status("\ud800"), regalo.DecodeError),
    (lambda: regalo.status("8" * 10**7), regalo.DecodeError),
    (lambda: regalo.error(0x10501), regalo.DecodeError),
    (lambda: regalo.status(b"\x80\x84\x89\x80\x83"), regalo.DecodeError),
    (lambda: regalo.explain("status", "a", "b", "c"), TypeError),
    (lambda: regalo.status(True), TypeError),
    (lambda: regalo.error(-1), ValueError),
    (lambda: regalo.status([128, 300, 0, 0, 0, 0]), ValueError),
    (lambda: regalo.error("0501", lang="de"), ValueError),
]
for call, expected in refused:
    try:
        call()
        got = None
    except Exception as e:  # noqa: BLE001
        got = e
    if type(got) is not expected:
        differ += 1
        print(f"refused: {got!r} where {expected.__name__} was expected", file=sys.stderr)
    cases += 1
print(f"{cases} cases, {differ} differ")
sys.exit(0 if differ == 0 and cases > 0 else 1)
