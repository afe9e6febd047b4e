// The C# assembly against regalo-decode, byte for byte: every 10th case of
// the expectations file (expected.py) whose values are text, a driver's
// bytes and a code's number through the same calls, the catalogue and the
// logs, in Mono.
//   mono SameAsDecode.exe <expectations>
using System;
using System.Collections.Generic;
using System.IO;
using System.Text;
using System.Text.RegularExpressions;
using Regalo;

static class SameAsDecode
{
    static readonly UTF8Encoding Strict = new UTF8Encoding(false, true);
    static readonly Regex DriverBytes = new Regex("^[0-9A-F]{2}( [0-9A-F]{2}){5}$");
    static readonly Regex CodeNumber = new Regex("^([0-9A-F]{4}|[1-9A-F][0-9A-F]{4,7})$");

    static byte[] Bytes(string hex)
    {
        var bytes = new byte[hex.Length / 2];
        for (int i = 0; i < bytes.Length; ++i)
            bytes[i] = Convert.ToByte(hex.Substring(2 * i, 2), 16);
        return bytes;
    }

    static string Text(string hex) { return Strict.GetString(Bytes(hex)); }

    // The text, or the reason a value was refused with; whether it was read.
    static string Got(Func<string> call, out bool read)
    {
        try {
            read = true;
            return call();
        } catch (DecodeException refused) {
            read = false;
            return refused.Message;
        }
    }

    static bool Agrees(string[] field, int lang, int format)
    {
        string kind = field[0], expected = Text(field[6]);
        bool read, readable = field[3] == "1";
        if (kind == "flag") {
            byte[] at = Bytes(field[4]);
            return Readings.AllFlags(lang)[at[0] * 8 + at[1]].Caption == expected;
        }
        if (kind == "state") {
            int state = Bytes(field[4])[0];
            StatusReading reading = Readings.Status(new byte[] { 0x80, 0x80, (byte)(0x80 | state), 0x80, 0x80, 0x80 }, lang);
            return reading.ReceiptState == state && reading.ReceiptStateCaption == expected;
        }
        if (kind == "message") {
            byte[] code = Bytes(field[4]);
            return Readings.ErrorMessage((uint)(code[0] << 8 | code[1]), lang) == (readable ? expected : null);
        }
        if (kind == "scan" || kind == "summary") {
            string summary = null;
            var records = new List<string>();
            using (var log = File.OpenRead(Encoding.UTF8.GetString(Bytes(field[4]))))
                records.AddRange(Readings.Scan(log, lang, format, text => summary = text));
            return (kind == "scan" ? string.Join("\n", records) : summary) == expected;
        }
        string value = Text(field[4]), other = Text(field[5]);
        string got = Got(() => kind == "status" ? Explain.Status(value, lang, format)
                             : kind == "error" ? Explain.Error(value, lang, format) : Explain.Diff(value, other, lang, format), out read);
        // A value refused: the reason, as brief gives it.
        string wanted = readable || format == Native.Brief ? expected : Got(() => kind == "diff" ? Explain.Diff(value, other, lang, Native.Brief)
            : kind == "status" ? Explain.Status(value, lang, Native.Brief) : Explain.Error(value, lang, Native.Brief), out read);
        if (Got(() => kind == "status" ? Explain.Status(value, lang, format) : kind == "error" ? Explain.Error(value, lang, format)
                : Explain.Diff(value, other, lang, format), out read) != wanted || read != readable || got != wanted)
            return false;
        if (kind == "status" && DriverBytes.IsMatch(value) && Got(() => Explain.Status(Bytes(value.Replace(" ", "")), lang, format), out read) != wanted)
            return false;
        if (kind == "error" && CodeNumber.IsMatch(value) && Got(() => Explain.Error(Convert.ToUInt32(value, 16), lang, format), out read) != wanted)
            return false;
        // The objects: what can be read is read, what cannot says why.
        if (kind == "status" && format == Native.Brief) {
            string again = Got(() => Explain.Status(new List<byte>(Readings.Status(value, lang).Bytes).ToArray(), lang, format), out read);
            return read == readable && again == expected;
        }
        if (kind == "error" && format == Native.Brief) {
            string again = Got(() => Explain.Error(Readings.Error(value, lang).Number, lang, format), out read);
            return read == readable && again == expected;
        }
        return true;
    }

    static int Main(string[] arguments)
    {
        int cases = 0, differ = 0, line = 0;
        foreach (string row in File.ReadLines(arguments[0])) {
            string[] field = row.Split('\t');
            bool every = field[0] == "flag" || field[0] == "state" || field[0] == "scan" || field[0] == "summary";
            if (line++ % 10 != 0 && !every)
                continue;
            int lang = field[1] == "en" ? Native.English : Native.Russian;
            int format = field[2] == "json" ? Native.Json : Native.Brief;
            bool same;
            try {
                same = Agrees(field, lang, format);
            } catch (DecoderFallbackException) {
                continue; // bytes that are no text
            }
            if (!same && ++differ <= 5)
                Console.Error.WriteLine("{0} {1} {2} {3}: regalo-decode wrote \"{4}\"", field[0], field[1], field[2], field[4], field[6]);
            ++cases;
        }
        Console.WriteLine("{0} cases, {1} differ; libregalo {2}", cases, differ, Explain.Version);
        return differ == 0 && cases > 0 ? 0 : 1;
    }
}
