#include "host.hpp"

#include <array>
#include <cstddef>
#include <stdexcept>
#include <utility>

namespace mcadhost {
namespace {

// A worksheet function of N arguments called through its code address: the address is cast
// back to the shape the function has, one argument pointer per argument.
template <std::size_t... I>
McadStatus invokeWith(McadFunction function, McadComplex* result, const McadComplex* arguments,
                      std::index_sequence<I...>) {
  using Shape =
      McadStatus(MCADUSER_CALL*)(McadComplex*, decltype((void)I, static_cast<const McadComplex*>(nullptr))...);
  return reinterpret_cast<Shape>(function)(result, &arguments[I]...);
}

using Invoker = McadStatus (*)(McadFunction, McadComplex*, const McadComplex*);

template <std::size_t... N>
constexpr std::array<Invoker, sizeof...(N)> invokers(std::index_sequence<N...>) {
  return {[](McadFunction f, McadComplex* r, const McadComplex* a) {
    return invokeWith(f, r, a, std::make_index_sequence<N>{});
  }...};
}

// By argument count, 0 to the most a worksheet function can take.
constexpr auto kInvokers = invokers(std::make_index_sequence<MCAD_MAX_ARGUMENTS + 1>{});

}  // namespace

Host::~Host() { unload(); }

bool Host::load(const char* path, bool refuseErrorTable) {
  unload();
  mcaduserClearRecords();
  mcaduserRefuseErrorTable(refuseErrorTable ? 1 : 0);
  module_ = LoadLibraryA(path);
  return module_ != nullptr;
}

void Host::unload() {
  if (module_ == nullptr) return;
  FreeLibrary(module_);
  module_ = nullptr;
  mcaduserClearRecords();
}

const McadErrorTableCall* Host::errorTable() const { return mcaduserErrorTableCall(); }

std::vector<const McadFunctionInfo*> Host::functions() const {
  std::vector<const McadFunctionInfo*> all;
  for (unsigned position = 1; position <= mcaduserFunctionCount(); ++position) {
    all.push_back(&mcaduserFunctionCall(position)->info);
  }
  return all;
}

const McadFunctionInfo* Host::find(std::string_view name) const {
  for (const McadFunctionInfo* function : functions()) {
    if (function->name != nullptr && name == function->name) return function;
  }
  return nullptr;
}

Outcome Host::call(const McadFunctionInfo& function, std::span<const McadComplex> arguments, McadComplex initial) {
  if (arguments.size() != function.argCount || function.argCount > MCAD_MAX_ARGUMENTS) {
    throw std::invalid_argument("wrong number of arguments");
  }
  Outcome outcome{initial, 0};
  outcome.status = kInvokers[function.argCount](function.function, &outcome.value, arguments.data());
  return outcome;
}

const char* Host::message(McadStatus status) const {
  const McadErrorTableCall* table = errorTable();
  const unsigned number = status & 0xFFFFu;
  if (status == 0 || table == nullptr || !table->accepted || number < 1 || number > table->count) return nullptr;
  return table->messages[number - 1];
}

}  // namespace mcadhost
