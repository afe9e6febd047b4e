"""Regalo_Vespera's decoder for Python: a fiscal cash register's status bytes
and error codes explained exactly as regalo-decode explains them, through
libregalo.

    >>> import regalo
    >>> regalo.error(0x0501)["message"]
    'Ошибка оборудования!\\n Ошибка дисплея!'
    >>> regalo.status_brief(b"\\x80\\x84\\x89\\x80\\x83\\x91", lang="en").splitlines()[-1]
    'Receipt state: 9. VOID mode'

status(), error() and diff() give what json.loads makes of regalo-decode's
--json; status_brief() and error_brief() its --brief words. A status line is
text in any form regalo-decode reads, or the six bytes a driver holds
(bytes, bytearray or six ints); a code is text, or a number. A value that
cannot be read raises DecodeError, whose message is regalo-decode's reason.
scan() reads a log as regalo-decode scan does, summarize() sums it up.
"""
from __future__ import annotations

import ctypes
import json
import os
import sys
from typing import IO, Any, Iterable, Iterator, List, NamedTuple, Optional, Sequence, Tuple, Union

__all__ = ["DecodeError", "Flag", "ReceiptState", "Scanner", "diff", "error", "error_brief", "error_message", "explain",
           "flags", "read_error", "read_status", "receipt_state", "scan", "status", "status_brief", "summarize", "version"]

Status = Union[str, bytes, bytearray, Sequence[int]]
Code = Union[str, int]
Log = Union[str, bytes, bytearray, IO[str], IO[bytes], Iterable[Union[str, bytes]]]

_OK, _UNREADABLE, _TOO_SMALL = 0, 1, 2
_LANGUAGES = {"ru": 0, "en": 1}
_FORMATS = {"brief": 0, "json": 1}
# No value is nearly this long: the library refuses it unread, so no more is passed.
_LONGEST = 4096
_RECORD = ctypes.CFUNCTYPE(None, ctypes.c_void_p, ctypes.POINTER(ctypes.c_char), ctypes.c_size_t)


def _load() -> ctypes.CDLL:
    # REGALO_LIBRARY names another build of the library, a test's.
    name = os.environ.get("REGALO_LIBRARY") or ("libregalo-1.dll" if sys.platform == "win32" else "libregalo.so.1")
    library = ctypes.CDLL(name)
    size = ctypes.c_size_t
    text = ctypes.c_char_p
    out = [ctypes.c_int, ctypes.c_int, ctypes.c_char_p, size, ctypes.POINTER(size)]
    six = ctypes.c_ubyte * 6
    declared = {
        "regalo_explain_status": ([text, size] + out, ctypes.c_int),
        "regalo_explain_error": ([text, size] + out, ctypes.c_int),
        "regalo_diff": ([text, size, text, size] + out, ctypes.c_int),
        "regalo_explain_status_bytes": ([six] + out, ctypes.c_int),
        "regalo_explain_error_number": ([ctypes.c_uint] + out, ctypes.c_int),
        "regalo_read_status": ([text, size, six, ctypes.c_int, ctypes.c_char_p, size, ctypes.POINTER(size)], ctypes.c_int),
        "regalo_read_error": ([text, size, ctypes.POINTER(ctypes.c_uint), ctypes.c_int, ctypes.c_char_p, size,
                               ctypes.POINTER(size)], ctypes.c_int),
        "regalo_flag_caption": ([ctypes.c_int, ctypes.c_int, ctypes.c_int], ctypes.c_char_p),
        "regalo_receipt_state": ([six], ctypes.c_int),
        "regalo_receipt_state_caption": ([ctypes.c_int, ctypes.c_int], ctypes.c_char_p),
        "regalo_error_message": ([ctypes.c_uint, ctypes.c_int], ctypes.c_char_p),
        "regalo_scanner_new": ([ctypes.c_int, ctypes.c_int, _RECORD, ctypes.c_void_p], ctypes.c_void_p),
        "regalo_scanner_feed": ([ctypes.c_void_p, ctypes.c_char_p, size], ctypes.c_int),
        "regalo_scanner_finish": ([ctypes.c_void_p, ctypes.c_char_p, size, ctypes.POINTER(size)], ctypes.c_int),
        "regalo_scanner_free": ([ctypes.c_void_p], None),
        "regalo_version": ([], ctypes.c_char_p),
        "regalo_strerror": ([ctypes.c_int, ctypes.c_int], ctypes.c_char_p),
    }
    for function, (arguments, result) in declared.items():
        getattr(library, function).argtypes = arguments
        getattr(library, function).restype = result
    return library


_library = _load()
version: str = _library.regalo_version().decode("utf-8")


class DecodeError(ValueError):
    """A value that cannot be read; the message says why, as regalo-decode says it."""


class Flag(NamedTuple):
    """A flag of the status bytes: its byte (0-5), its bit (0-7) and caption."""
    byte: int
    bit: int
    caption: str


class ReceiptState(NamedTuple):
    """The receipt state of byte 2's bits 0-3 (0-15), with its caption."""
    value: int
    caption: str


def _language(lang: str) -> int:
    if not isinstance(lang, str) or lang not in _LANGUAGES:
        raise ValueError(f"lang must be 'ru' or 'en', not {lang!r}")
    return _LANGUAGES[lang]


def _utf8(value: str) -> bytes:
    # What is past the longest value is never read: a long one is refused by its start.
    value = value[:_LONGEST + 1]
    try:
        return value.encode("utf-8", "surrogateescape")
    except UnicodeEncodeError:
        # A lone surrogate: passed on as it is, to be refused as the library refuses bytes that are no text.
        return value.encode("utf-8", "surrogatepass")


def _six(value: Any) -> Optional[bytes]:
    """A driver's six bytes as bytes; None for text. A wrong count is
    refused by the library, as regalo-decode refuses it."""
    if isinstance(value, str):
        return None
    if isinstance(value, (bytes, bytearray)):
        return bytes(value)
    if isinstance(value, Sequence) and all(isinstance(b, int) and not isinstance(b, bool) for b in value):
        if not all(0 <= b <= 255 for b in value):
            raise ValueError(f"status bytes must be 0-255, not {list(value)!r}")
        return bytes(value)
    raise TypeError(f"a status line must be str, bytes or a sequence of ints, not {type(value).__name__}")


def _number(value: Any) -> Optional[int]:
    """A code given as a number; None for text."""
    if isinstance(value, str):
        return None
    if isinstance(value, int) and not isinstance(value, bool):
        if value < 0:
            raise ValueError(f"an error code is not negative: {value}")
        return value
    raise TypeError(f"an error code must be str or int, not {type(value).__name__}")


def _answer(call, lang: int) -> Tuple[bool, str]:
    """Calls `call(buffer, capacity, needed)` until the answer fits."""
    needed = ctypes.c_size_t(0)
    capacity = 4096
    while True:
        buffer = ctypes.create_string_buffer(capacity)
        result = call(buffer, capacity, ctypes.byref(needed))
        if result != _TOO_SMALL:
            break
        capacity = needed.value + 1
    if result not in (_OK, _UNREADABLE):
        raise RuntimeError(_library.regalo_strerror(result, lang).decode("utf-8"))
    return result == _OK, buffer.raw[:needed.value].decode("utf-8", "surrogateescape")


def _hex(data: bytes) -> str:
    return " ".join(format(b, "02X") for b in data)


def _status_call(line: Status, lang: int, form: int):
    data = _six(line)
    if data is not None and len(data) == 6:
        six = (ctypes.c_ubyte * 6)(*data)
        return lambda buf, cap, needed: _library.regalo_explain_status_bytes(six, lang, form, buf, cap, needed)
    text = _utf8(_hex(data) if data is not None else line)  # type: ignore[arg-type]
    return lambda buf, cap, needed: _library.regalo_explain_status(text, len(text), lang, form, buf, cap, needed)


def _code_call(code: Code, lang: int, form: int):
    number = _number(code)
    if number is not None and number <= 0xFFFFFFFF:
        return lambda buf, cap, needed: _library.regalo_explain_error_number(number, lang, form, buf, cap, needed)
    text = _utf8(format(number, "04X") if number is not None else code)  # type: ignore[arg-type]
    return lambda buf, cap, needed: _library.regalo_explain_error(text, len(text), lang, form, buf, cap, needed)


def explain(kind: str, *values: Any, lang: str = "ru", format: str = "brief") -> Tuple[bool, str]:
    """The exact text regalo-decode writes, and whether the value was read:
    kind is "status" or "error" (one value) or "diff" (two status lines);
    format "brief" or "json". In brief, a value that cannot be read gives
    why in words."""
    language = _language(lang)
    if not isinstance(format, str) or format not in _FORMATS:
        raise ValueError(f"format must be 'brief' or 'json', not {format!r}")
    form = _FORMATS[format]
    counts = {"status": 1, "error": 1, "diff": 2}
    if not isinstance(kind, str) or kind not in counts:
        raise ValueError(f"kind must be 'status', 'error' or 'diff', not {kind!r}")
    if len(values) != counts[kind]:
        raise TypeError(f"{kind} takes {counts[kind]} value(s), not {len(values)}")
    if kind == "status":
        call = _status_call(values[0], language, form)
    elif kind == "error":
        call = _code_call(values[0], language, form)
    else:
        before, after = (_utf8(_hex(d) if (d := _six(v)) is not None else v) for v in values)
        call = lambda buf, cap, needed: _library.regalo_diff(before, len(before), after, len(after), language, form, buf, cap, needed)  # noqa: E731
    return _answer(call, language)


def _json(kind: str, *values: Any, lang: str) -> Any:
    read, text = explain(kind, *values, lang=lang, format="json")
    answer = json.loads(text)
    if not read:
        raise DecodeError(answer["error"])
    return answer


def _words(kind: str, value: Any, lang: str) -> str:
    read, text = explain(kind, value, lang=lang, format="brief")
    if not read:
        raise DecodeError(text)
    return text


def status(line: Status, lang: str = "ru") -> dict:
    """The status line as regalo-decode status --json gives it."""
    return _json("status", line, lang=lang)


def error(code: Code, lang: str = "ru") -> dict:
    """The error code as regalo-decode error --json gives it."""
    return _json("error", code, lang=lang)


def diff(before: Status, after: Status, lang: str = "ru") -> dict:
    """What changed, as regalo-decode diff --json gives it."""
    return _json("diff", before, after, lang=lang)


def status_brief(line: Status, lang: str = "ru") -> str:
    """The status line in the words of regalo-decode status --brief."""
    return _words("status", line, lang)


def error_brief(code: Code, lang: str = "ru") -> str:
    """The error code in the words of regalo-decode error --brief."""
    return _words("error", code, lang)


def read_status(line: Status, lang: str = "ru") -> bytes:
    """The six bytes of a status line, read as regalo-decode reads it."""
    language = _language(lang)
    data = _six(line)
    if data is not None and len(data) == 6:
        return data
    text = _utf8(_hex(data) if data is not None else line)  # type: ignore[arg-type]
    out = (ctypes.c_ubyte * 6)()
    read, why = _answer(lambda buf, cap, needed: _library.regalo_read_status(text, len(text), out, language, buf, cap, needed),
                        language)
    if not read:
        raise DecodeError(why)
    return bytes(out)


def read_error(code: Code, lang: str = "ru") -> int:
    """The code as a number (0x0501 for "0501"), read as regalo-decode reads it."""
    language = _language(lang)
    number = _number(code)
    text = _utf8(format(number, "04X") if number is not None else code)  # type: ignore[arg-type]
    out = ctypes.c_uint(0)
    read, why = _answer(lambda buf, cap, needed: _library.regalo_read_error(text, len(text), ctypes.byref(out), language, buf,
                                                                              cap, needed), language)
    if not read:
        raise DecodeError(why)
    return out.value


def flags(line: Optional[Status] = None, lang: str = "ru") -> List[Flag]:
    """The flags set in a status line, or with none given the catalogue's 48."""
    language = _language(lang)
    data = read_status(line, lang) if line is not None else None
    return [Flag(byte, bit, _library.regalo_flag_caption(byte, bit, language).decode("utf-8"))
            for byte in range(6) for bit in range(8) if data is None or data[byte] >> bit & 1]


def receipt_state(line: Status, lang: str = "ru") -> ReceiptState:
    """The receipt state a status line shows."""
    language = _language(lang)
    six = (ctypes.c_ubyte * 6)(*read_status(line, lang))
    state = _library.regalo_receipt_state(six)
    return ReceiptState(state, _library.regalo_receipt_state_caption(state, language).decode("utf-8"))


def error_message(code: Code, lang: str = "ru") -> Optional[str]:
    """The catalogue's message for a code, as "message" in error(); None where it has none."""
    message = _library.regalo_error_message(read_error(code, lang), _language(lang))
    return message.decode("utf-8") if message is not None else None


class Scanner:
    """A log read as regalo-decode scan reads it, fed in pieces of any size:
    feed() gives the records its whole lines held (each what scan --json
    writes, as json.loads makes it, or in brief scan's line of words),
    finish() what is left and the summary of scan --summary."""

    def __init__(self, lang: str = "ru", format: str = "json") -> None:
        self._lang = _language(lang)
        if not isinstance(format, str) or format not in _FORMATS:
            raise ValueError(f"format must be 'brief' or 'json', not {format!r}")
        self._json = format == "json"
        self._found: List[Any] = []
        self._callback = _RECORD(self._record)
        self._scanner = _library.regalo_scanner_new(self._lang, _FORMATS[format], self._callback, None)
        if not self._scanner:
            raise MemoryError("regalo: no scanner")

    def _record(self, _context, record, length) -> None:
        text = ctypes.string_at(record, length).decode("utf-8", "surrogateescape")
        self._found.append(json.loads(text) if self._json else text)

    def _taken(self) -> List[Any]:
        found, self._found = self._found, []
        return found

    def feed(self, piece: Union[str, bytes, bytearray]) -> List[Any]:
        data = piece.encode("utf-8", "surrogateescape") if isinstance(piece, str) else bytes(piece)
        result = _library.regalo_scanner_feed(self._scanner, data, len(data))
        if result != _OK:
            raise RuntimeError(_library.regalo_strerror(result, self._lang).decode("utf-8"))
        return self._taken()

    def finish(self) -> Tuple[List[Any], Any]:
        """The last records and the summary."""
        read, text = _answer(lambda buf, cap, needed: _library.regalo_scanner_finish(self._scanner, buf, cap, needed), self._lang)
        _library.regalo_scanner_free(self._scanner)
        self._scanner = None
        return self._taken(), json.loads(text) if self._json else text

    def __del__(self) -> None:
        if getattr(self, "_scanner", None):
            _library.regalo_scanner_free(self._scanner)


def _pieces(log: Log) -> Iterator[Union[str, bytes]]:
    """A log's text in pieces: a whole text, a file read a piece at a time, or lines (a line end added where one has none)."""
    if isinstance(log, (str, bytes, bytearray)):
        yield bytes(log) if isinstance(log, bytearray) else log
    elif hasattr(log, "read"):
        while piece := log.read(1 << 16):  # type: ignore[union-attr]
            yield piece
    else:
        for line in log:  # type: ignore[union-attr]
            if not isinstance(line, (str, bytes, bytearray)):
                raise TypeError(f"a log's line must be str or bytes, not {type(line).__name__}")
            yield line if line[-1:] in ("\n", b"\n") else line + ("\n" if isinstance(line, str) else b"\n")


def scan(log: Log, lang: str = "ru", format: str = "json") -> Iterator[Any]:
    """Each reading in a log, as regalo-decode scan writes it, as it is read."""
    scanner = Scanner(lang, format)
    for piece in _pieces(log):
        yield from scanner.feed(piece)
    yield from scanner.finish()[0]


def summarize(log: Log, lang: str = "ru", format: str = "json") -> Any:
    """What a log comes to, as regalo-decode scan --summary writes it."""
    scanner = Scanner(lang, format)
    for piece in _pieces(log):
        scanner.feed(piece)
    return scanner.finish()[1]
