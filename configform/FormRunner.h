// How a configuration form opened by a user action is shown: modally, returning once it has
// closed. The run can be replaced, so that tests inspect the open form without a user.
#pragma once

#include <functional>

class TConfigForm;

namespace FormRunner {

using Runner = std::function<void(TConfigForm& form)>;

// Shows the form modally (or hands it to the replacement) and returns when it has closed.
void run(TConfigForm& form);
// Replaces the run; an empty function restores the modal one. Returns the previous one.
Runner set(Runner runner);

}  // namespace FormRunner
