// Breaks good input files as files get broken (cut, changed, pieces lost or repeated) or as an attacker would.
#pragma once

#include <random>
#include <string>
#include <vector>

namespace TestSupport {

class Mangler {
 public:
  // Tokens that the mangler drops in besides the markup of any XML file.
  explicit Mangler(const std::vector<std::string>& tokens);

  // The text after one to three random changes.
  std::string Mangle(std::string text, std::mt19937& random) const;

 private:
  std::string MangleOnce(std::string text, std::mt19937& random) const;

  std::vector<std::string> tokens_;
};

}  // namespace TestSupport
