// The scanner for the npm package's script: records go to a function the
// script gives the module when it starts, told apart by the number the
// script chose for its scanner.
#include "lib/regalo/regalo.h"

#include <cstddef>
#include <cstdint>

extern "C" {

__attribute__((import_module("env"), import_name("regalo_on_record"))) void regalo_on_record(std::uintptr_t scanner, const char* record,
                                                                                                std::size_t length);

namespace {

void REGALO_CALL ToScript(void* context, const char* record, std::size_t length)
{
    regalo_on_record(reinterpret_cast<std::uintptr_t>(context), record, length);
}

} // namespace

__attribute__((export_name("regalo_scanner_new_script"))) regalo_scanner* regalo_scanner_new_script(int lang, int format,
                                                                                                   std::uintptr_t scanner)
{
    return regalo_scanner_new(lang, format, ToScript, reinterpret_cast<void*>(scanner));
}

} // extern "C"
