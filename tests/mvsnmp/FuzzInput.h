// A randomized driver for the fuzz tests: a fixed seed, so a failure repeats, and a time budget
// per target (KX_FUZZ_SECONDS, default 5) so that CI stays bounded.
#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
#include <cstdlib>
#include <random>
#include <string>

class FuzzInput {
public:
  explicit FuzzInput(unsigned seed = 20261210u) : rng_(seed) {}

  // Runs body(iteration) until the time budget is spent (at least 100 iterations).
  template <typename F>
  void run(F&& body) {
    const char* env = std::getenv("KX_FUZZ_SECONDS");
    const double seconds = env ? std::atof(env) : 5.0;
    const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    for (long i = 0; i < 100 || std::chrono::steady_clock::now() < until; ++i) body(i);
  }

  unsigned number(unsigned max) { return std::uniform_int_distribution<unsigned>(0, max)(rng_); }

  // Arbitrary octets of a random length up to maxLength.
  QByteArray bytes(int maxLength = 64) {
    QByteArray b;
    const int n = static_cast<int>(number(static_cast<unsigned>(maxLength)));
    for (int i = 0; i < n; ++i) b.append(static_cast<char>(number(255)));
    return b;
  }

  // Text biased towards the characters the parsers care about, with arbitrary ones mixed in.
  QString text(const std::string& alphabet, int maxLength = 64) {
    QString s;
    const int n = static_cast<int>(number(static_cast<unsigned>(maxLength)));
    for (int i = 0; i < n; ++i) {
      if (number(9) == 0)
        s.append(QChar(static_cast<char16_t>(number(0xD7FF))));
      else
        s.append(QLatin1Char(alphabet[number(static_cast<unsigned>(alphabet.size() - 1))]));
    }
    return s;
  }

  std::mt19937& rng() { return rng_; }

private:
  std::mt19937 rng_;
};
