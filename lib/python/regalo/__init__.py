"""Regalo_Vespera's decoder for Python: a fiscal cash register's status bytes
and error codes explained exactly as regalo-decode explains them, through
libregalo.

    >>> import regalo
    >>> regalo.error("0501")["message"]
    'Ошибка оборудования!\\n Ошибка дисплея!'
    >>> regalo.status_brief("80 84 89 80 83 91", lang="en").splitlines()[-1]
    'Receipt state: 9. VOID mode'

status(), error() and diff() give what json.loads makes of regalo-decode's
--json; status_brief() and error_brief() its --brief words. A value that
cannot be read raises DecodeError, whose message is regalo-decode's.
"""
import ctypes
import json
import os
import sys

__all__ = ["DecodeError", "diff", "error", "error_brief", "explain", "status", "status_brief", "version"]

_OK, _UNREADABLE, _TOO_SMALL = 0, 1, 2
_LANGUAGES = {"ru": 0, "en": 1}
_FORMATS = {"brief": 0, "json": 1}


def _load():
    # REGALO_LIBRARY names another build of the library, a test's.
    name = os.environ.get("REGALO_LIBRARY") or ("libregalo-1.dll" if sys.platform == "win32" else "libregalo.so.1")
    library = ctypes.CDLL(name)
    size = ctypes.c_size_t
    text = ctypes.c_char_p
    out = [ctypes.c_int, ctypes.c_int, ctypes.c_char_p, size, ctypes.POINTER(size)]
    for function, arguments in (("regalo_explain_status", [text, size]), ("regalo_explain_error", [text, size]),
                                ("regalo_diff", [text, size, text, size])):
        getattr(library, function).argtypes = arguments + out
        getattr(library, function).restype = ctypes.c_int
    library.regalo_version.argtypes = []
    library.regalo_version.restype = ctypes.c_char_p
    library.regalo_strerror.argtypes = [ctypes.c_int, ctypes.c_int]
    library.regalo_strerror.restype = ctypes.c_char_p
    return library


_library = _load()
version = _library.regalo_version().decode("utf-8")


class DecodeError(ValueError):
    """A value that cannot be read; the message says why, as regalo-decode says it."""


def _utf8(value, what):
    if not isinstance(value, str):
        raise TypeError(f"{what} must be str, not {type(value).__name__}")
    return value.encode("utf-8", "surrogateescape")


def explain(kind, *values, lang="ru", format="brief"):
    """The exact text regalo-decode writes, and whether the value was read:
    kind is "status", "error" or "diff"; format "brief" or "json"."""
    if lang not in _LANGUAGES:
        raise ValueError(f"lang must be 'ru' or 'en', not {lang!r}")
    if format not in _FORMATS:
        raise ValueError(f"format must be 'brief' or 'json', not {format!r}")
    function = {"status": _library.regalo_explain_status, "error": _library.regalo_explain_error,
                "diff": _library.regalo_diff}[kind]
    arguments = []
    for value in values:
        data = _utf8(value, kind)
        arguments += [data, len(data)]
    needed = ctypes.c_size_t(0)
    capacity = 4096
    while True:
        buffer = ctypes.create_string_buffer(capacity)
        result = function(*arguments, _LANGUAGES[lang], _FORMATS[format], buffer, capacity, ctypes.byref(needed))
        if result != _TOO_SMALL:
            break
        capacity = needed.value + 1
    if result not in (_OK, _UNREADABLE):
        raise RuntimeError(_library.regalo_strerror(result, _LANGUAGES[lang]).decode("utf-8"))
    return result == _OK, buffer.raw[:needed.value].decode("utf-8", "surrogateescape")


def _json(kind, *values, lang):
    read, text = explain(kind, *values, lang=lang, format="json")
    answer = json.loads(text)
    if not read:
        raise DecodeError(answer["error"])
    return answer


def _words(kind, value, lang):
    read, text = explain(kind, value, lang=lang, format="brief")
    if not read:
        _json(kind, value, lang=lang)
    return text


def status(line, lang="ru"):
    """The status line as regalo-decode status --json gives it."""
    return _json("status", line, lang=lang)


def error(code, lang="ru"):
    """The error code as regalo-decode error --json gives it."""
    return _json("error", code, lang=lang)


def diff(before, after, lang="ru"):
    """What changed, as regalo-decode diff --json gives it."""
    return _json("diff", before, after, lang=lang)


def status_brief(line, lang="ru"):
    """The status line in the words of regalo-decode status --brief."""
    return _words("status", line, lang)


def error_brief(code, lang="ru"):
    """The error code in the words of regalo-decode error --brief."""
    return _words("error", code, lang)
