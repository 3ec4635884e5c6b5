#include "FormRunner.h"

#include <utility>

#include "Guiconfigform.h"

namespace FormRunner {
namespace {

Runner& runner() {
  static Runner current;
  return current;
}

}  // namespace

void run(TConfigForm& form) {
  if (runner()) return runner()(form);
  form.exec();
}

Runner set(Runner replacement) {
  return std::exchange(runner(), std::move(replacement));
}

}  // namespace FormRunner
