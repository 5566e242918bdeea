/* What the stand-in mcaduser.dll adds for tests and for the host program: it records every
 * registration it is handed, in order, and can be told to refuse the error table. */
#ifndef MCADUSER_RECORDER_H
#define MCADUSER_RECORDER_H

#include "mcaduser.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The last CreateUserErrorMessageTable call, as handed (the pointer, not copies of the texts). */
typedef struct McadErrorTableCall {
  unsigned int calls; /* how many calls since the records were last cleared */
  HINSTANCE instance;
  unsigned int count;
  const char* const* messages;
  BOOL accepted; /* what the stand-in answered */
} McadErrorTableCall;

/* One CreateUserFunction call: the add-in's instance and a copy of the record (whose texts
 * and code address still point into the add-in). */
typedef struct McadFunctionCall {
  HINSTANCE instance;
  McadFunctionInfo info;
} McadFunctionCall;

/* From now on answer CreateUserErrorMessageTable with FALSE (refuse != 0) or TRUE. */
MCADUSER_API void MCADUSER_CALL mcaduserRefuseErrorTable(int refuse);

/* Forgets every recorded call (before an add-in is loaded again). */
MCADUSER_API void MCADUSER_CALL mcaduserClearRecords(void);

/* The error-table call, or null if there was none. */
MCADUSER_API const McadErrorTableCall* MCADUSER_CALL mcaduserErrorTableCall(void);

/* The number of functions registered, and the one at `position` (from 1, in the order of the
 * calls; null beyond the count). */
MCADUSER_API unsigned int MCADUSER_CALL mcaduserFunctionCount(void);
MCADUSER_API const McadFunctionCall* MCADUSER_CALL mcaduserFunctionCall(unsigned int position);

#ifdef __cplusplus
}
#endif

#endif /* MCADUSER_RECORDER_H */
