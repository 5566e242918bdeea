#include "vlm/calc/calculator.hpp"

#include <cmath>

#include "vlm/codepage.hpp"

namespace vlm::calc {
namespace {

// The order in which the rows are computed.
constexpr Row kPointOrder[] = {Row::V, Row::H,  Row::S,  Row::U,  Row::CP,     Row::CV,
                               Row::W, Row::TC, Row::KV, Row::DV, Row::Prandtl};
constexpr Row kWetOrder[] = {Row::V, Row::H, Row::S, Row::U};  // after row R

int stringIdOf(Quantity quantity) {
  switch (quantity) {
    case Quantity::Pressure:
      return 107;
    case Quantity::Temperature:
      return 108;
    default:
      return 109;
  }
}

bool pressureFirst(Mode mode) { return mode == Mode::PT || mode == Mode::SaturationP || mode == Mode::PX; }
bool hasSecondArgument(Mode mode) { return mode == Mode::PT || mode == Mode::PX || mode == Mode::TX; }
bool saturationMode(Mode mode) { return mode == Mode::SaturationP || mode == Mode::SaturationT; }

}  // namespace

Calculator::Calculator(SettingsStore store, const Library& library)
    : store_(std::move(store)), library_(library), language_(store_.readLanguage()) {
  remembered_ = store_.load(language_);
  digits_ = clampDigits(parseInteger(at(remembered_, Setting::Accuracy)));
  for (const RowInfo& row : rows()) {
    if (row.unitId != 0)
      rowUnit_[index(row.row)] = matchUnit(rowQuantity(row.row), at(remembered_, rowSetting(row.row)));
  }
  setUpMode();
}

// --- queries ---------------------------------------------------------------------------

bool Calculator::visible(Row row) const {
  switch (row) {
    case Row::V:
    case Row::S:
    case Row::H:
    case Row::U:
      return true;
    case Row::R:
    case Row::Ps:
      return mode_ != Mode::PT;
    case Row::ST:
      return saturationMode(mode_);
    default:
      return mode_ == Mode::PT || saturationMode(mode_);
  }
}

bool Calculator::visible(int controlId) const {
  switch (controlId) {
    case id::kGroupBox:
    case id::kModeTabs:
    case id::kArgument1Label:
    case id::kArgument1Edit:
    case id::kArgument1UpDown:
    case id::kArgument1Unit:
      return true;
    case id::kArgument2Label:
    case id::kArgument2Edit:
    case id::kArgument2UpDown:
    case id::kArgument2Unit:
      return hasSecondArgument(mode_);
    case id::kPhaseTabs:
      return saturationMode(mode_);
    default:
      break;
  }
  const RowInfo* row = rowOfControl(controlId);
  return row != nullptr && visible(row->row);
}

std::string Calculator::label(Row row) const {
  if (row == Row::Ps && psTemperature_) return stringText(kSaturationTemperatureStringId);
  return stringText(rowInfo(row).stringId);
}

std::string Calculator::label(int controlId) const {
  if (controlId == id::kGroupBox) return text::kGroupBox;
  const int slot = argumentSlot(controlId);
  if (slot >= 0) return stringText(stringIdOf(argumentQuantity_[static_cast<std::size_t>(slot)]));
  const RowInfo* row = rowOfControl(controlId);
  return row != nullptr && row->labelId == controlId ? label(row->row) : std::string();
}

std::string Calculator::text(int controlId) const {
  if (controlId == id::kArgument1Edit) return arguments_[0];
  if (controlId == id::kArgument2Edit) return arguments_[1];
  const RowInfo* row = rowOfControl(controlId);
  return row != nullptr && row->valueId == controlId ? results_[index(row->row)] : std::string();
}

std::string Calculator::readingNote(int controlId) const {
  if (controlId != id::kArgument1Edit && controlId != id::kArgument2Edit) return {};
  return vlm::calc::readingNote(text(controlId), language_);
}

std::vector<std::string> Calculator::unitList(int controlId) const {
  if (controlId == id::kArgument1Unit) return unitNames(argumentQuantity_[0], language_);
  if (controlId == id::kArgument2Unit) return unitNames(argumentQuantity_[1], language_);
  const RowInfo* row = rowOfControl(controlId);
  if (row == nullptr || row->unitId != controlId) return {};
  return unitNames(rowQuantity(row->row), language_);
}

int Calculator::selectedUnit(int controlId) const {
  if (controlId == id::kArgument1Unit) return argumentUnit_[0];
  if (controlId == id::kArgument2Unit) return argumentUnit_[1];
  const RowInfo* row = rowOfControl(controlId);
  return row != nullptr && row->unitId == controlId ? rowUnit_[index(row->row)] : -1;
}

std::string Calculator::selectedUnitText(int controlId) const {
  if (controlId == id::kArgument1Unit) return unitNameAt(argumentQuantity_[0], argumentUnit_[0]);
  if (controlId == id::kArgument2Unit) return unitNameAt(argumentQuantity_[1], argumentUnit_[1]);
  const RowInfo* row = rowOfControl(controlId);
  if (row == nullptr || row->unitId != controlId) return {};
  return unitNameAt(rowQuantity(row->row), rowUnit_[index(row->row)]);
}

std::optional<Quantity> Calculator::unitQuantity(int controlId) const {
  if (controlId == id::kArgument1Unit) return argumentQuantity_[0];
  if (controlId == id::kArgument2Unit) return argumentQuantity_[1];
  const RowInfo* row = rowOfControl(controlId);
  if (row == nullptr || row->unitId != controlId) return std::nullopt;
  return rowQuantity(row->row);
}

std::vector<std::string> Calculator::tabs(int controlId) const {
  if (controlId == id::kModeTabs) return {text::kModeTabs.begin(), text::kModeTabs.end()};
  if (controlId == id::kPhaseTabs) return {text::kPhaseTabs.begin(), text::kPhaseTabs.end()};
  return {};
}

int Calculator::selectedTab(int controlId) const {
  if (controlId == id::kModeTabs) return static_cast<int>(mode_);
  if (controlId == id::kPhaseTabs) return static_cast<int>(phase_);
  return -1;
}

std::string Calculator::digitDialogText() const { return std::to_string(digits_); }

// --- events ----------------------------------------------------------------------------

void Calculator::editChanged(int controlId, std::string_view text) {
  const int slot = argumentSlot(controlId);
  if (slot < 0) return;
  arguments_[static_cast<std::size_t>(slot)] = text;
  recalculate();
}

void Calculator::unitSelected(int controlId, int index) {
  const int slot = argumentSlot(controlId);
  if (slot >= 0) {
    const auto k = static_cast<std::size_t>(slot);
    if (index < 0 || static_cast<std::size_t>(index) >= units(argumentQuantity_[k]).size()) return;
    argumentUnit_[k] = index;  // the typed text is now read in the new unit
    recalculate();
    return;
  }
  const RowInfo* row = rowOfControl(controlId);
  if (row == nullptr || row->unitId != controlId) return;
  const Quantity quantity = rowQuantity(row->row);
  if (index < 0 || static_cast<std::size_t>(index) >= units(quantity).size()) return;
  rowUnit_[Calculator::index(row->row)] = index;
  at(remembered_, rowSetting(row->row)) = unitNameAt(quantity, index);
  recalculate();
}

void Calculator::tabSelected(int controlId, int index) {
  if (controlId == id::kModeTabs) {
    if (index < 0 || index >= kModeCount || index == static_cast<int>(mode_)) return;
    rememberInputs();
    mode_ = static_cast<Mode>(index);
    setUpMode();
  } else if (controlId == id::kPhaseTabs) {
    if (index < 0 || index > 1) return;
    phase_ = static_cast<Phase>(index);
    recalculate();
  }
}

void Calculator::upDown(int controlId, int step) {
  std::size_t slot = 0;
  if (controlId == id::kArgument1UpDown) {
    slot = 0;
  } else if (controlId == id::kArgument2UpDown) {
    slot = 1;
  } else {
    return;
  }
  // A step that leaves no finite number (from 1e999, say) would write "inf", which reads
  // back as nothing; the argument stays as it was.
  const double next = parseNumber(arguments_[slot]) + step;
  if (!std::isfinite(next)) return;
  arguments_[slot] = formatNumber(next, 15);
  recalculate();
}

void Calculator::toggleRangeCheck() {
  rangeCheck_ = !rangeCheck_;
  library_.setCheckRangeMode(rangeCheck_ ? 1 : 0);
  recalculate();
}

void Calculator::digitDialogOk(std::string_view text) {
  digits_ = clampDigits(parseInteger(text));
  recalculate();
}

void Calculator::digitDialogCancel() { recalculate(); }

void Calculator::close() {
  rememberInputs();
  at(remembered_, Setting::Accuracy) = std::to_string(digits_);
  store_.save(remembered_);
}

// --- helpers ---------------------------------------------------------------------------

int Calculator::argumentSlot(int controlId) const {
  switch (controlId) {
    case id::kArgument1Label:
    case id::kArgument1Edit:
    case id::kArgument1Unit:
      return 0;
    case id::kArgument2Label:
    case id::kArgument2Edit:
    case id::kArgument2Unit:
      return 1;
    default:
      return -1;
  }
}

Quantity Calculator::rowQuantity(Row row) const {
  if (row == Row::Ps) return psTemperature_ ? Quantity::Temperature : Quantity::Pressure;
  return rowInfo(row).quantity;
}

Setting Calculator::rowSetting(Row row) const {
  if (row == Row::Ps) return psTemperature_ ? Setting::SatTUnit : Setting::SatPUnit;
  return rowInfo(row).unitSetting;
}

std::string Calculator::unitNameAt(Quantity quantity, int index) const {
  const auto list = units(quantity);
  if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return {};
  return list[static_cast<std::size_t>(index)].name(language_);
}

// The first unit whose name begins with the remembered text, letter case ignored; else the
// first unit.
int Calculator::matchUnit(Quantity quantity, std::string_view remembered) const {
  const auto list = units(quantity);
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (codepage::startsWithIgnoringCase(list[i].name(language_), remembered)) return static_cast<int>(i);
  }
  return 0;
}

void Calculator::rememberInputs() {
  const std::string first = unitNameAt(argumentQuantity_[0], argumentUnit_[0]);
  if (pressureFirst(mode_)) {
    at(remembered_, Setting::PressureValue) = arguments_[0];
    at(remembered_, Setting::PressureUnit) = first;
  } else {
    at(remembered_, Setting::TemperatureValue) = arguments_[0];
    at(remembered_, Setting::TemperatureUnit) = first;
  }
  const std::string second = unitNameAt(argumentQuantity_[1], argumentUnit_[1]);
  if (mode_ == Mode::PT) {
    at(remembered_, Setting::TemperatureValue) = arguments_[1];
    at(remembered_, Setting::TemperatureUnit) = second;
  } else if (hasSecondArgument(mode_)) {
    at(remembered_, Setting::DODValue) = arguments_[1];
    at(remembered_, Setting::DODUnit) = second;
  }
  if (mode_ != Mode::PT)
    at(remembered_, rowSetting(Row::Ps)) = unitNameAt(rowQuantity(Row::Ps), rowUnit_[index(Row::Ps)]);
}

void Calculator::setUpMode() {
  const auto setArgument = [&](std::size_t slot, Quantity quantity, Setting value, Setting unit) {
    argumentQuantity_[slot] = quantity;
    argumentUnit_[slot] = matchUnit(quantity, at(remembered_, unit));
    arguments_[slot] = at(remembered_, value);
  };
  if (pressureFirst(mode_)) {
    setArgument(0, Quantity::Pressure, Setting::PressureValue, Setting::PressureUnit);
  } else {
    setArgument(0, Quantity::Temperature, Setting::TemperatureValue, Setting::TemperatureUnit);
  }
  if (mode_ == Mode::PT) {
    setArgument(1, Quantity::Temperature, Setting::TemperatureValue, Setting::TemperatureUnit);
  } else if (hasSecondArgument(mode_)) {
    setArgument(1, Quantity::Dryness, Setting::DODValue, Setting::DODUnit);
  }
  if (mode_ != Mode::PT) {
    psTemperature_ = pressureFirst(mode_);
    rowUnit_[index(Row::Ps)] = matchUnit(rowQuantity(Row::Ps), at(remembered_, rowSetting(Row::Ps)));
  }
  recalculate();
}

void Calculator::showError(Row row) {
  const char* description = library_.lastErrorDescription();
  results_[index(row)] = description != nullptr ? description : "";
  failed_[index(row)] = true;
}

// A row shows the library's error text only when its call returned -1 and left an error
// code: -1 with code 0 is a legitimate value.
void Calculator::fill(Row row, double value) {
  if (value == -1.0 && library_.lastError() != VLM_ERROR_NONE) {
    showError(row);
    return;
  }
  const double shown = row == Row::Prandtl ? value
                                           : siToDisplay(value, unitNameAt(rowQuantity(row), rowUnit_[index(row)]),
                                                         rowQuantity(row), language_);
  results_[index(row)] = formatNumber(shown, digits_);
  failed_[index(row)] = false;
}

void Calculator::saturationRows(double ts) {
  fill(Row::ST, library_.surfaceTension(ts));
  fill(Row::R, library_.heatOfVaporization(ts));
  const auto& functions = phase_ == Phase::Water ? library_.water : library_.steam;
  for (Row row : kPointOrder) fill(row, functions[index(row)](ts));
}

void Calculator::wetRows(double ts, double x) {
  fill(Row::R, library_.heatOfVaporization(ts));
  for (Row row : kWetOrder) fill(row, library_.wet[index(row)](ts, x));
}

void Calculator::recalculate() {
  const auto argument = [&](std::size_t slot) {
    const Quantity quantity = argumentQuantity_[slot];
    return argumentToSI(arguments_[slot], unitNameAt(quantity, argumentUnit_[slot]), quantity, language_);
  };
  const std::string psUnit = unitNameAt(rowQuantity(Row::Ps), rowUnit_[index(Row::Ps)]);
  const auto saturationTemperature = [&](double p) {
    const double ts = library_.saturationTemperature(p);
    if (library_.lastError() != VLM_ERROR_NONE) {
      showError(Row::Ps);
    } else {
      results_[index(Row::Ps)] = formatNumber(kelvinToTemperature(ts, psUnit, language_), digits_);
      failed_[index(Row::Ps)] = false;
    }
    return ts;  // the dependent rows use it also when the call failed
  };
  const auto saturationPressure = [&](double t) {
    const double ps = library_.saturationPressure(t);
    if (library_.lastError() != VLM_ERROR_NONE) {
      showError(Row::Ps);
    } else {
      results_[index(Row::Ps)] = formatNumber(pressureToDisplayDividing(ps, psUnit, language_), digits_);
      failed_[index(Row::Ps)] = false;
    }
  };

  switch (mode_) {
    case Mode::PT: {
      const double p = argument(0);
      const double t = argument(1);
      for (Row row : kPointOrder) fill(row, library_.pt[index(row)](p, t));
      break;
    }
    case Mode::SaturationP:
      saturationRows(saturationTemperature(argument(0)));
      break;
    case Mode::SaturationT: {
      const double t = argument(0);
      saturationPressure(t);
      saturationRows(t);
      break;
    }
    case Mode::PX: {
      const double ts = saturationTemperature(argument(0));
      wetRows(ts, argument(1));
      break;
    }
    case Mode::TX: {
      const double t = argument(0);
      saturationPressure(t);
      wetRows(t, argument(1));
      break;
    }
  }
}

}  // namespace vlm::calc
