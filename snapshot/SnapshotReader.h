// Reads a configuration snapshot from the device that DeviceTarget names: the device's identity,
// then every list of the snapshot plan (one get per list of scalars, one walk per table), each
// through its own MvSNMPRequest.
#pragma once

#include <functional>
#include <memory>

#include "mvsnmp/MvDeviceParams.h"
#include "mvsnmp/MvError.h"
#include "mvsnmp/MvSNMPVarList.h"
#include "snapshot/SnapshotDocument.h"

class SnapshotReader {
 public:
  // Called before each list is read and once at the end (done == total).
  using Progress = std::function<void(int done, int total, const QString& list)>;

  // Throws MvException for what the device or the engine reports, the list named in its text.
  // An object the agent does not have is recorded as absent, not as an error.
  static SnapshotDocument read(const Progress& progress = {});
  static SnapshotDevice readDevice();
};

// The same reading without waiting, for one device among many (kx760ctl --hosts): the lists one
// after another through asynchronous requests to `device` (not DeviceTarget). `done` runs once,
// from the event loop, with code 0 and the document, or with the error that ended the reading
// (the list named as read() names it).
class SnapshotAsyncReader {
 public:
  using Done = std::function<void(const MvSNMPError& error, SnapshotDocument& doc)>;

  SnapshotAsyncReader();
  ~SnapshotAsyncReader();
  SnapshotAsyncReader(const SnapshotAsyncReader&) = delete;
  SnapshotAsyncReader& operator=(const SnapshotAsyncReader&) = delete;

  void start(const MvDeviceParams& device, Done done);

 private:
  // Sends the first (a new request over `list`) or next step of the current request.
  void ask(const MvSNMPVarList& list, bool first, std::function<void(const MvSNMPError&)> then);
  void later(std::function<void()> step);
  void fail(int code, const QString& message);
  void nextList();
  void onAnswer(const MvSNMPError& e);
  void askNextAlone();
  void listDone();

  struct State;
  std::unique_ptr<State> d_;
};
