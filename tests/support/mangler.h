// Breaks good input files in the ways files get broken (cut short, bytes
// changed, pieces lost or repeated) and in the ways a hostile author would
// try (markup and values dropped in anywhere), for randomised reader tests.
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
