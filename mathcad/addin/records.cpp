// The worksheet functions, one record each, in registration order (the RECORD column of
// core/functions.table: every library export but the error description, whose texts the
// worksheet gets through the error table instead).  A record's parameter text fixes the
// argument count, and the forwarding function is made for that count, so a text that does
// not match the export fails to compile.
#include "records.hpp"

#include "forwarding.hpp"

namespace vlmmcad {
namespace {

// The number of parameter names in a text such as "p, t, x".  A function the library calls
// without arguments shows one dummy parameter, "nothing".
constexpr unsigned argumentCount(const char* parameters) {
  unsigned count = 1;
  for (const char* c = parameters; *c != '\0'; ++c) count += *c == ',';
  return count;
}

template <typename Forwarder>
McadFunctionInfo record(const char* name, const char* parameters) {
  McadFunctionInfo info{name,
                        parameters,
                        "",
                        reinterpret_cast<McadFunction>(&Forwarder::call),
                        MCAD_COMPLEX_SCALAR,
                        Forwarder::kArguments,
                        {}};
  for (unsigned i = 0; i < Forwarder::kArguments; ++i) info.argTypes[i] = MCAD_COMPLEX_SCALAR;
  return info;
}

}  // namespace

#define PROPERTY(name, parameters) record<Property<name, argumentCount(parameters)>>(#name, parameters)
#define GETTER(name, parameters) record<Getter<name, 1>>(#name, "nothing")
#define SETTER(name, parameters) record<Setter<name, argumentCount(parameters)>>(#name, parameters)
#define VLM_RECORD(kind, name, parameters) kind(name, parameters),

const McadFunctionInfo kRecords[kFunctionCount] = {
#include "mathcad_records.inc"
};

#undef VLM_RECORD
#undef PROPERTY
#undef GETTER
#undef SETTER

}  // namespace vlmmcad
