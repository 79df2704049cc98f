#pragma once

#include "session/session.hpp"

// The four constants of the expression language, and how a printed result reaches ANS and MEM.

namespace calcorix {

// Called by the result printer after each result line it writes: answerValue becomes `value` and
// memoryValue gains it through a checked addition. When that addition overflows, memoryValue keeps
// its previous value and nothing else happens; no error leaves.
void RecordPrintedResult(Session& session, long double value) noexcept;

// The 80-bit kPi (3.141592653589793240031). Errors: none.
long double PI(const Session& session);

// The session's loopValue, answerValue and memoryValue, read at the call. Errors: none.
long double LI(const Session& session);
long double ANS(const Session& session);
long double MEM(const Session& session);

}  // namespace calcorix
