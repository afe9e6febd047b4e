;; The page carries its WebAssembly as text: a character below U+0400 is one
;; byte (its low byte), a Cyrillic letter is its own two bytes of UTF-8. The
;; page writes a block's UTF-8 into this memory (TextEncoder, at native
;; speed) and this folds it back into the module's bytes, in place: a loop
;; the page's script would run a character at a time, at start-up, when a
;; phone has least time to spare.
(module
  (memory (export "memory") 2)
  ;; The UTF-8 in [at, end) becomes bytes from at on; answers where they end.
  (func (export "unpack") (param $at i32) (param $end i32) (result i32)
    (local $to i32) (local $lead i32)
    (local.set $to (local.get $at))
    (block $done
      (loop $next
        (br_if $done (i32.ge_u (local.get $at) (local.get $end)))
        (local.set $lead (i32.load8_u (local.get $at)))
        (if (i32.lt_u (local.get $lead) (i32.const 0x80))
          (then
            ;; U+0000-U+007F: the byte itself.
            (i32.store8 (local.get $to) (local.get $lead))
            (local.set $at (i32.add (local.get $at) (i32.const 1)))
            (local.set $to (i32.add (local.get $to) (i32.const 1))))
          (else
            (if (i32.lt_u (local.get $lead) (i32.const 0xd0))
              (then
                ;; U+0080-U+03FF: the code point's low byte.
                (i32.store8 (local.get $to)
                  (i32.or (i32.shl (local.get $lead) (i32.const 6))
                          (i32.and (i32.load8_u offset=1 (local.get $at)) (i32.const 0x3f))))
                (local.set $to (i32.add (local.get $to) (i32.const 1))))
              (else
                ;; A Cyrillic letter: its two bytes as they stand.
                (i32.store16 align=1 (local.get $to) (i32.load16_u align=1 (local.get $at)))
                (local.set $to (i32.add (local.get $to) (i32.const 2)))))
            (local.set $at (i32.add (local.get $at) (i32.const 2)))))
        (br $next)))
    (local.get $to)))
