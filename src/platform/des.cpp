#include "platform/des.h"

#include <nettle/cbc.h>
#include <nettle/des.h>

#include <array>

namespace {

constexpr int kBlock = DES3_BLOCK_SIZE;

bool setKey(des3_ctx* ctx, const QByteArray& key) {
  // The key text is the key: its first 24 bytes, padded with zeros if it is shorter. Parity
  // bits are ignored; a weak key still gives a usable schedule.
  std::array<uint8_t, DES3_KEY_SIZE> k{};
  for (int i = 0; i < DES3_KEY_SIZE && i < key.size(); ++i) k[size_t(i)] = uint8_t(key[i]);
  des3_set_key(ctx, k.data());
  return true;
}

void encryptBlocks(const void* ctx, size_t length, uint8_t* dst, const uint8_t* src) {
  des3_encrypt(static_cast<const des3_ctx*>(ctx), length, dst, src);
}
void decryptBlocks(const void* ctx, size_t length, uint8_t* dst, const uint8_t* src) {
  des3_decrypt(static_cast<const des3_ctx*>(ctx), length, dst, src);
}

}  // namespace

QByteArray Des(const QByteArray& key, const QByteArray& text, int mode, int /*reserved*/) {
  des3_ctx ctx;
  setKey(&ctx, key);
  std::array<uint8_t, kBlock> iv{};

  if (mode == 1) {
    const int pad = kBlock - int(text.size() % kBlock);
    QByteArray plain = text;
    plain.append(pad, char(pad));
    QByteArray out(plain.size(), '\0');
    cbc_encrypt(&ctx, encryptBlocks, kBlock, iv.data(), size_t(plain.size()),
                reinterpret_cast<uint8_t*>(out.data()), reinterpret_cast<const uint8_t*>(plain.constData()));
    return out.toHex().toUpper();
  }

  const QByteArray hex = text;
  if (hex.isEmpty() || hex.size() % (2 * kBlock) != 0) return {};
  for (char c : hex) {
    const bool ok = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
    if (!ok) return {};
  }
  const QByteArray cipher = QByteArray::fromHex(hex);
  QByteArray plain(cipher.size(), '\0');
  cbc_decrypt(&ctx, decryptBlocks, kBlock, iv.data(), size_t(cipher.size()),
              reinterpret_cast<uint8_t*>(plain.data()), reinterpret_cast<const uint8_t*>(cipher.constData()));
  const int pad = uint8_t(plain.back());
  if (pad < 1 || pad > kBlock) return {};
  for (int i = plain.size() - pad; i < plain.size(); ++i)
    if (uint8_t(plain[i]) != pad) return {};
  plain.chop(pad);
  return plain;
}
