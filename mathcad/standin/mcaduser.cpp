// The stand-in for the worksheet program's mcaduser.dll: accepts the registrations an add-in
// makes and keeps them, so that a host can find and call the registered functions and tests
// can check what was handed over.  One process, one add-in at a time; no locking, since
// registration happens on the loader's thread.
#include "recorder.h"

namespace {

constexpr unsigned int kCapacity = 1024;  // far more than any add-in registers

McadErrorTableCall errorTable{};
McadFunctionCall functions[kCapacity];
unsigned int functionCount = 0;
bool refuseErrorTable = false;

}  // namespace

extern "C" {

MCADUSER_API void* MCADUSER_CALL CreateUserFunction(HINSTANCE instance, const McadFunctionInfo* info) {
  if (info == nullptr || functionCount == kCapacity) return nullptr;
  functions[functionCount] = McadFunctionCall{instance, *info};
  ++functionCount;
  // A handle the caller never looks into: the record's position.
  return reinterpret_cast<void*>(static_cast<uintptr_t>(functionCount));
}

MCADUSER_API BOOL MCADUSER_CALL CreateUserErrorMessageTable(HINSTANCE instance, unsigned int count,
                                                            const char* const* messages) {
  errorTable.calls += 1;
  errorTable.instance = instance;
  errorTable.count = count;
  errorTable.messages = messages;
  errorTable.accepted = refuseErrorTable || messages == nullptr ? FALSE : TRUE;
  return errorTable.accepted;
}

MCADUSER_API void MCADUSER_CALL mcaduserRefuseErrorTable(int refuse) { refuseErrorTable = refuse != 0; }

MCADUSER_API void MCADUSER_CALL mcaduserClearRecords(void) {
  errorTable = McadErrorTableCall{};
  functionCount = 0;
}

MCADUSER_API const McadErrorTableCall* MCADUSER_CALL mcaduserErrorTableCall(void) {
  return errorTable.calls == 0 ? nullptr : &errorTable;
}

MCADUSER_API unsigned int MCADUSER_CALL mcaduserFunctionCount(void) { return functionCount; }

MCADUSER_API const McadFunctionCall* MCADUSER_CALL mcaduserFunctionCall(unsigned int position) {
  return position >= 1 && position <= functionCount ? &functions[position - 1] : nullptr;
}

}  // extern "C"
