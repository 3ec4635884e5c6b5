// Drives a get-next walk of a request to its end, blocking or through the event loop, calling
// `row` after every step; returns the code the walk ended with (0 at the end of the table).
#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "tests/support/EventWait.h"
#include "mvsnmp/MvError.h"
#include "mvsnmp/MvSNMPRequest.h"

inline int driveWalk(MvSNMPRequest& r, bool asynchronous, const std::function<void()>& row) {
  int errorCode = 0;
  if (!asynchronous) {
    try {
      for (bool more = r.readStep(true); more; more = r.readStep(false)) row();
    } catch (const MvException& e) {
      errorCode = e.code();
    }
    return errorCode;
  }
  bool done = false;
  SnmpCompletion step = [&](void*, const MvSNMPError& e, MvSNMPVarList&) {
    if (e.code != 0 || e.finished) {
      errorCode = e.code;
      done = true;
      return;
    }
    row();
    r.readAsync(step, nullptr, false);
  };
  r.readAsync(step, nullptr, true);
  EXPECT_TRUE(kxtest::waitUntil([&] { return done; }, 60000));
  return errorCode;
}
