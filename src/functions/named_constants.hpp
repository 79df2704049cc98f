#pragma once

// The four constants of the expression language and the two stored values that ANS and MEM read.

namespace calcorix {

// ANS: the value of the most recent calculation whose result line was printed. MEM: the grand total
// of all of them. Both 0 at start; RecordPrintedResult is the only writer.
inline long double answerValue = 0, memoryValue = 0;

// Called by the result printer after each result line it writes: answerValue becomes `value` and
// memoryValue gains it through a checked addition. When that addition overflows, memoryValue keeps
// its previous value and nothing else happens; no error leaves.
void RecordPrintedResult(long double value) noexcept;

// The 80-bit kPi (3.141592653589793240031). Errors: none.
long double PI();

// settings.loopValue, read at the call. Errors: none.
long double LI();

// answerValue and memoryValue. Errors: none.
long double ANS();
long double MEM();

}  // namespace calcorix
