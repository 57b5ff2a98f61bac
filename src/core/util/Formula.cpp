#include "core/util/Formula.h"

#include "core/util/Numeric.h"

namespace dk {

namespace {
std::string named(const std::string& name, std::int64_t value) {
  return name.empty() ? toText(value) : name + " " + toText(value);
}
}  // namespace

std::int64_t Formula::value() const {
  std::int64_t sum = 0;
  for (const FormulaTerm& t : terms) sum += t.factor * t.value;
  return hasBase ? base - sum : sum;
}

std::string Formula::text() const {
  std::string sum;
  for (const FormulaTerm& t : terms) {
    if (!sum.empty()) sum += " + ";
    sum += (t.factor == 1 ? "" : toText(t.factor) + " \u00d7 ") + named(t.name, t.value);
  }
  std::string out = named(name, value()) + " = ";
  if (!hasBase) return out + sum;
  out += named(baseName, base);
  if (terms.empty()) return out;
  return out + " \u2212 " + (terms.size() > 1 ? "(" + sum + ")" : sum);
}

}  // namespace dk
