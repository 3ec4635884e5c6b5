// kx_hostile_agent: a small SNMPv1/v2c responder on a loopback UDP port that answers the way no
// well-behaved agent does, one misbehaviour per mode, so that tests see on the wire how the
// program takes answers that do not fit their requests, malformed values, late answers and
// agents that refuse large get-bulk answers.
//
//   kx_hostile_agent --mode MODE [--late-oid OID] [--late-ms MS] [--cap N]
//
// It prints "listening on udp:127.0.0.1:PORT" when ready and ends cleanly on SIGTERM or SIGINT.
// It serves a tiny MIB: system description, up-time and name (1.3.6.1.2.1.1.1.0, .3.0, .5.0) and
// a table of 22 INTEGER columns with 5 rows under 1.3.6.1.4.1.99999.1.1 (column c, row r holds
// c * 1000 + r). Any community is accepted; a set stores its values.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

using Bytes = std::string;
using Oid = std::vector<std::uint32_t>;
using Clock = std::chrono::steady_clock;

volatile std::sig_atomic_t stopping = 0;
extern "C" void onStop(int) { stopping = 1; }

// ---- BER ---------------------------------------------------------------------------------------

Bytes tlv(unsigned char tag, const Bytes& content) {
  Bytes out(1, static_cast<char>(tag));
  const size_t n = content.size();
  if (n < 0x80) {
    out += static_cast<char>(n);
  } else if (n < 0x100) {
    out += '\x81';
    out += static_cast<char>(n);
  } else {
    out += '\x82';
    out += static_cast<char>(n >> 8);
    out += static_cast<char>(n & 0xFF);
  }
  return out + content;
}

Bytes integerContent(long long v) {
  Bytes out;
  for (int k = 7; k >= 0; --k) out += static_cast<char>((static_cast<unsigned long long>(v) >> (8 * k)) & 0xFF);
  // The shortest two's complement: drop leading octets that only repeat the sign.
  while (out.size() > 1 && ((out[0] == 0 && !(out[1] & 0x80)) ||
                            (out[0] == '\xFF' && (out[1] & 0x80))))
    out.erase(0, 1);
  return out;
}

Bytes integer(long long v) { return tlv(0x02, integerContent(v)); }

Bytes oidContent(const Oid& oid) {
  Bytes out;
  if (oid.size() < 2) return out;
  auto arc = [&out](std::uint32_t v) {
    Bytes tmp(1, static_cast<char>(v & 0x7F));
    for (v >>= 7; v; v >>= 7) tmp.insert(tmp.begin(), static_cast<char>(0x80 | (v & 0x7F)));
    out += tmp;
  };
  arc(oid[0] * 40 + oid[1]);
  for (size_t k = 2; k < oid.size(); ++k) arc(oid[k]);
  return out;
}

Oid oidOf(const Bytes& content) {
  Oid oid;
  std::uint32_t v = 0;
  for (unsigned char c : content) {
    v = (v << 7) | (c & 0x7F);
    if (c & 0x80) continue;
    if (oid.empty()) {
      oid.push_back(v < 80 ? v / 40 : 2);
      oid.push_back(v < 80 ? v % 40 : v - 80);
    } else {
      oid.push_back(v);
    }
    v = 0;
  }
  return oid;
}

Oid parseDotted(const char* text) {
  Oid oid;
  for (const char* p = text; *p;) {
    oid.push_back(static_cast<std::uint32_t>(std::strtoul(p, const_cast<char**>(&p), 10)));
    if (*p == '.') ++p;
  }
  return oid;
}

// Reads one TLV at pos; false when the bytes end early.
bool readTlv(const Bytes& b, size_t& pos, unsigned char& tag, Bytes& content) {
  if (pos + 2 > b.size()) return false;
  tag = static_cast<unsigned char>(b[pos++]);
  size_t len = static_cast<unsigned char>(b[pos++]);
  if (len & 0x80) {
    const size_t n = len & 0x7F;
    len = 0;
    for (size_t k = 0; k < n; ++k) {
      if (pos >= b.size()) return false;
      len = (len << 8) | static_cast<unsigned char>(b[pos++]);
    }
  }
  if (pos + len > b.size()) return false;
  content = b.substr(pos, len);
  pos += len;
  return true;
}

long long integerOf(const Bytes& content) {
  long long v = content.empty() || !(content[0] & 0x80) ? 0 : -1;
  for (unsigned char c : content) v = (v << 8) | c;
  return v;
}

// ---- modes ---------------------------------------------------------------------------------

enum class Kind { Normal, WrongOid, ReplaceValue, Late, BulkError, Silent };

struct Mode {
  const char* name;
  Kind kind;
  Bytes value;  // ReplaceValue: the value TLV every answered varbind carries
  int errorStatus = 0;  // BulkError: the status of an oversized get-bulk
};

Bytes raw(const char* hex) {
  Bytes out;
  for (const char* p = hex; p[0] && p[1]; p += 2) {
    char two[3] = {p[0], p[1], 0};
    out += static_cast<char>(std::strtoul(two, nullptr, 16));
  }
  return out;
}

// The table of misbehaviours. Each value mode's TLV is written out octet by octet.
const std::vector<Mode>& modes() {
  static const std::vector<Mode> table = {
      {"normal", Kind::Normal, {}},
      // get and set answered with the asked OID plus 1000 on its last arc, INTEGER 42
      {"wrong-oid", Kind::WrongOid, {}},
      // every varbind of an answer replaced by an exception, error-status 0 (also over v1)
      {"no-such-object", Kind::ReplaceValue, raw("8000")},
      {"no-such-instance", Kind::ReplaceValue, raw("8100")},
      {"end-of-mib-view", Kind::ReplaceValue, raw("8200")},
      // malformed values
      {"counter32-five-octets", Kind::ReplaceValue, raw("41050100000000")},
      {"counter32-negative", Kind::ReplaceValue, raw("4101FF")},
      {"gauge32-negative", Kind::ReplaceValue, raw("420180")},
      {"timeticks-too-large", Kind::ReplaceValue, raw("4305010000002A")},
      {"counter64-too-large", Kind::ReplaceValue, raw("4609010000000000000000")},
      {"counter64-negative", Kind::ReplaceValue, raw("4601FE")},
      {"integer-too-large", Kind::ReplaceValue, raw("02050100000000")},
      {"oid-empty", Kind::ReplaceValue, raw("0600")},
      {"ipaddress-short", Kind::ReplaceValue, raw("40030A0000")},
      // Opaque-wrapped values: float 0.46, double 0.46, int64 -123, uint64 2^64-1, counter64 2^40
      {"opaque-float", Kind::ReplaceValue, raw("44079F78043EEB851F")},
      {"opaque-double", Kind::ReplaceValue, raw("440B9F79083FDD70A3D70A3D71")},
      {"opaque-int64", Kind::ReplaceValue, raw("44059F7A02FF85")},
      {"opaque-uint64", Kind::ReplaceValue, raw("440C9F7B0900FFFFFFFFFFFFFFFF")},
      {"opaque-counter64", Kind::ReplaceValue, raw("44099F7606010000000000")},
      {"opaque-other", Kind::ReplaceValue, raw("4403010203")},
      // the first request that asks first for --late-oid is answered --late-ms late; every
      // other datagram asking for it first (a resend) gets nothing
      {"late", Kind::Late, {}},
      // a get-bulk whose answer would hold more than --cap varbinds: genErr / tooBig
      {"generr-bulk", Kind::BulkError, {}, 5},
      {"toobig-bulk", Kind::BulkError, {}, 1},
      {"silent", Kind::Silent, {}},
  };
  return table;
}

// ---- the MIB -------------------------------------------------------------------------------

constexpr int kColumns = 22;
constexpr int kRows = 5;

std::map<Oid, Bytes> makeMib() {
  std::map<Oid, Bytes> mib;
  mib[parseDotted("1.3.6.1.2.1.1.1.0")] = tlv(0x04, "hostile test agent");
  mib[parseDotted("1.3.6.1.2.1.1.3.0")] = tlv(0x43, integerContent(4242));
  mib[parseDotted("1.3.6.1.2.1.1.5.0")] = tlv(0x04, "hostile");
  for (int c = 1; c <= kColumns; ++c)
    for (int r = 1; r <= kRows; ++r) {
      Oid oid = parseDotted("1.3.6.1.4.1.99999.1.1");
      oid.push_back(static_cast<std::uint32_t>(c));
      oid.push_back(static_cast<std::uint32_t>(r));
      mib[oid] = integer(c * 1000 + r);
    }
  return mib;
}

struct VarBind {
  Oid oid;
  Bytes value;  // a whole TLV
};

struct Request {
  long long version = 0;
  Bytes community;
  unsigned char pdu = 0;
  long long reqid = 0;
  long long field2 = 0;  // error-status, or non-repeaters
  long long field3 = 0;  // error-index, or max-repetitions
  std::vector<VarBind> vbs;
};

std::optional<Request> parseRequest(const Bytes& msg) {
  size_t pos = 0;
  unsigned char tag;
  Bytes seq, c;
  if (!readTlv(msg, pos, tag, seq) || tag != 0x30) return std::nullopt;
  Request r;
  size_t p = 0;
  if (!readTlv(seq, p, tag, c) || tag != 0x02) return std::nullopt;
  r.version = integerOf(c);
  if (!readTlv(seq, p, tag, r.community) || tag != 0x04) return std::nullopt;
  Bytes pdu;
  if (!readTlv(seq, p, r.pdu, pdu)) return std::nullopt;
  size_t q = 0;
  long long* fields[] = {&r.reqid, &r.field2, &r.field3};
  for (long long* f : fields) {
    if (!readTlv(pdu, q, tag, c) || tag != 0x02) return std::nullopt;
    *f = integerOf(c);
  }
  Bytes list;
  if (!readTlv(pdu, q, tag, list) || tag != 0x30) return std::nullopt;
  for (size_t k = 0; k < list.size();) {
    Bytes vb, oid;
    if (!readTlv(list, k, tag, vb) || tag != 0x30) return std::nullopt;
    size_t v = 0;
    if (!readTlv(vb, v, tag, oid) || tag != 0x06) return std::nullopt;
    r.vbs.push_back({oidOf(oid), vb.substr(v)});
  }
  return r;
}

Bytes response(const Request& r, int status, int index, const std::vector<VarBind>& vbs) {
  Bytes list;
  for (const VarBind& vb : vbs) list += tlv(0x30, tlv(0x06, oidContent(vb.oid)) + vb.value);
  const Bytes pdu = tlv(0xA2, integer(r.reqid) + integer(status) + integer(index) + tlv(0x30, list));
  return tlv(0x30, integer(r.version) + tlv(0x04, r.community) + pdu);
}

class HostileResponder {
 public:
  HostileResponder(const Mode& mode, Oid lateOid, int lateMs, int cap)
      : mode_(mode), lateOid_(std::move(lateOid)), lateMs_(lateMs), cap_(cap), mib_(makeMib()) {}

  int run() {
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
      std::perror("kx_hostile_agent");
      return 1;
    }
    std::printf("listening on udp:127.0.0.1:%d\n", ntohs(addr.sin_port));
    std::fflush(stdout);
    while (!stopping) {
      int wait = 200;
      if (!held_.empty())
        wait = std::max<int>(0, static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                                      held_.front().due - Clock::now())
                                                      .count()));
      pollfd p{fd, POLLIN, 0};
      const int ready = poll(&p, 1, std::min(wait, 200));
      while (!held_.empty() && held_.front().due <= Clock::now()) {
        sendto(fd, held_.front().bytes.data(), held_.front().bytes.size(), 0,
               reinterpret_cast<sockaddr*>(&held_.front().to), sizeof held_.front().to);
        held_.pop_front();
      }
      if (ready <= 0) continue;
      char buffer[65536];
      sockaddr_in from{};
      socklen_t fromLen = sizeof from;
      const ssize_t n = recvfrom(fd, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &fromLen);
      if (n <= 0) continue;
      const std::optional<Request> r = parseRequest(Bytes(buffer, static_cast<size_t>(n)));
      if (!r || mode_.kind == Kind::Silent) continue;
      if (mode_.kind == Kind::Late && !r->vbs.empty() && r->vbs[0].oid == lateOid_) {
        if (!lateTaken_)
          held_.push_back({Clock::now() + std::chrono::milliseconds(lateMs_), answer(*r), from});
        lateTaken_ = true;
        continue;
      }
      const Bytes reply = answer(*r);
      sendto(fd, reply.data(), reply.size(), 0, reinterpret_cast<sockaddr*>(&from), sizeof from);
    }
    close(fd);
    return 0;
  }

 private:
  bool v1(const Request& r) const { return r.version == 0; }

  // What a well-behaved agent would answer; the value modes then replace the values.
  Bytes answer(const Request& r) {
    std::vector<VarBind> out;
    int status = 0, index = 0;
    auto fail = [&](int s, size_t at) {
      status = s;
      index = static_cast<int>(at + 1);
      out.assign(r.vbs.begin(), r.vbs.end());
    };
    switch (r.pdu) {
      case 0xA0:  // get
        for (size_t k = 0; k < r.vbs.size() && status == 0; ++k) {
          const auto it = mib_.find(r.vbs[k].oid);
          if (it != mib_.end()) {
            out.push_back({it->first, it->second});
          } else if (v1(r)) {
            fail(2, k);
          } else {
            out.push_back({r.vbs[k].oid, Bytes(isInstanceMissing(r.vbs[k].oid) ? "\x81\x00" : "\x80\x00", 2)});
          }
        }
        break;
      case 0xA1:  // get-next
        for (size_t k = 0; k < r.vbs.size() && status == 0; ++k) {
          const auto it = mib_.upper_bound(r.vbs[k].oid);
          if (it != mib_.end())
            out.push_back({it->first, it->second});
          else if (v1(r))
            fail(2, k);
          else
            out.push_back({r.vbs[k].oid, Bytes("\x82\x00", 2)});
        }
        break;
      case 0xA5: {  // get-bulk
        const size_t nonRepeaters = static_cast<size_t>(std::max(0LL, r.field2));
        const long long reps = std::max(0LL, r.field3);
        std::vector<Oid> cursor;
        for (size_t k = 0; k < r.vbs.size(); ++k) {
          const auto it = mib_.upper_bound(r.vbs[k].oid);
          if (k < nonRepeaters) {
            out.push_back(it != mib_.end() ? VarBind{it->first, it->second}
                                           : VarBind{r.vbs[k].oid, Bytes("\x82\x00", 2)});
          } else {
            cursor.push_back(r.vbs[k].oid);
          }
        }
        for (long long rep = 0; rep < reps && !cursor.empty(); ++rep)
          for (Oid& c : cursor) {
            const auto it = mib_.upper_bound(c);
            if (it != mib_.end()) {
              out.push_back({it->first, it->second});
              c = it->first;
            } else {
              out.push_back({c, Bytes("\x82\x00", 2)});
            }
          }
        if (mode_.kind == Kind::BulkError && out.size() > static_cast<size_t>(cap_)) {
          status = mode_.errorStatus;
          index = 0;
          out.assign(r.vbs.begin(), r.vbs.end());
        }
        break;
      }
      case 0xA3:  // set
        for (const VarBind& vb : r.vbs) {
          mib_[vb.oid] = vb.value;
          out.push_back(vb);
        }
        break;
      default:
        return {};
    }
    if (status == 0 && mode_.kind == Kind::ReplaceValue)
      for (VarBind& vb : out) vb.value = mode_.value;
    if (status == 0 && mode_.kind == Kind::WrongOid && (r.pdu == 0xA0 || r.pdu == 0xA3))
      for (VarBind& vb : out) {
        vb.oid.back() += 1000;
        vb.value = integer(42);
      }
    return response(r, status, index, out);
  }

  // An object exists whose OID is the asked one without its last arc (a scalar's ".0").
  bool isInstanceMissing(const Oid& oid) const {
    if (oid.empty()) return false;
    const Oid object(oid.begin(), oid.end() - 1);
    const auto it = mib_.lower_bound(object);
    return it != mib_.end() && it->first.size() > object.size() &&
           std::equal(object.begin(), object.end(), it->first.begin());
  }

  struct Held {
    Clock::time_point due;
    Bytes bytes;
    sockaddr_in to;
  };

  const Mode& mode_;
  Oid lateOid_;
  int lateMs_;
  int cap_;
  bool lateTaken_ = false;
  std::map<Oid, Bytes> mib_;
  std::deque<Held> held_;
};

}  // namespace

int main(int argc, char** argv) {
  std::string modeName = "normal";
  Oid lateOid = parseDotted("1.3.6.1.4.1.99999.1.1.1.2");
  int lateMs = 2300, cap = 7;
  for (int k = 1; k + 1 < argc; k += 2) {
    const std::string option = argv[k];
    if (option == "--mode") modeName = argv[k + 1];
    else if (option == "--late-oid") lateOid = parseDotted(argv[k + 1]);
    else if (option == "--late-ms") lateMs = std::atoi(argv[k + 1]);
    else if (option == "--cap") cap = std::atoi(argv[k + 1]);
  }
  const Mode* mode = nullptr;
  for (const Mode& m : modes())
    if (modeName == m.name) mode = &m;
  if (!mode) {
    std::fprintf(stderr, "kx_hostile_agent: unknown mode %s; modes:", modeName.c_str());
    for (const Mode& m : modes()) std::fprintf(stderr, " %s", m.name);
    std::fprintf(stderr, "\n");
    return 2;
  }
  std::signal(SIGTERM, onStop);
  std::signal(SIGINT, onStop);
  return HostileResponder(*mode, lateOid, lateMs, cap).run();
}
