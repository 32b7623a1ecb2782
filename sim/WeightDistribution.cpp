#include "WeightDistribution.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <vector>

namespace kv7::sim {

bool WeightDistribution::Parse(const std::string& text, WeightDistribution& out) {
  std::vector<std::string> parts;
  std::stringstream ss(text);
  for (std::string p; std::getline(ss, p, ':');) parts.push_back(p);
  auto num = [](const std::string& s, double& v) {
    try {
      std::size_t used = 0;
      v = std::stod(s, &used);
      return used == s.size() && std::isfinite(v);
    } catch (...) {
      return false;
    }
  };
  double a = 0, b = 0;
  if (parts.size() == 3 && parts[0] == "normal" && num(parts[1], a) && num(parts[2], b) && a > 0 && b >= 0) {
    out = Normal(a, b);
    return true;
  }
  if (parts.size() == 3 && parts[0] == "uniform" && num(parts[1], a) && num(parts[2], b) && a >= 1 && b >= a) {
    out = Uniform(int(a), int(b));
    return true;
  }
  if (parts.size() == 2 && parts[0] == "fixed" && num(parts[1], a) && a >= 1) {
    out = Fixed(int(a));
    return true;
  }
  return false;
}

int WeightDistribution::Draw(std::mt19937& rng) const {
  double g = a_;
  switch (kind_) {
    case Kind::Normal:
      g = b_ > 0 ? std::normal_distribution<double>(a_, b_)(rng) : a_;
      break;
    case Kind::Uniform:
      g = std::uniform_int_distribution<int>(int(a_), int(b_))(rng);
      break;
    case Kind::Fixed:
      break;
  }
  return std::clamp(static_cast<int>(std::lround(g)), 1, kMaxGrams);
}

std::string WeightDistribution::Describe() const {
  std::ostringstream o;
  switch (kind_) {
    case Kind::Normal: o << "normal:" << a_ << ':' << b_; break;
    case Kind::Uniform: o << "uniform:" << a_ << ':' << b_; break;
    case Kind::Fixed: o << "fixed:" << a_; break;
  }
  return o.str();
}

}  // namespace kv7::sim
