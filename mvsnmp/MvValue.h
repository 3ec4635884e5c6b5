// MvValue: the value of one varbind, independent of the SNMP library: an ASN.1 type tag with an
// integer, octets or an object identifier. The request engine converts it to and from the
// library's varbinds; value conversion works on it alone, so it is testable without a network.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <compare>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The type tags of SNMP values (the ASN.1 tags), and the SNMPv2 exceptions that stand in a
// varbind of an answer instead of a value.
enum class MvValueType : quint8 {
  Integer = 2,
  OctetString = 4,
  Null = 5,
  ObjectId = 6,
  IpAddress = 64,
  Counter32 = 65,
  Gauge32 = 66,
  TimeTicks = 67,
  Opaque = 68,
  Counter64 = 70,
  UInteger32 = 71,
  // The Opaque extension types: a float, double or 64-bit integer wrapped in an Opaque (its
  // contents begin with 0x9F and this tag). `number` holds the value (the IEEE-754 bits of the
  // double for OpaqueFloat and OpaqueDouble), `octets` the Opaque's contents as they came.
  OpaqueCounter64 = 118,
  OpaqueFloat = 120,
  OpaqueDouble = 121,
  OpaqueInt64 = 122,
  OpaqueUInt64 = 123,
  NoSuchObject = 128,
  NoSuchInstance = 129,
  EndOfMibView = 130
};

// The sub-identifiers of an object identifier. Up to kInline of them are held in the object
// itself: every OID of the switch's tables is shorter, so an OID copied on the walk path (from
// the wire into an answer, the read-ahead, the next request) costs no allocation. Longer ones
// (an index of long octet strings) go to the heap. It reads like a std::vector<quint32>.
class MvOid {
 public:
  using value_type = quint32;
  using size_type = size_t;
  using iterator = quint32*;
  using const_iterator = const quint32*;
  static constexpr size_t kInline = 24;

  MvOid() = default;
  MvOid(std::initializer_list<quint32> arcs) { assign(arcs.begin(), arcs.end()); }
  // Any range of unsigned numbers (Net-SNMP's `oid` is an unsigned long).
  template <typename It, typename = decltype(*std::declval<It>())>
  MvOid(It first, It last) {
    assign(first, last);
  }
  MvOid(const MvOid& o) { assign(o.begin(), o.end()); }
  MvOid(MvOid&& o) noexcept { take(std::move(o)); }
  MvOid& operator=(const MvOid& o) {
    if (this != &o) assign(o.begin(), o.end());
    return *this;
  }
  MvOid& operator=(MvOid&& o) noexcept {
    if (this != &o) take(std::move(o));
    return *this;
  }
  ~MvOid() = default;

  template <typename It>
  void assign(It first, It last) {
    const size_t n = static_cast<size_t>(std::distance(first, last));
    size_ = 0;
    reserve(n);
    quint32* d = data();
    for (size_t k = 0; first != last; ++first, ++k) d[k] = static_cast<quint32>(*first);
    size_ = n;
  }

  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  size_t capacity() const { return heap_ ? capacity_ : kInline; }
  quint32* data() { return heap_ ? heap_.get() : inline_; }
  const quint32* data() const { return heap_ ? heap_.get() : inline_; }
  iterator begin() { return data(); }
  iterator end() { return data() + size_; }
  const_iterator begin() const { return data(); }
  const_iterator end() const { return data() + size_; }
  quint32& operator[](size_t k) { return data()[k]; }
  quint32 operator[](size_t k) const { return data()[k]; }
  quint32& back() { return data()[size_ - 1]; }
  quint32 back() const { return data()[size_ - 1]; }

  void clear() { size_ = 0; }
  void reserve(size_t n) {
    if (n <= capacity()) return;
    auto grown = std::make_unique<quint32[]>(n);
    std::copy(begin(), end(), grown.get());
    heap_ = std::move(grown);
    capacity_ = n;
  }
  void resize(size_t n) {
    reserve(n);
    if (n > size_) std::fill(data() + size_, data() + n, 0u);
    size_ = n;
  }
  void push_back(quint32 arc) {
    if (size_ == capacity()) reserve(std::max<size_t>(capacity() * 2, 8));
    data()[size_++] = arc;
  }
  // Inserts a range at `at` (the end, usually).
  template <typename It>
  void insert(const_iterator at, It first, It last) {
    const size_t pos = static_cast<size_t>(at - begin());
    const size_t n = static_cast<size_t>(std::distance(first, last));
    reserve(size_ + n);
    quint32* d = data();
    std::move_backward(d + pos, d + size_, d + size_ + n);
    for (size_t k = pos; first != last; ++first, ++k) d[k] = static_cast<quint32>(*first);
    size_ += n;
  }

  friend bool operator==(const MvOid& a, const MvOid& b) {
    return a.size_ == b.size_ && std::equal(a.begin(), a.end(), b.begin());
  }
  // Lexicographic order of the sub-identifiers; a prefix comes first.
  friend std::strong_ordering operator<=>(const MvOid& a, const MvOid& b) {
    return std::lexicographical_compare_three_way(a.begin(), a.end(), b.begin(), b.end());
  }

 private:
  void take(MvOid&& o) {
    if (o.heap_) {
      heap_ = std::move(o.heap_);
      capacity_ = o.capacity_;
      size_ = o.size_;
    } else {
      heap_.reset();
      std::copy(o.inline_, o.inline_ + o.size_, inline_);
      size_ = o.size_;
    }
    o.size_ = 0;
  }

  std::unique_ptr<quint32[]> heap_;  // set once more than kInline arcs were needed
  size_t capacity_ = kInline;        // of heap_
  size_t size_ = 0;
  quint32 inline_[kInline];
};

struct MvValue {
  MvValueType type = MvValueType::Null;
  // The number of Integer (two's complement, sign-extended), Counter32, Gauge32, TimeTicks,
  // UInteger32 and Counter64 values.
  quint64 number = 0;
  // The octets of OctetString, Opaque and IpAddress values.
  QByteArray octets;
  // The sub-identifiers of ObjectId values.
  MvOid oid;

  static MvValue null() { return {}; }
  static MvValue integer(qint64 v) {
    return {MvValueType::Integer, static_cast<quint64>(v), {}, {}};
  }
  // t is one of Counter32, Gauge32, TimeTicks, UInteger32, Counter64.
  static MvValue unsignedNumber(MvValueType t, quint64 v) { return {t, v, {}, {}}; }
  // t is one of OctetString, Opaque, IpAddress.
  static MvValue bytes(MvValueType t, QByteArray v) { return {t, 0, std::move(v), {}}; }
  static MvValue objectId(MvOid v) { return {MvValueType::ObjectId, 0, {}, std::move(v)}; }
  static MvValue exception(MvValueType t) { return {t, 0, {}, {}}; }

  qint64 signedNumber() const { return static_cast<qint64>(number); }
  bool isNumber() const;     // one of the six integer types
  bool isOctets() const;     // OctetString, Opaque or IpAddress
  bool isException() const;  // noSuchObject, noSuchInstance, endOfMibView
  bool isOpaqueWrapped() const;  // one of the Opaque extension types
  double floatingNumber() const;  // OpaqueFloat and OpaqueDouble: the value

  bool operator==(const MvValue&) const = default;
};

// Dotted decimal text of an OID ("1.3.6.1"; no leading dot; empty text for an empty OID).
QString oidText(const MvOid& oid);
QString oidText(const MvOid& oid, size_t from);  // the sub-identifiers from position `from` on
// The same written over `text`, whose buffer is reused when it is large enough and not shared.
void setOidText(QString& text, const MvOid& oid);
// Appends the dotted text to 8-bit output (no allocation beyond the output's own growth).
void appendOidText(std::string& out, const MvOid& oid);

// Reads dotted decimal text as an OID. One leading dot is accepted; empty text is the empty OID.
// Nothing when a part is not a decimal number from 0 to 4294967295 (letters, blanks, signs,
// empty parts as in "1..2", a trailing dot).
std::optional<MvOid> parseOid(const QString& text);

// Lexicographic order of sub-identifiers (a prefix comes first): negative, 0 or positive.
int compareOids(const MvOid& a, const MvOid& b);
// True when `prefix` is a leading part of `oid` (or equal to it).
bool isOidPrefix(const MvOid& prefix, const MvOid& oid);
