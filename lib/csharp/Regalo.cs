// libregalo for C#: the C calls as P/Invoke declarations, and a small
// wrapper that gives the exact text regalo-decode writes. On Linux, Mono
// finds libregalo.so.1 through Regalo.dll.config; on Windows, libregalo-1.dll
// beside the program.
using System;
using System.Runtime.InteropServices;
using System.Text;

namespace Regalo
{
    public static class Native
    {
        public const int Ok = 0, Unreadable = 1, TooSmall = 2, BadArgument = 3, OutOfMemory = 4;
        public const int Russian = 0, English = 1;
        public const int Brief = 0, Json = 1;
        const string Library = "libregalo-1";

        [DllImport(Library, EntryPoint = "regalo_version", CallingConvention = CallingConvention.Cdecl)]
        public static extern IntPtr Version();

        [DllImport(Library, EntryPoint = "regalo_strerror", CallingConvention = CallingConvention.Cdecl)]
        public static extern IntPtr StrError(int result, int lang);

        [DllImport(Library, EntryPoint = "regalo_explain_status", CallingConvention = CallingConvention.Cdecl)]
        public static extern int ExplainStatus(byte[] line, UIntPtr len, int lang, int format, byte[] buf, UIntPtr cap, out UIntPtr needed);

        [DllImport(Library, EntryPoint = "regalo_explain_error", CallingConvention = CallingConvention.Cdecl)]
        public static extern int ExplainError(byte[] code, UIntPtr len, int lang, int format, byte[] buf, UIntPtr cap, out UIntPtr needed);

        [DllImport(Library, EntryPoint = "regalo_diff", CallingConvention = CallingConvention.Cdecl)]
        public static extern int Diff(byte[] before, UIntPtr beforeLen, byte[] after, UIntPtr afterLen, int lang, int format,
                                      byte[] buf, UIntPtr cap, out UIntPtr needed);
    }

    // A value that cannot be read; the JSON regalo-decode writes says why.
    public class DecodeException : Exception
    {
        public DecodeException(string json) : base(json) { }
    }

    public static class Explain
    {
        delegate int Call(byte[] buf, UIntPtr cap, out UIntPtr needed);

        static string Text(IntPtr utf8)
        {
            int length = 0;
            while (Marshal.ReadByte(utf8, length) != 0)
                ++length;
            var bytes = new byte[length];
            Marshal.Copy(utf8, bytes, 0, length);
            return Encoding.UTF8.GetString(bytes);
        }

        public static string Version => Text(Native.Version());

        // The exact text; throws DecodeException for a value that cannot be read.
        static string Answer(Call call, int lang)
        {
            var buf = new byte[4096];
            UIntPtr needed;
            int result = call(buf, (UIntPtr)buf.Length, out needed);
            if (result == Native.TooSmall) {
                buf = new byte[(int)needed + 1];
                result = call(buf, (UIntPtr)buf.Length, out needed);
            }
            string text = Encoding.UTF8.GetString(buf, 0, (int)needed);
            if (result == Native.Unreadable)
                throw new DecodeException(text);
            if (result != Native.Ok)
                throw new InvalidOperationException(Text(Native.StrError(result, lang)));
            return text;
        }

        public static string Status(string line, int lang, int format)
        {
            byte[] value = Encoding.UTF8.GetBytes(line);
            return Answer((byte[] buf, UIntPtr cap, out UIntPtr needed) =>
                Native.ExplainStatus(value, (UIntPtr)value.Length, lang, format, buf, cap, out needed), lang);
        }

        public static string Error(string code, int lang, int format)
        {
            byte[] value = Encoding.UTF8.GetBytes(code);
            return Answer((byte[] buf, UIntPtr cap, out UIntPtr needed) =>
                Native.ExplainError(value, (UIntPtr)value.Length, lang, format, buf, cap, out needed), lang);
        }

        public static string Diff(string before, string after, int lang, int format)
        {
            byte[] first = Encoding.UTF8.GetBytes(before), second = Encoding.UTF8.GetBytes(after);
            return Answer((byte[] buf, UIntPtr cap, out UIntPtr needed) =>
                Native.Diff(first, (UIntPtr)first.Length, second, (UIntPtr)second.Length, lang, format, buf, cap, out needed), lang);
        }
    }
}
