// Every computing export of the table: its computation run in the frame with the process-wide
// settings, its status published as the last-error code.
#include "faces/computing.hpp"
#include "faces/guard.hpp"
#include "vlmcore5.h"

#define VLM_COMPUTING(R, name, params, args)                                                             \
  VLM_API R VLM_CALL name params {                                                                       \
    return vlm::frame::run([&](const vlm::Config& c) { return vlm::entry::name(c, VLM_UNPAREN args); }); \
  }

#define VLM_COMPUTING_BY_RULE(R, name, params, args, rule) VLM_COMPUTING(R, name, params, args)

extern "C" {
#include "vlmcore5_computing.inc"
}  // extern "C"
