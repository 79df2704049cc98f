#include "engine/compute.hpp"

#include <string>

#include "engine/power_pass.hpp"
#include "engine/product_pass.hpp"

namespace calcorix {

long double ComputeText(std::string_view reduced, FormulaState& state) {
  // Without "^" or "!" the power pass would hand back an unchanged copy.
  if (reduced.find_first_of("^!") == std::string_view::npos) return ProductPass(reduced, state);
  const std::string powered = PowerPass(reduced, state);
  return ProductPass(powered, state);
}

}  // namespace calcorix
