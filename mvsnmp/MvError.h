// Error codes, the seven replaceable message catalogues, and the way errors are reported:
// synchronous operations throw MvException, asynchronous ones hand an MvSNMPError to their completion.
#pragma once

#include <QString>
#include <exception>
#include <string>
#include <utility>
#include <initializer_list>

enum class MvCatalogue {
  CommonMessages,      // codes 0, -1 .. -18
  SnmpStatusMessages,  // codes -101 .. -118 (agent error status 1 .. 18)
  SnmpV3Messages,      // codes -201 .. -217
  SnmpUsmMessages,     // codes -301 .. -314
  SnmpClassMessages,   // codes -401 .. -423
  LibraryMessages,     // codes 0, -501 .. -528
  StatusFormats        // the get and set status-line formats
};

// Well-known codes used across the layer.
namespace MvCode {
constexpr int Ok = 0;
constexpr int BadLogicOperand = -1;
constexpr int BadConstraintFormat = -2;
constexpr int Timeout = -405;
constexpr int CannotCreateSession = -506;
constexpr int BootCounterLoad = -507;
constexpr int BootCounterSave = -508;
constexpr int BadAddress = -509;
constexpr int GetNextOnSingleValue = -510;
constexpr int BadSyntax = -511;
constexpr int NullInExpression = -512;
constexpr int BadSyntaxInExpression = -513;
constexpr int BadKeyCount = -514;
constexpr int BadItemType = -515;
constexpr int UnknownError = -528;
}  // namespace MvCode

// The error record handed to completions; code 0 is success.
struct MvSNMPError {
  int code = 0;
  QString message;
  int errorIndex = 0;     // error index of the answer PDU
  QString agentAddress;   // the target that answered
  quint16 agentPort = 0;
  bool finished = true;   // no further row follows
  bool ok() const { return code == 0; }
};

// The exception raised by synchronous operations. It carries the code and the catalogue text as
// it stood when the error was raised.
class MvException : public std::exception {
public:
  MvException(int code, QString message);
  int code() const noexcept { return code_; }
  const QString& message() const noexcept { return message_; }
  MvSNMPError error() const {
    MvSNMPError e;
    e.code = code_;
    e.message = message_;
    return e;
  }
  const char* what() const noexcept override { return what_.c_str(); }

private:
  int code_;
  QString message_;
  std::string what_;
};

namespace MvCatalogues {
// Number of entries the built-in catalogue has.
int builtInSize(MvCatalogue c);
// Entry k of a catalogue: the loaded text where a file supplied it, else the built-in text,
// else empty text (an index past both).
QString entry(MvCatalogue c, int k);
// The file that replaces a catalogue, relative to the module directory ("errmsg/common.err").
QString fileName(MvCatalogue c);
// Back to the built-in texts (tests use it).
void resetAll();
}  // namespace MvCatalogues

// The catalogue text of an error code (0, -1..-18, -101..-118, -201..-217, -301..-314,
// -401..-423, -501..-528). An unknown code gives the text of -528.
QString messageOf(int code);

// Replaces "[NAME]" placeholders, e.g. {{"[MIN]", "1"}, {"[MAX]", "9"}}.
QString fillPlaceholders(QString text, std::initializer_list<std::pair<QString, QString>> values);

// Throws MvException with the code's current catalogue text (placeholders filled).
[[noreturn]] void raiseError(int code,
                             std::initializer_list<std::pair<QString, QString>> values = {});

// Maps a status value of the SNMP layer (success values 0, 1400, -1401; agent error status 1..18;
// message-processing status -1418..-1402; USM status 1401..1414; class status -23..-1) to a code
// and its text. Anything else gives -528.
MvSNMPError translateStatus(int status);

// Replaces a catalogue from a text file, one message per non-blank line. A missing file or one
// without a non-blank line keeps the catalogue. Returns true when the catalogue was replaced.
bool loadMessageFile(MvCatalogue c, const QString& path);
