#include "report/unit_fingerprint.h"

#include <QCryptographicHash>
#include <QStringList>

namespace zelto::report {
namespace {

constexpr int kFingerprintBytes = 8;
constexpr int kGroupBytes = 2;

void AddWords(QCryptographicHash& hash, const std::vector<config::MemoryWord>& words) {
  for (const config::MemoryWord& word : words) {
    const char address[2]{static_cast<char>(word.address & 0xff),
                          static_cast<char>(word.address >> 8)};
    hash.addData(QByteArrayView(address, 2));
    hash.addData(QByteArrayView(reinterpret_cast<const char*>(word.bytes.data()),
                                static_cast<qsizetype>(word.bytes.size())));
  }
}

}  // namespace

QString UnitFingerprint(const keep::UnitIdentity& unit) {
  QCryptographicHash hash(QCryptographicHash::Sha256);
  AddWords(hash, unit.firmware);
  AddWords(hash, unit.calibration);
  const QByteArray digest = hash.result().left(kFingerprintBytes);
  QStringList groups;
  for (qsizetype at = 0; at < digest.size(); at += kGroupBytes)
    groups << QString::fromLatin1(digest.mid(at, kGroupBytes).toHex().toUpper());
  return groups.join(QLatin1Char('-'));
}

}  // namespace zelto::report
