// Regalo_Vespera's decoder: a fiscal cash register's status bytes and error
// codes explained exactly as regalo-decode explains them.

export type Language = 'ru' | 'en';

export interface Options {
  /** The language of the texts: 'ru' (the default) or 'en'. */
  lang?: Language;
}

export interface StatusFlag {
  bit: number;
  byte: number;
  caption: string;
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

export interface Decoder {
  /** The project's version, "1.0.2". */
  readonly version: string;
  status(line: string, options?: Options): StatusReading;
  error(code: string, options?: Options): ErrorReading;
  diff(before: string, after: string, options?: Options): Difference;
  /** The words of regalo-decode status --brief. */
  statusBrief(line: string, options?: Options): string;
  /** The words of regalo-decode error --brief. */
  errorBrief(code: string, options?: Options): string;
  /** The exact text regalo-decode writes, and whether the values were read. */
  explain(kind: 'status' | 'error' | 'diff', values: string[], options?: Options & { format?: 'brief' | 'json' }): {
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
