// Loads vlmmcad.dll the way the worksheet program does and calls the worksheet functions it
// registered, by name, with complex arguments.  The registrations are those the stand-in
// mcaduser.dll recorded while the add-in loaded.
#pragma once

#include <windows.h>

#include <span>
#include <string_view>
#include <vector>

#include "recorder.h"

namespace mcadhost {

struct Outcome {
  McadComplex value;  // the result as the function left it
  McadStatus status;
};

class Host {
 public:
  Host() = default;
  ~Host();  // unloads
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  // Loads the add-in: the stand-in forgets earlier registrations and answers the error table
  // with a refusal when asked to, then the loader starts the add-in, which registers.  False
  // when the add-in cannot be loaded (GetLastError tells why).
  bool load(const char* path, bool refuseErrorTable = false);
  // Unloads the add-in; its records can no longer be used.
  void unload();

  HMODULE module() const { return module_; }
  // The error-table call, null if the add-in made none.
  const McadErrorTableCall* errorTable() const;
  // The registered functions in registration order.
  std::vector<const McadFunctionInfo*> functions() const;
  // The function registered under `name`, or null.
  const McadFunctionInfo* find(std::string_view name) const;

  // Calls `function` with its arguments (std::invalid_argument unless there are exactly as
  // many as it takes); the result starts out as `initial`, so a test can see what the
  // function wrote.
  static Outcome call(const McadFunctionInfo& function, std::span<const McadComplex> arguments,
                      McadComplex initial = {0.0, 0.0});

  // The registered message that `status` selects (its low 16 bits, counted from 1), or null
  // for success or a number outside the table.
  const char* message(McadStatus status) const;
  // The argument a failure status marks (its high 16 bits, counted from 1).
  static unsigned markedArgument(McadStatus status) { return status >> 16; }

 private:
  HMODULE module_ = nullptr;
};

}  // namespace mcadhost
