// Regalo_Vespera's decoder: a fiscal cash register's status bytes and error
// codes explained exactly as regalo-decode explains them.

export type Language = 'ru' | 'en';
export type Format = 'brief' | 'json';

export interface Options {
  /** The language of the texts: 'ru' (the default) or 'en'. Any other option is refused. */
  lang?: Language;
}

export interface ScanOptions extends Options {
  /** Each record as scan --json's object (the default), or in brief scan's line of words. */
  format?: Format;
}

/** A status line: text in any form regalo-decode reads, or the six bytes a driver holds. */
export type Status = string | Uint8Array | readonly number[];
/** An error code: text ("0501", "0x0501"), or its number (0x0501). */
export type Code = string | number;

export interface Flag {
  byte: number;
  bit: number;
  caption: string;
}

export interface StatusFlag extends Flag {
  value: number;
}

export interface ReceiptState {
  caption: string;
  value: number;
}

/** What regalo-decode status --json writes. */
export interface StatusReading {
  bytes: number[];
  flags: StatusFlag[];
  hex: string;
  input: string;
  receiptState: ReceiptState;
}

/** What regalo-decode error --json writes. */
export interface ErrorReading {
  class: number;
  described: boolean;
  detail: number;
  input: string;
  knownClass: boolean;
  message: string | null;
}

export interface FlagChange extends StatusFlag {
  set: boolean;
}

/** What regalo-decode diff --json writes. */
export interface Difference {
  after: string;
  before: string;
  changes: FlagChange[];
  receiptState: { after: ReceiptState; before: ReceiptState };
  same: boolean;
}

/** A reading found in a log, as regalo-decode scan --json writes it. */
export type LogRecord =
  | (StatusReading & { kind: 'status'; line: number; time: string | null; timeText: string | null; changes?: FlagChange[]; file?: string })
  | (ErrorReading & { kind: 'error'; line: number; time: string | null; timeText: string | null; file?: string })
  | { kind: 'unreadable'; input: string; error: string; line: number; time: string | null; timeText: string | null; file?: string };

/** What regalo-decode scan --summary --json writes. */
export interface LogSummary {
  readings: number;
  statusLines: number;
  errorCodes: number;
  unreadable: number;
  first: string | null;
  last: string | null;
  codes: Array<{ code: string; class: number; detail: number; count: number; described: boolean; first: string | null; last: string | null; message: string | null }>;
  flags: Array<StatusFlag & { set: number; cleared: number; firstSet: string | null; lastCleared: string | null; msSet: number }>;
  receiptStates: Array<ReceiptState & { count: number }>;
}

/** A log's text: the whole of it, or its pieces as they come (a stream's chunks). */
export type Log = string | Uint8Array | Iterable<string | Uint8Array> | AsyncIterable<string | Uint8Array>;

export interface Decoder {
  /** The project's version, "1.0.2". */
  readonly version: string;
  status(line: Status, options?: Options): StatusReading;
  error(code: Code, options?: Options): ErrorReading;
  diff(before: Status, after: Status, options?: Options): Difference;
  /** The words of regalo-decode status --brief. */
  statusBrief(line: Status, options?: Options): string;
  /** The words of regalo-decode error --brief. */
  errorBrief(code: Code, options?: Options): string;
  /** The six bytes of a status line, read without explaining. */
  readStatus(line: Status, options?: Options): Uint8Array;
  /** The code's number (0x0501 for "0501"), read without explaining. */
  readError(code: Code, options?: Options): number;
  /** The flags set in a status line; with none given, the catalogue's 48. */
  flags(line?: Status, options?: Options): Flag[];
  receiptState(line: Status, options?: Options): ReceiptState;
  /** The catalogue's message for a code, null where it has none. */
  errorMessage(code: Code, options?: Options): string | null;
  /** Each reading of a log as it is read, as regalo-decode scan writes it. */
  scan(log: Log, options?: ScanOptions & { format?: 'json' }): AsyncGenerator<LogRecord, void, undefined>;
  scan(log: Log, options: ScanOptions & { format: 'brief' }): AsyncGenerator<string, void, undefined>;
  /** What a log comes to, as regalo-decode scan --summary writes it. */
  summarize(log: Log, options?: ScanOptions & { format?: 'json' }): Promise<LogSummary>;
  summarize(log: Log, options: ScanOptions & { format: 'brief' }): Promise<string>;
  /** The exact text regalo-decode writes, and whether the values were read. */
  explain(kind: 'status' | 'error' | 'diff', values: Array<Status | Code>, options?: Options & { format?: Format }): {
    read: boolean;
    text: string;
  };
}

/** A value that cannot be read; the message says why, as regalo-decode says it. */
export class DecodeError extends Error {
  readonly input: string;
}

/** The decoder, once its WebAssembly is compiled. */
export function init(options?: { wasm?: string | URL }): Promise<Decoder>;
