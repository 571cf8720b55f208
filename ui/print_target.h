#pragma once
// Where a printed page goes: the printer chosen in the print dialog, the
// print preview, or a PDF file the user names.

namespace quorval {

enum class PrintTarget { Printer, Preview, Pdf };

}  // namespace quorval
