#include "api/random_letters.h"

#include <chrono>
#include <random>

namespace verdomo {

std::string randomLetters(int count, LetterCase letterCase) {
  // Seeded from the clock at each call, mixed with the device so two calls in one tick differ.
  std::seed_seq seed{
      static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()),
      std::random_device{}()};
  std::mt19937 generator(seed);
  std::uniform_int_distribution<int> letter(0, 25);
  std::bernoulli_distribution upper(0.5);
  std::string letters;
  for (int i = 0; i < count; ++i) {
    const bool isUpper =
        letterCase == LetterCase::Upper || (letterCase == LetterCase::Mixed && upper(generator));
    letters += static_cast<char>((isUpper ? 'A' : 'a') + letter(generator));
  }
  return letters;
}

}  // namespace verdomo
