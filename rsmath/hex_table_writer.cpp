#include "rsmath/hex_table_writer.h"

#include <array>

#include "platform/text_format.h"
#include "rsmath/log_tables.h"

namespace rsmath {

namespace {

constexpr const char* kStartRecord = ":020000020000fc\n";  // extended segment address 0000
constexpr const char* kZeroEntry = ":0100000000ff\n";      // address 0 holds 0
constexpr const char* kEndRecord = ":00000001ff\n";

// Entry k of the evnum table: the literal sequence value = k, then value = Multiply(value, k)
// genstart - 1 times (none for genstart 0 or 1), which in a field is k^genstart.
class EvnumPower {
 public:
  explicit EvnumPower(const GaloisField& field)
      : field_(field),
        count_(ElementCount(field.m)),
        tables_(LogTables::Of(field.m, field.irrpol)) {}

  int Of(int k) const {
    if (field_.genstart <= 1) return k;
    if (tables_ != nullptr) return tables_->Pow(k, field_.genstart);
    if (field_.m >= 1 && field_.m <= 8) return Repeated(k);
    int value = k;
    for (int32_t i = 1; i < field_.genstart; ++i) value = field_.Multiply(value, k);
    return value;
  }

 private:
  // The literal sequence when there is no field. Multiply reads only the low m bits of value,
  // so once those repeat the sequence repeats, and a large genstart costs at most 2^m products.
  int Repeated(int k) const {
    const uint32_t mask = static_cast<uint32_t>(count_ - 1);
    const uint32_t steps = static_cast<uint32_t>(field_.genstart) - 1;
    std::array<int32_t, 257> history{};  // history[i]: the value after i products
    std::array<int32_t, 256> seenAt;     // the first i whose value had these low bits
    seenAt.fill(-1);
    history[0] = k;
    for (uint32_t i = 0; i < steps; ++i) {
      const uint32_t low = static_cast<uint32_t>(history[i]) & mask;
      if (seenAt[low] >= 0) {
        // history[j + 1] = history[i + 1]: from j + 1 on the values repeat every i - j.
        const uint32_t j = static_cast<uint32_t>(seenAt[low]);
        return history[j + 1 + (steps - j - 1) % (i - j)];
      }
      seenAt[low] = static_cast<int32_t>(i);
      history[i + 1] = field_.Multiply(history[i], k);
    }
    return history[steps];
  }

  GaloisField field_;
  int count_;
  const LogTables* tables_;
};

void AppendDataRecord(std::string& out, int address, int value) {
  const unsigned addressByte = static_cast<unsigned>(address);
  const unsigned valueByte = static_cast<unsigned>(value);
  const unsigned checksum = (0x100u - ((1u + addressByte + valueByte) % 256u)) % 256u;
  platform::AppendFormat(out, ":0100%02x00%02x%02x", addressByte, valueByte, checksum);
}

}  // namespace

std::string HexDataRecord(int address, int value) {
  std::string record;
  AppendDataRecord(record, address, value);
  return record;
}

void WriteInverseHex(const GaloisField& field, std::string& out) {
  out += kStartRecord;
  out += kZeroEntry;
  const int count = ElementCount(field.m);
  // Exhaustive in effect: every b that gives a * b = 1 gets the next address.
  const FieldProduct times(field);
  std::array<int32_t, 256> found{};
  int address = 1;
  for (int a = 1; a < count; ++a) {
    const int matches = times.Inverses(a, found);
    for (int i = 0; i < matches; ++i) {
      AppendDataRecord(out, address, found[i]);
      out += '\n';
      ++address;
    }
  }
  out += kEndRecord;
}

void WriteEvnumHex(const GaloisField& field, std::string& out) {
  out += kStartRecord;
  const int count = ElementCount(field.m);
  const EvnumPower power(field);
  for (int k = 0; k < count; ++k) {
    AppendDataRecord(out, k, power.Of(k));
    out += '\n';
  }
  out += kEndRecord;
}

}  // namespace rsmath
