// libregalo for C#: the C calls as P/Invoke declarations (Native), the exact
// texts regalo-decode writes (Explain), and the readings as objects (Readings).
// On Linux, Mono finds libregalo.so.1 through Regalo.dll.config; on Windows,
// libregalo-1.dll beside the program.
using System;
using System.Collections.Generic;
using System.Collections.ObjectModel;
using System.IO;
using System.Runtime.InteropServices;
using System.Text;

namespace Regalo
{
    /// <summary>The C library's calls and constants, as regalo.h declares them.</summary>
    public static class Native
    {
        /// <summary>Done.</summary>
        public const int Ok = 0;
        /// <summary>The value cannot be read; the text says why.</summary>
        public const int Unreadable = 1;
        /// <summary>The buffer holds part of the text: the needed length and a NUL are needed.</summary>
        public const int TooSmall = 2;
        /// <summary>A language or format not listed, a null pointer, a finished scanner.</summary>
        public const int BadArgument = 3;
        /// <summary>Nothing was written.</summary>
        public const int OutOfMemory = 4;
        /// <summary>The texts in Russian, their own language.</summary>
        public const int Russian = 0;
        /// <summary>The texts in English.</summary>
        public const int English = 1;
        /// <summary>The words of regalo-decode --brief.</summary>
        public const int Brief = 0;
        /// <summary>The object regalo-decode --json writes.</summary>
        public const int Json = 1;
        const string Library = "libregalo-1";

        /// <summary>Called with each record a scanner finds, valid only during the call.</summary>
        [UnmanagedFunctionPointer(CallingConvention.Cdecl)]
        public delegate void RecordCallback(IntPtr context, IntPtr record, UIntPtr length);

        /// <summary><c>regalo_version</c>, as regalo.h describes it.</summary>

        [DllImport(Library, EntryPoint = "regalo_version", CallingConvention = CallingConvention.Cdecl)]
        public static extern IntPtr Version();
        /// <summary><c>regalo_strerror</c>, as regalo.h describes it.</summary>
        [DllImport(Library, EntryPoint = "regalo_strerror", CallingConvention = CallingConvention.Cdecl)]
        public static extern IntPtr StrError(int result, int lang);
        /// <summary><c>regalo_explain_status</c>, as regalo.h describes it.</summary>
        [DllImport(Library, EntryPoint = "regalo_explain_status", CallingConvention = CallingConvention.Cdecl)]
        public static extern int ExplainStatus(byte[] line, UIntPtr len, int lang, int format, byte[] buf, UIntPtr cap, out UIntPtr needed);
        /// <summary><c>regalo_explain_error</c>, as regalo.h describes it.</summary>
        [DllImport(Library, EntryPoint = "regalo_explain_error", CallingConvention = CallingConvention.Cdecl)]
        public static extern int ExplainError(byte[] code, UIntPtr len, int lang, int format, byte[] buf, UIntPtr cap, out UIntPtr needed);
        /// <summary><c>regalo_diff</c>, as regalo.h describes it.</summary>
        [DllImport(Library, EntryPoint = "regalo_diff", CallingConvention = CallingConvention.Cdecl)]
        public static extern int Diff(byte[] before, UIntPtr beforeLen, byte[] after, UIntPtr afterLen, int lang, int format,
                                      byte[] buf, UIntPtr cap, out UIntPtr needed);
        /// <summary><c>regalo_explain_status_bytes</c>, as regalo.h describes it.</summary>
        [DllImport(Library, EntryPoint = "regalo_explain_status_bytes", CallingConvention = CallingConvention.Cdecl)]
        public static extern int ExplainStatusBytes(byte[] bytes, int lang, int format, byte[] buf, UIntPtr cap, out UIntPtr needed);
        /// <summary><c>regalo_explain_error_number</c>, as regalo.h describes it.</summary>
        [DllImport(Library, EntryPoint = "regalo_explain_error_number", CallingConvention = CallingConvention.Cdecl)]
        public static extern int ExplainErrorNumber(uint code, int lang, int format, byte[] buf, UIntPtr cap, out UIntPtr needed);
        /// <summary><c>regalo_read_status</c>, as regalo.h describes it.</summary>
        [DllImport(Library, EntryPoint = "regalo_read_status", CallingConvention = CallingConvention.Cdecl)]
        public static extern int ReadStatus(byte[] line, UIntPtr len, byte[] output, int lang, byte[] buf, UIntPtr cap, out UIntPtr needed);
        /// <summary><c>regalo_read_error</c>, as regalo.h describes it.</summary>
        [DllImport(Library, EntryPoint = "regalo_read_error", CallingConvention = CallingConvention.Cdecl)]
        public static extern int ReadError(byte[] code, UIntPtr len, out uint output, int lang, byte[] buf, UIntPtr cap, out UIntPtr needed);
        /// <summary><c>regalo_flag_caption</c>, as regalo.h describes it.</summary>
        [DllImport(Library, EntryPoint = "regalo_flag_caption", CallingConvention = CallingConvention.Cdecl)]
        public static extern IntPtr FlagCaption(int b, int bit, int lang);
        /// <summary><c>regalo_receipt_state</c>, as regalo.h describes it.</summary>
        [DllImport(Library, EntryPoint = "regalo_receipt_state", CallingConvention = CallingConvention.Cdecl)]
        public static extern int ReceiptState(byte[] bytes);
        /// <summary><c>regalo_receipt_state_caption</c>, as regalo.h describes it.</summary>
        [DllImport(Library, EntryPoint = "regalo_receipt_state_caption", CallingConvention = CallingConvention.Cdecl)]
        public static extern IntPtr ReceiptStateCaption(int state, int lang);
        /// <summary><c>regalo_error_message</c>, as regalo.h describes it.</summary>
        [DllImport(Library, EntryPoint = "regalo_error_message", CallingConvention = CallingConvention.Cdecl)]
        public static extern IntPtr ErrorMessage(uint code, int lang);
        /// <summary><c>regalo_scanner_new</c>, as regalo.h describes it.</summary>
        [DllImport(Library, EntryPoint = "regalo_scanner_new", CallingConvention = CallingConvention.Cdecl)]
        public static extern IntPtr ScannerNew(int lang, int format, RecordCallback onRecord, IntPtr context);
        /// <summary><c>regalo_scanner_feed</c>, as regalo.h describes it.</summary>
        [DllImport(Library, EntryPoint = "regalo_scanner_feed", CallingConvention = CallingConvention.Cdecl)]
        public static extern int ScannerFeed(IntPtr scanner, byte[] piece, UIntPtr len);
        /// <summary><c>regalo_scanner_finish</c>, as regalo.h describes it.</summary>
        [DllImport(Library, EntryPoint = "regalo_scanner_finish", CallingConvention = CallingConvention.Cdecl)]
        public static extern int ScannerFinish(IntPtr scanner, byte[] buf, UIntPtr cap, out UIntPtr needed);
        /// <summary><c>regalo_scanner_free</c>, as regalo.h describes it.</summary>
        [DllImport(Library, EntryPoint = "regalo_scanner_free", CallingConvention = CallingConvention.Cdecl)]
        public static extern void ScannerFree(IntPtr scanner);

        /// <summary>A static UTF-8 text of the library's; null for none.</summary>
        public static string Text(IntPtr utf8)
        {
            if (utf8 == IntPtr.Zero)
                return null;
            int length = 0;
            while (Marshal.ReadByte(utf8, length) != 0)
                ++length;
            var bytes = new byte[length];
            Marshal.Copy(utf8, bytes, 0, length);
            return Encoding.UTF8.GetString(bytes);
        }
    }

    /// <summary>A value that cannot be read: the message says why, as regalo-decode says it.</summary>
    public class DecodeException : Exception
    {
        /// <summary>The value as given.</summary>
        public string Input { get; private set; }

        /// <summary>A value refused, and why.</summary>
        public DecodeException(string reason, string input) : base(reason) { Input = input; }
    }

    /// <summary>A flag of the status bytes.</summary>
    public sealed class Flag
    {
        /// <summary>The byte, 0-5.</summary>
        public int Byte { get; private set; }
        /// <summary>The bit, 0-7.</summary>
        public int Bit { get; private set; }
        /// <summary>Its caption, in the language asked.</summary>
        public string Caption { get; private set; }

        /// <summary>A flag and its caption.</summary>
        public Flag(int b, int bit, string caption) { Byte = b; Bit = bit; Caption = caption; }

        /// <summary>The caption.</summary>
        public override string ToString() { return Caption; }
    }

    /// <summary>A status line read: its bytes, the flags they set and the receipt state.</summary>
    public sealed class StatusReading
    {
        /// <summary>The six bytes.</summary>
        public ReadOnlyCollection<byte> Bytes { get; private set; }
        /// <summary>The flags set, bit 7 of each byte included, byte by byte.</summary>
        public ReadOnlyCollection<Flag> Flags { get; private set; }
        /// <summary>The receipt state, 0-15.</summary>
        public int ReceiptState { get; private set; }
        /// <summary>The receipt state's caption.</summary>
        public string ReceiptStateCaption { get; private set; }

        /// <summary>A reading as the library gives it.</summary>
        public StatusReading(byte[] bytes, IList<Flag> flags, int receiptState, string receiptStateCaption)
        {
            Bytes = Array.AsReadOnly((byte[])bytes.Clone());
            Flags = new ReadOnlyCollection<Flag>(flags);
            ReceiptState = receiptState;
            ReceiptStateCaption = receiptStateCaption;
        }

        /// <summary>True where the flag numbered byte * 8 + bit (the C header's REGALO_FLAG_ constants) is set.</summary>
        public bool IsSet(int flag) { return ((Bytes[flag / 8] >> (flag % 8)) & 1) != 0; }
    }

    /// <summary>An error code read: its number and the catalogue's message.</summary>
    public sealed class ErrorReading
    {
        /// <summary>The code as a number: 0x0501 for "0501".</summary>
        public uint Number { get; private set; }
        /// <summary>The code in its four digits, "0501".</summary>
        public string Code { get { return Number.ToString("X4"); } }
        /// <summary>The catalogue's message; null where it has none.</summary>
        public string Message { get; private set; }

        /// <summary>A reading as the library gives it.</summary>
        public ErrorReading(uint number, string message) { Number = number; Message = message; }
    }

    /// <summary>The exact texts regalo-decode writes.</summary>
    public static class Explain
    {
        internal delegate int Call(byte[] buf, UIntPtr cap, out UIntPtr needed);

        /// <summary>The project's version, "1.0.2".</summary>
        public static string Version { get { return Native.Text(Native.Version()); } }

        // No value is nearly this long: the library refuses it unread, so no more is passed.
        const int Longest = 4096;

        internal static byte[] Utf8(string value)
        {
            if (value == null)
                throw new ArgumentNullException("value");
            return Encoding.UTF8.GetBytes(value.Length > Longest ? value.Substring(0, Longest + 1) : value);
        }

        // The text and whether it was read; the call repeated with a buffer large enough.
        internal static string Answer(Call call, int lang, out bool read)
        {
            var buf = new byte[4096];
            UIntPtr needed;
            int result = call(buf, (UIntPtr)buf.Length, out needed);
            if (result == Native.TooSmall) {
                buf = new byte[(int)needed + 1];
                result = call(buf, (UIntPtr)buf.Length, out needed);
            }
            if (result != Native.Ok && result != Native.Unreadable)
                throw new InvalidOperationException(Native.Text(Native.StrError(result, lang)));
            read = result == Native.Ok;
            return Encoding.UTF8.GetString(buf, 0, (int)needed);
        }

        // The text; a value that cannot be read throws, with why in words.
        static string Read(Call call, Call words, int lang, string input)
        {
            bool read;
            string text = Answer(call, lang, out read);
            if (!read)
                throw new DecodeException(words == null ? text : Answer(words, lang, out read), input);
            return text;
        }

        /// <summary>A status line in any form regalo-decode reads, as status --brief or --json writes it.</summary>
        public static string Status(string line, int lang, int format)
        {
            byte[] value = Utf8(line);
            return Read((byte[] buf, UIntPtr cap, out UIntPtr needed) =>
                            Native.ExplainStatus(value, (UIntPtr)value.Length, lang, format, buf, cap, out needed),
                        (byte[] buf, UIntPtr cap, out UIntPtr needed) =>
                            Native.ExplainStatus(value, (UIntPtr)value.Length, lang, Native.Brief, buf, cap, out needed), lang, line);
        }

        /// <summary>The six bytes a driver holds, as status writes them.</summary>
        public static string Status(byte[] bytes, int lang, int format)
        {
            if (bytes == null || bytes.Length != 6)
                return Status(bytes == null ? null : BitConverter.ToString(bytes).Replace('-', ' '), lang, format);
            return Read((byte[] buf, UIntPtr cap, out UIntPtr needed) => Native.ExplainStatusBytes(bytes, lang, format, buf, cap, out needed),
                        null, lang, BitConverter.ToString(bytes).Replace('-', ' '));
        }

        /// <summary>An error code, "0501" or "0x0501", as error --brief or --json writes it.</summary>
        public static string Error(string code, int lang, int format)
        {
            byte[] value = Utf8(code);
            return Read((byte[] buf, UIntPtr cap, out UIntPtr needed) =>
                            Native.ExplainError(value, (UIntPtr)value.Length, lang, format, buf, cap, out needed),
                        (byte[] buf, UIntPtr cap, out UIntPtr needed) =>
                            Native.ExplainError(value, (UIntPtr)value.Length, lang, Native.Brief, buf, cap, out needed), lang, code);
        }

        /// <summary>A code as a number, 0x0501 for "0501", as error writes it.</summary>
        public static string Error(uint code, int lang, int format)
        {
            return Read((byte[] buf, UIntPtr cap, out UIntPtr needed) => Native.ExplainErrorNumber(code, lang, format, buf, cap, out needed),
                        (byte[] buf, UIntPtr cap, out UIntPtr needed) => Native.ExplainErrorNumber(code, lang, Native.Brief, buf, cap, out needed),
                        lang, code.ToString("X4"));
        }

        /// <summary>What changed from one status line to the next, as diff writes it.</summary>
        public static string Diff(string before, string after, int lang, int format)
        {
            byte[] first = Utf8(before), second = Utf8(after);
            return Read((byte[] buf, UIntPtr cap, out UIntPtr needed) =>
                            Native.Diff(first, (UIntPtr)first.Length, second, (UIntPtr)second.Length, lang, format, buf, cap, out needed),
                        (byte[] buf, UIntPtr cap, out UIntPtr needed) =>
                            Native.Diff(first, (UIntPtr)first.Length, second, (UIntPtr)second.Length, lang, Native.Brief, buf, cap, out needed),
                        lang, before);
        }
    }

    /// <summary>The readings as objects, the catalogue, and logs.</summary>
    public static class Readings
    {
        /// <summary>The flag's caption; null outside bytes 0-5 and bits 0-7.</summary>
        public static string FlagCaption(int b, int bit, int lang) { return Native.Text(Native.FlagCaption(b, bit, lang)); }

        /// <summary>The caption of a receipt state, 0-15.</summary>
        public static string ReceiptStateCaption(int state, int lang) { return Native.Text(Native.ReceiptStateCaption(state, lang)); }

        /// <summary>The catalogue's message for a code; null where it has none.</summary>
        public static string ErrorMessage(uint code, int lang) { return Native.Text(Native.ErrorMessage(code, lang)); }

        /// <summary>The catalogue's 48 flags.</summary>
        public static ReadOnlyCollection<Flag> AllFlags(int lang)
        {
            var flags = new List<Flag>();
            for (int b = 0; b < 6; ++b)
                for (int bit = 0; bit < 8; ++bit)
                    flags.Add(new Flag(b, bit, FlagCaption(b, bit, lang)));
            return flags.AsReadOnly();
        }

        /// <summary>The six bytes a driver holds, read.</summary>
        public static StatusReading Status(byte[] bytes, int lang)
        {
            if (bytes == null || bytes.Length != 6)
                return Status(bytes == null ? null : BitConverter.ToString(bytes).Replace('-', ' '), lang);
            var flags = new List<Flag>();
            for (int b = 0; b < 6; ++b)
                for (int bit = 0; bit < 8; ++bit)
                    if (((bytes[b] >> bit) & 1) != 0)
                        flags.Add(new Flag(b, bit, FlagCaption(b, bit, lang)));
            int state = Native.ReceiptState(bytes);
            return new StatusReading(bytes, flags, state, ReceiptStateCaption(state, lang));
        }

        /// <summary>A status line in any form regalo-decode reads; DecodeException says why one cannot be.</summary>
        public static StatusReading Status(string line, int lang)
        {
            byte[] value = Explain.Utf8(line), bytes = new byte[6];
            bool read;
            string why = Explain.Answer((byte[] buf, UIntPtr cap, out UIntPtr needed) =>
                                            Native.ReadStatus(value, (UIntPtr)value.Length, bytes, lang, buf, cap, out needed), lang, out read);
            if (!read)
                throw new DecodeException(why, line);
            return Status(bytes, lang);
        }

        /// <summary>An error code, "0501" or "0x0501"; DecodeException says why one cannot be read.</summary>
        public static ErrorReading Error(string code, int lang)
        {
            byte[] value = Explain.Utf8(code);
            uint number = 0;
            bool read;
            string why = Explain.Answer((byte[] buf, UIntPtr cap, out UIntPtr needed) =>
                                            Native.ReadError(value, (UIntPtr)value.Length, out number, lang, buf, cap, out needed), lang, out read);
            if (!read)
                throw new DecodeException(why, code);
            return new ErrorReading(number, ErrorMessage(number, lang));
        }

        /// <summary>Each reading of a log as regalo-decode scan writes it (a JSON object's text, or a line of words),
        /// read a piece at a time; the summary of scan --summary at the end through <paramref name="summary"/>.</summary>
        public static IEnumerable<string> Scan(Stream log, int lang, int format, Action<string> summary = null)
        {
            var found = new List<string>();
            Native.RecordCallback onRecord = (context, record, length) => {
                var bytes = new byte[(int)length];
                Marshal.Copy(record, bytes, 0, bytes.Length);
                found.Add(Encoding.UTF8.GetString(bytes));
            };
            IntPtr scanner = Native.ScannerNew(lang, format, onRecord, IntPtr.Zero);
            if (scanner == IntPtr.Zero)
                throw new ArgumentException(Native.Text(Native.StrError(Native.BadArgument, lang)));
            try {
                var piece = new byte[1 << 16];
                int size;
                while ((size = log.Read(piece, 0, piece.Length)) > 0) {
                    int result = Native.ScannerFeed(scanner, piece, (UIntPtr)size);
                    if (result != Native.Ok)
                        throw new InvalidOperationException(Native.Text(Native.StrError(result, lang)));
                    foreach (string record in found)
                        yield return record;
                    found.Clear();
                }
                bool read;
                string text = Explain.Answer((byte[] buf, UIntPtr cap, out UIntPtr needed) => Native.ScannerFinish(scanner, buf, cap, out needed),
                                             lang, out read);
                foreach (string record in found)
                    yield return record;
                if (summary != null)
                    summary(text);
            } finally {
                Native.ScannerFree(scanner);
                GC.KeepAlive(onRecord);
            }
        }
    }
}
