// The C# declarations against regalo-decode, byte for byte: every 10th case
// of the expectations file (expected.py) whose values are text, in Mono.
//   mono SameAsDecode.exe <expectations>
using System;
using System.IO;
using System.Text;
using Regalo;

static class SameAsDecode
{
    static readonly UTF8Encoding Strict = new UTF8Encoding(false, true);

    static string Text(string hex)
    {
        var bytes = new byte[hex.Length / 2];
        for (int i = 0; i < bytes.Length; ++i)
            bytes[i] = Convert.ToByte(hex.Substring(2 * i, 2), 16);
        return Strict.GetString(bytes);
    }

    static int Main(string[] arguments)
    {
        int cases = 0, differ = 0, line = 0;
        foreach (string row in File.ReadLines(arguments[0])) {
            if (line++ % 10 != 0)
                continue;
            string[] field = row.Split('\t');
            string value, other, expected;
            try {
                value = Text(field[4]);
                other = Text(field[5]);
                expected = Text(field[6]);
            } catch (DecoderFallbackException) {
                continue; // bytes that are no text
            }
            int lang = field[1] == "en" ? Native.English : Native.Russian;
            int format = field[2] == "json" ? Native.Json : Native.Brief;
            string got;
            bool read = true;
            try {
                got = field[0] == "status" ? Explain.Status(value, lang, format)
                    : field[0] == "error" ? Explain.Error(value, lang, format) : Explain.Diff(value, other, lang, format);
            } catch (DecodeException refused) {
                got = refused.Message;
                read = false;
            }
            if (got != expected || read != (field[3] == "1")) {
                if (++differ <= 5)
                    Console.Error.WriteLine("{0} {1} {2} \"{3}\": \"{4}\", regalo-decode: \"{5}\"", field[0], field[1], field[2], value, got, expected);
            }
            ++cases;
        }
        Console.WriteLine("{0} cases, {1} differ; libregalo {2}", cases, differ, Explain.Version);
        return differ == 0 && cases > 0 ? 0 : 1;
    }
}
