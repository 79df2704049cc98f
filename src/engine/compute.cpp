#include "engine/compute.hpp"

#include <string>

#include "engine/power_pass.hpp"
#include "engine/product_pass.hpp"

namespace calcorix {

long double ComputeText(std::string_view reduced) {
  // Without "^" or "!" the power pass would hand back an unchanged copy.
  if (reduced.find_first_of("^!") == std::string_view::npos) return ProductPass(reduced);
  const std::string powered = PowerPass(reduced);
  return ProductPass(powered);
}

}  // namespace calcorix
