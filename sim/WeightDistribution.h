#pragma once
// The weights of the fruit that the simulated machine carries.

#include <random>
#include <string>

namespace kv7::sim {

class WeightDistribution {
 public:
  enum class Kind { Normal, Uniform, Fixed };

  static WeightDistribution Normal(double mean, double sd) { return {Kind::Normal, mean, sd}; }
  static WeightDistribution Uniform(int min, int max) { return {Kind::Uniform, double(min), double(max)}; }
  static WeightDistribution Fixed(int grams) { return {Kind::Fixed, double(grams), 0}; }
  // "normal:MEAN:SD", "uniform:MIN:MAX", "fixed:G"; false when it does not parse.
  static bool Parse(const std::string& text, WeightDistribution& out);

  WeightDistribution() = default;
  // One fruit in grams, 1..kMaxGrams.
  int Draw(std::mt19937& rng) const;
  std::string Describe() const;

  static constexpr int kMaxGrams = 5000;

 private:
  WeightDistribution(Kind k, double a, double b) : kind_(k), a_(a), b_(b) {}
  Kind kind_ = Kind::Normal;
  double a_ = 180;  // mean, min or the fixed weight
  double b_ = 50;   // standard deviation or max
};

}  // namespace kv7::sim
