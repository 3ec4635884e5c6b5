// The simulator's wire log: one JSON line per request PDU received, written and flushed as it
// arrives, so a test or a user sees exactly which varbinds a program sent and in which order.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

struct snmp_pdu;

namespace kx760sim {

class RequestLog {
 public:
  // Opens (truncates) the file; false with a message in `error` when it cannot be written.
  bool open(const std::string& path, std::string& error);
  bool isOpen() const { return file_ != nullptr; }
  // {"pdu":"get|getnext|getbulk|set|...","community"|"user":...,"varbinds":[{"oid","type",
  // "value"}]}: octet strings as hex digits, numbers as numbers, OIDs and addresses dotted.
  void write(const snmp_pdu& pdu);
  // The line write() produces, without its newline.
  static std::string line(const snmp_pdu& pdu);

 private:
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, Closer> file_;
};

}  // namespace kx760sim
